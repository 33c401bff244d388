#include "posix/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace textmend {
namespace {

int g_signalPipe[2] = {-1, -1};

void WriteSignal(int signalNumber) {
    const char byte = static_cast<char>(signalNumber);
    // Only async-signal-safe calls here; a full pipe loses nothing that matters.
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

}  // namespace

int WatchTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        return -1;
    }
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signalNumber, &action, nullptr);
    }
    return g_signalPipe[1];
}

void TakeTerminationSignal(int socket) {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(socket, &byte, 1);
}

}  // namespace textmend
