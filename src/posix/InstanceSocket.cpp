#include "posix/InstanceSocket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace textmend {
namespace {

// ":0.0" and ":0" are the same display; a path-like name (launchd) keeps its
// own dots before the colon.
std::string WithoutScreen(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon != std::string_view::npos) {
        const std::size_t dot = display.find('.', colon);
        if (dot != std::string_view::npos) {
            display = display.substr(0, dot);
        }
    }
    std::string name(display.empty() ? "nodisplay" : display);
    std::ranges::replace(name, '/', '_');
    return name;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point end) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watched{.fd = fd, .events = events, .revents = 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

}  // namespace

std::string InstanceSocketPath(std::string_view runtimeDir, std::string_view display, uid_t user) {
    if (runtimeDir.empty()) {
        return "/tmp/textmend-" + std::to_string(user) + "-" + WithoutScreen(display);
    }
    std::string path(runtimeDir);
    if (!path.ends_with('/')) {
        path += '/';
    }
    return path + "textmend-" + WithoutScreen(display);
}

std::string DisplayToOpen(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if ((argument == "-display" || argument == "--display") && i + 1 < argc) {
            return argv[i + 1];
        }
        for (const std::string_view prefix : {"-display=", "--display="}) {
            if (argument.starts_with(prefix)) {
                return std::string(argument.substr(prefix.size()));
            }
        }
    }
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

std::optional<std::string> AskRunningProgram(const std::string& path, const std::string& request,
                                             std::chrono::milliseconds deadline) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0 || ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address),
                                      sizeof(address)) != 0) {
        return std::nullopt;
    }
    const auto end = std::chrono::steady_clock::now() + deadline;
    std::string_view unsent = request;
    while (!unsent.empty()) {
        if (!WaitFor(socket.get(), POLLOUT, end)) {
            return std::string();
        }
        const ssize_t sent = ::send(socket.get(), unsent.data(), unsent.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno != EINTR) {
            return std::string();
        }
        unsent.remove_prefix(sent > 0 ? static_cast<std::size_t>(sent) : 0);
    }
    std::string reply;
    std::array<char, 512> piece{};
    while (reply.find('\n') == std::string::npos && WaitFor(socket.get(), POLLIN, end)) {
        const ssize_t got = ::recv(socket.get(), piece.data(), piece.size(), 0);
        if (got == 0 || (got < 0 && errno != EINTR)) {
            break;
        }
        reply.append(piece.data(), static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    }
    const std::size_t lineEnd = reply.find('\n');
    return lineEnd == std::string::npos ? reply : reply.substr(0, lineEnd + 1);
}

}  // namespace textmend
