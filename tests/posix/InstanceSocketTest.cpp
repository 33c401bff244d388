#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cstring>
#include <thread>

#include "TestSupport.h"
#include "posix/InstanceSocket.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;

TEST(InstanceSocketPath, OnePerUserAndDisplay) {
    const struct {
        const char* runtimeDir;
        const char* display;
        const char* path;
    } cases[] = {
        {"/run/user/1000", ":0", "/run/user/1000/textmend-:0"},
        {"/run/user/1000/", ":0.1", "/run/user/1000/textmend-:0"},
        {"/run/user/1000", "localhost:10.0", "/run/user/1000/textmend-localhost:10"},
        {"/run/user/1000", "wayland-0", "/run/user/1000/textmend-wayland-0"},
        {"/run/user/1000", "/tmp/launch.x/org:0", "/run/user/1000/textmend-_tmp_launch.x_org:0"},
        {"/run/user/1000", "", "/run/user/1000/textmend-nodisplay"},
        {"", ":1", "/tmp/textmend-1000-:1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InstanceSocketPath(c.runtimeDir, c.display, 1000), c.path) << c.display;
    }
}

// A listener on a socket in a folder of its own, answering each connection
// with what answer makes of the bytes it received.
class Listener {
  public:
    explicit Listener(const std::string& path) : path_(path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path.c_str());
        EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        EXPECT_EQ(::listen(fd_, 1), 0);
    }
    ~Listener() { Close(); }
    // Takes one connection, reads up to a line end and sends reply, then hangs up.
    void AnswerOnce(std::string reply) {
        thread_ = std::thread([this, reply] {
            const int connection = ::accept(fd_, nullptr, nullptr);
            char byte = 0;
            while (::read(connection, &byte, 1) == 1 && byte != '\n') {
                received_ += byte;
            }
            (void)!::write(connection, reply.data(), reply.size());
            ::close(connection);
        });
    }
    // Leaves the socket file behind, as a program that crashed does.
    void Close() {
        if (thread_.joinable()) {
            thread_.join();
        }
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    const std::string& received() const { return received_; }

  private:
    std::string path_;
    int fd_ = -1;
    std::thread thread_;
    std::string received_;
};

TEST(AskRunningProgram, TheFirstLineOfTheAnswerOrWhatCameBeforeTheHangUp) {
    const struct {
        const char* reply;
        const char* got;
    } cases[] = {
        {"done\n", "done\n"},
        {"failed no text\nmore\n", "failed no text\n"},
        {"don", "don"},
        {"", ""},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        const std::string path = (folder.path() / "s").string();
        Listener listener(path);
        listener.AnswerOnce(c.reply);
        EXPECT_EQ(AskRunningProgram(path, "process\n", 5s), c.got) << c.reply;
        listener.Close();
        EXPECT_EQ(listener.received(), "process");
    }
}

TEST(AskRunningProgram, NobodyListensWithoutASocketOrOnOneLeftBehind) {
    test::TempFolder folder;
    const std::string path = (folder.path() / "s").string();
    EXPECT_FALSE(AskRunningProgram(path, "show\n", 1s));
    Listener crashed(path);
    crashed.Close();
    EXPECT_FALSE(AskRunningProgram(path, "show\n", 1s));
}

TEST(AskRunningProgram, AProgramThatNeverAnswersCostsTheDeadline) {
    test::TempFolder folder;
    const std::string path = (folder.path() / "s").string();
    Listener silent(path);  // the connection waits in the backlog, never taken
    EXPECT_EQ(AskRunningProgram(path, "show\n", 200ms), "");
}

}  // namespace
}  // namespace textmend
