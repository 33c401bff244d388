#include "wayland/PipeTransfer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "engine/SystemError.h"
#include "x11/SelectionConnection.h"

namespace textmend {
namespace {

int MillisecondsLeft(TransferClock::time_point deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - TransferClock::now()).count();
    return static_cast<int>(std::clamp<decltype(left)>(left, 0, 60'000));
}

// A write to a pipe whose reader has gone raises SIGPIPE for the writing thread;
// with the signal blocked there it stays pending instead, and is taken here.
void TakePendingSigpipe() {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    const timespec now{};
    while (sigtimedwait(&pipeSignal, nullptr, &now) == SIGPIPE) {
    }
}

}  // namespace

std::vector<std::optional<std::string>> ReadToEnd(std::span<const int> fds,
                                                  TransferClock::time_point deadline, int stopFd) {
    std::vector<std::optional<std::string>> data(fds.size(), std::string());
    std::vector<bool> open(fds.size(), true);
    char buffer[65536];
    while (std::find(open.begin(), open.end(), true) != open.end()) {
        if (TransferClock::now() >= deadline) {
            throw TransferTimeoutError();
        }
        std::vector<pollfd> waits;
        std::vector<std::size_t> which;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (open[i]) {
                waits.push_back({fds[i], POLLIN, 0});
                which.push_back(i);
            }
        }
        if (stopFd >= 0) {
            waits.push_back({stopFd, POLLIN, 0});
        }
        if (poll(waits.data(), waits.size(), MillisecondsLeft(deadline)) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw LastSystemError();
        }
        if (stopFd >= 0 && (waits.back().revents & POLLIN) != 0) {
            throw TransferStopped{};
        }
        for (std::size_t w = 0; w < which.size(); ++w) {
            if (waits[w].revents == 0) {
                continue;
            }
            const std::size_t i = which[w];
            const ssize_t got = read(fds[i], buffer, sizeof buffer);
            if (got > 0) {
                data[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
                if (got < 0) {
                    data[i].reset();
                }
                open[i] = false;
            }
        }
    }
    return data;
}

PipeWrite::PipeWrite(int fd, std::string data, TransferClock::time_point deadline)
    : fd_(fd), data_(std::move(data)), deadline_(deadline) {
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

PipeWrite::~PipeWrite() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

PipeWrite::PipeWrite(PipeWrite&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      data_(std::move(other.data_)),
      written_(other.written_),
      deadline_(other.deadline_) {}

bool PipeWrite::WriteSome() {
    while (written_ < data_.size()) {
        const ssize_t put = write(fd_, data_.data() + written_, data_.size() - written_);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EPIPE) {
                TakePendingSigpipe();
            }
            return errno != EAGAIN || TransferClock::now() >= deadline_;
        }
        written_ += static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace textmend
