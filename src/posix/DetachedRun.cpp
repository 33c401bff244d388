#include "posix/DetachedRun.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace textmend {
namespace {

int statusPipe = -1;

}  // namespace

std::optional<int> BeginDetachedRun() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        return std::nullopt;  // the run stays in this process: it reports by exiting
    }
    const pid_t run = ::fork();
    if (run < 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        return std::nullopt;
    }
    if (run == 0) {
        ::close(ends[0]);
        statusPipe = ends[1];
        return std::nullopt;
    }
    ::close(ends[1]);
    unsigned char status = 0;
    ssize_t got = 0;
    do {
        got = ::read(ends[0], &status, 1);
    } while (got < 0 && errno == EINTR);
    ::close(ends[0]);
    return got == 1 ? static_cast<int>(status) : -1;
}

void ReportDetachedRun(int status) {
    if (statusPipe < 0) {
        return;
    }
    const unsigned char byte = static_cast<unsigned char>(status);
    ssize_t sent = 0;
    do {
        sent = ::write(statusPipe, &byte, 1);
    } while (sent < 0 && errno == EINTR);
    ::close(statusPipe);
    statusPipe = -1;
    const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nothing >= 0) {
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(nothing, STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        ::close(nothing);
    }
}

}  // namespace textmend
