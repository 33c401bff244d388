#pragma once

// The data of a Wayland transfer flows through a pipe between the two clients,
// never through the compositor: these read and write such pipes without ever
// waiting on the other end past a deadline.

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace textmend {

using TransferClock = std::chrono::steady_clock;

// Reads every one of fds to its end, all at once. A descriptor that fails gives
// nothing. Throws TransferTimeoutError() at the deadline and TransferStopped when
// stopFd (if not -1) becomes readable first.
std::vector<std::optional<std::string>> ReadToEnd(std::span<const int> fds,
                                                  TransferClock::time_point deadline, int stopFd);

// Data this program serves to a reader through a non-blocking descriptor, which
// it closes once the data is written, the reader has gone, or the deadline passed.
class PipeWrite {
  public:
    PipeWrite(int fd, std::string data, TransferClock::time_point deadline);
    ~PipeWrite();
    PipeWrite(PipeWrite&& other) noexcept;
    PipeWrite& operator=(PipeWrite&&) = delete;

    int Fd() const { return fd_; }
    TransferClock::time_point Deadline() const { return deadline_; }
    // Writes what the pipe takes now; true when nothing is left to do.
    bool WriteSome();

  private:
    int fd_;
    std::string data_;
    std::size_t written_ = 0;
    TransferClock::time_point deadline_;
};

}  // namespace textmend
