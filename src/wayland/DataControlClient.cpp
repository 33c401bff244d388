#include "wayland/DataControlClient.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "engine/SystemError.h"
#include "wayland/OfferText.h"
#include "x11/SelectionConnection.h"

namespace textmend {
namespace {

// Closes the read ends of a transfer whatever way it ends.
struct ReadEnds {
    std::vector<int> fds;
    ~ReadEnds() {
        for (int fd : fds) {
            close(fd);
        }
    }
};

}  // namespace

DataControlClient::DataControlClient(std::unique_ptr<WaylandConnection> connection)
    : connection_(std::move(connection)), wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (wakeFd_ < 0) {
        throw LastSystemError();
    }
}

DataControlClient::~DataControlClient() {
    close(wakeFd_);
}

void DataControlClient::Start() {
    connection_->Roundtrip();
    thread_ = std::thread([this] { Run(); });
}

void DataControlClient::Stop() {
    if (thread_.joinable()) {
        stopping_ = true;
        Wake();
        thread_.join();
    }
    for (const auto& [callback, ticket] : syncs_) {
        wl_callback_destroy(callback);
    }
    syncs_.clear();
    for (const auto& [offer, types] : offers_) {
        DestroyOffer(offer);
    }
    offers_.clear();
    selection_ = nullptr;
    for (const auto& [source, served] : served_) {
        DestroySource(source);
    }
    served_.clear();
    pipeWrites_.clear();
    wl_display_flush(connection_->Display());
}

ClipboardContent DataControlClient::Read(TransferClock::time_point deadline, int stopFd) {
    ReadEnds ends;
    bool marked = false;
    std::optional<std::size_t> textType;
    {
        const std::lock_guard lock(mutex_);
        ThrowIfFailed();
        if (reading_) {
            throw SystemError(EBUSY);
        }
        if (selection_ == nullptr) {
            return {};
        }
        const std::vector<std::string>& types = offers_[selection_];
        marked = std::find(types.begin(), types.end(), kPasswordHint) != types.end();
        textType = BestTextType(types);
        auto ask = [&](std::string_view mime) {
            int pipeEnds[2];
            if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
                throw LastSystemError();
            }
            ends.fds.push_back(pipeEnds[0]);
            Receive(selection_, std::string(mime).c_str(), pipeEnds[1]);
            close(pipeEnds[1]);  // the request took a copy
        };
        if (marked) {
            ask(kPasswordHint);
        }
        if (textType) {
            ask(kOfferTextTypes[*textType].name);
        }
        reading_ = true;
    }
    Wake();  // the thread sends the requests
    struct Reading {
        DataControlClient& client;
        ~Reading() {
            const std::lock_guard lock(client.mutex_);
            client.reading_ = false;
        }
    } reading{*this};

    std::vector<std::optional<std::string>> data = ReadToEnd(ends.fds, deadline, stopFd);
    ClipboardContent content;
    if (marked) {
        content.secret = !data.front() || MarkReadsSecret(*data.front());
    }
    if (textType) {
        if (!data.back()) {
            throw SystemError(EIO);
        }
        content.hasText = true;
        content.text =
            SelectionTextToUtf8(std::move(*data.back()), kOfferTextTypes[*textType].encoding);
    }
    return content;
}

void DataControlClient::Write(std::string text, bool secret) {
    std::unique_lock lock(mutex_);
    ThrowIfFailed();
    const std::uint64_t ticket = ++writesAsked_;
    writeJobs_.push_back({ticket, std::move(text), secret});
    Wake();
    const bool done =
        confirmed_.wait_until(lock, TransferClock::now() + ClipboardPort::kDeadline,
                              [&] { return writesConfirmed_ >= ticket || error_ != 0; });
    ThrowIfFailed();
    if (!done) {
        throw TransferTimeoutError();
    }
}

void DataControlClient::OnOffer(Handle offer) {
    const std::lock_guard lock(mutex_);
    offers_[offer];
}

void DataControlClient::OnOfferType(Handle offer, const char* mime) {
    const std::lock_guard lock(mutex_);
    offers_[offer].emplace_back(mime);
}

void DataControlClient::OnSelection(Handle offer) {
    const std::lock_guard lock(mutex_);
    if (selection_ != nullptr && selection_ != offer) {
        DestroyOffer(selection_);
        offers_.erase(selection_);
    }
    selection_ = offer;
    ++changeCount_;
}

void DataControlClient::OnPrimarySelection(Handle offer) {
    // The primary selection is not the clipboard: its offers go at once.
    const std::lock_guard lock(mutex_);
    if (offer != nullptr && offer != selection_) {
        DestroyOffer(offer);
        offers_.erase(offer);
    }
}

