#include "qt/UnixSignals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace textmend {
namespace {

int g_signalPipe[2] = {-1, -1};

void WriteSignal(int signalNumber) {
    const char byte = static_cast<char>(signalNumber);
    // Only async-signal-safe calls here; a full pipe loses nothing that matters.
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

}  // namespace

void OnTerminationRequest(std::function<void()> handler) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [handler = std::move(handler)] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[1], &byte, 1);
        handler();
    });
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace textmend
