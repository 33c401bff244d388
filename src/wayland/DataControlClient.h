#pragma once

// What the two data-control protocols share: the selection's offers, the reads,
// the sources this client serves and the thread that dispatches the events. The
// protocol's own requests come from a subclass (WaylandClipboardClient.cpp);
// offers and sources are its proxies, seen here as handles.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ports/ClipboardPort.h"
#include "wayland/PipeTransfer.h"
#include "wayland/WaylandConnection.h"

namespace textmend {

class DataControlClient {
  public:
    using Handle = void*;

    virtual ~DataControlClient();
    DataControlClient(const DataControlClient&) = delete;
    DataControlClient& operator=(const DataControlClient&) = delete;

    virtual const char* ProtocolName() const = 0;
    std::uint64_t ChangeCount() const { return changeCount_.load(); }
    ClipboardContent Read(TransferClock::time_point deadline, int stopFd);
    void Write(std::string text, bool secret);
    // Whether a text this client wrote is still the selection.
    bool Serving() const;

  protected:
    explicit DataControlClient(std::unique_ptr<WaylandConnection> connection);
    // Learns the first selection, then starts the thread; the subclass calls it
    // once its device listens.
    void Start();
    // Stops the thread and lets go of every offer and source; the subclass calls
    // it before its own proxies go.
    void Stop();
    WaylandConnection& Connection() { return *connection_; }

    virtual void Receive(Handle offer, const char* mime, int fd) = 0;
    virtual void DestroyOffer(Handle offer) = 0;
    // A new source offering types, made the selection.
    virtual Handle SetSelection(std::span<const std::string_view> types) = 0;
    virtual void DestroySource(Handle source) = 0;

    // The protocol's events, on the client's thread.
    void OnOffer(Handle offer);
    void OnOfferType(Handle offer, const char* mime);
    void OnSelection(Handle offer);
    void OnPrimarySelection(Handle offer);
    void OnSend(Handle source, const char* mime, int fd);
    void OnCancelled(Handle source);
    void OnFinished();

  private:
    struct Served {
        std::string text;
        bool secret;
    };
    struct WriteJob {
        std::uint64_t ticket;
        std::string text;
        bool secret;
    };

    static void SyncDone(void* data, wl_callback* callback, std::uint32_t);

    void Run();
    void Wake();
    bool DispatchOnce();
    void TakeWriteJobs();
    void Fail(int error);
    void ThrowIfFailed() const;

    std::unique_ptr<WaylandConnection> connection_;
    int wakeFd_ = -1;
    std::thread thread_;
    std::atomic<bool> stopping_ = false;
    std::atomic<std::uint64_t> changeCount_ = 0;

    mutable std::mutex mutex_;  // what follows, and the offers' proxies
    std::condition_variable confirmed_;
    int error_ = 0;  // the connection's, once it broke
    std::map<Handle, std::vector<std::string>> offers_;
    Handle selection_ = nullptr;
    bool reading_ = false;
    std::deque<WriteJob> writeJobs_;
    std::uint64_t writesAsked_ = 0;
    std::uint64_t writesConfirmed_ = 0;

    // The thread's own.
    std::map<Handle, Served> served_;
    std::list<PipeWrite> pipeWrites_;
    std::map<wl_callback*, std::uint64_t> syncs_;  // write tickets the compositor will confirm
};

}  // namespace textmend
