// The paste typed through the virtual keyboard into a window of the tests' own
// (KeyTarget.cpp), which reports the keys as the keymap it was sent reads them.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>

#include "SwaySession.h"
#include "wayland/WaylandVirtualKeyboard.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;

// The key target as a child process, its reports read line by line.
class KeyTarget {
  public:
    KeyTarget() {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            execl(TEXTMEND_KEY_TARGET, TEXTMEND_KEY_TARGET, nullptr);
            _exit(127);
        }
        close(out[1]);
        out_ = out[0];
    }
    ~KeyTarget() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        close(out_);
    }

    // The next line it reports; nothing when none comes within time.
    std::optional<std::string> NextLine(std::chrono::milliseconds time = 5s) {
        const auto deadline = std::chrono::steady_clock::now() + time;
        for (std::size_t end; (end = pending_.find('\n')) == std::string::npos;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd wait{out_, POLLIN, 0};
            char buffer[256];
            ssize_t got = 0;
            if (left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0 ||
                (got = read(out_, buffer, sizeof buffer)) <= 0) {
                return std::nullopt;
            }
            pending_.append(buffer, static_cast<std::size_t>(got));
        }
        const std::size_t end = pending_.find('\n');
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return line;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
};

TEST(WaylandVirtualKeyboard, TypesCtrlVIntoTheFocusedWindowAndLetsGoOfCtrl) {
    TEXTMEND_REQUIRE_SWAY();
    KeyTarget target;
    ASSERT_EQ(target.NextLine(), "mapped");
    // The headless seat has no keyboard until this one comes.
    WaylandVirtualKeyboard keyboard;
    ASSERT_EQ(target.NextLine(), "focus");
    for (int paste = 1; paste <= 2; ++paste) {  // a Ctrl still held would show the second time
        keyboard.PasteCtrlV();
        EXPECT_EQ(target.NextLine(), "Control_L") << paste;
        EXPECT_EQ(target.NextLine(), "ctrl+v") << paste;
    }
}

}  // namespace
}  // namespace textmend