void DataControlClient::OnSend(Handle source, const char* mime, int fd) {
    const auto served = served_.find(source);
    if (served == served_.end()) {
        close(fd);
        return;
    }
    std::string data = "secret";
    if (mime != kPasswordHint) {
        const auto type = std::find_if(std::begin(kOfferTextTypes), std::end(kOfferTextTypes),
                                       [mime](const TextType& t) { return t.name == mime; });
        data = type != std::end(kOfferTextTypes) ? TextAsType(served->second.text, *type)
                                                 : served->second.text;
    }
    pipeWrites_.emplace_back(fd, std::move(data), TransferClock::now() + ClipboardPort::kDeadline);
}

bool DataControlClient::Serving() const {
    const std::lock_guard lock(mutex_);
    return !served_.empty();
}

void DataControlClient::OnCancelled(Handle source) {
    served_.erase(source);
    DestroySource(source);
}

void DataControlClient::OnFinished() {
    Fail(ENODEV);
}

void DataControlClient::SyncDone(void* data, wl_callback* callback, std::uint32_t) {
    auto* client = static_cast<DataControlClient*>(data);
    const std::uint64_t ticket = client->syncs_[callback];
    client->syncs_.erase(callback);
    wl_callback_destroy(callback);
    const std::lock_guard lock(client->mutex_);
    client->writesConfirmed_ = std::max(client->writesConfirmed_, ticket);
    client->confirmed_.notify_all();
}

void DataControlClient::Run() {
    // Readers that go away make writes fail with EPIPE, not end the program.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    while (!stopping_ && DispatchOnce()) {
    }
}

void DataControlClient::Wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

bool DataControlClient::DispatchOnce() {
    wl_display* display = connection_->Display();
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0) {
            Fail(wl_display_get_error(display));
            return false;
        }
    }
    const bool flushed = wl_display_flush(display) >= 0 || errno != EAGAIN;
    std::vector<pollfd> waits = {
        {wl_display_get_fd(display), static_cast<short>(POLLIN | (flushed ? 0 : POLLOUT)), 0},
        {wakeFd_, POLLIN, 0}};
    int timeout = -1;
    for (const PipeWrite& pipeWrite : pipeWrites_) {
        waits.push_back({pipeWrite.Fd(), POLLOUT, 0});
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(pipeWrite.Deadline() -
                                                                       TransferClock::now());
        timeout = std::max(
            0, std::min(timeout < 0 ? INT32_MAX : timeout, static_cast<int>(left.count())));
    }
    if (poll(waits.data(), waits.size(), timeout) < 0 && errno != EINTR) {
        wl_display_cancel_read(display);
        Fail(errno);
        return false;
    }
    if ((waits[0].revents & (POLLIN | POLLERR | POLLHUP)) != 0) {
        if (wl_display_read_events(display) < 0) {
            Fail(wl_display_get_error(display));
            return false;
        }
    } else {
        wl_display_cancel_read(display);
    }
    if (wl_display_dispatch_pending(display) < 0) {
        Fail(wl_display_get_error(display));
        return false;
    }
    if ((waits[1].revents & POLLIN) != 0) {
        std::uint64_t count;
        [[maybe_unused]] const ssize_t taken = read(wakeFd_, &count, sizeof count);
    }
    TakeWriteJobs();
    pipeWrites_.remove_if([](PipeWrite& pipeWrite) { return pipeWrite.WriteSome(); });
    return true;
}

void DataControlClient::TakeWriteJobs() {
    std::deque<WriteJob> jobs;
    {
        const std::lock_guard lock(mutex_);
        jobs.swap(writeJobs_);
    }
    for (WriteJob& job : jobs) {
        std::vector<std::string_view> types;
        for (const TextType& type : kOfferTextTypes) {
            types.push_back(type.name);
        }
        if (job.secret) {
            types.push_back(kPasswordHint);
        }
        served_[SetSelection(types)] = {std::move(job.text), job.secret};
        wl_callback* callback = wl_display_sync(connection_->Display());
        syncs_[callback] = job.ticket;
        static const wl_callback_listener confirmation = {SyncDone};
        wl_callback_add_listener(callback, &confirmation, this);
    }
}

void DataControlClient::Fail(int error) {
    const std::lock_guard lock(mutex_);
    if (error_ == 0) {
        error_ = error != 0 ? error : EPIPE;
    }
    confirmed_.notify_all();
}

void DataControlClient::ThrowIfFailed() const {
    if (error_ != 0) {
        throw SystemError(error_);
    }
}

}  // namespace textmend
