// Reads from owners that break the rules (hostile-owner.py): each gives the
// whole text it meant, or a failed read, never a part or a wrong reading.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "x11/ClipboardSelection.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;

// An owner of the CLIPBOARD for as long as the object lives.
class HostileOwner {
  public:
    explicit HostileOwner(const char* mode) {
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            // Debian's interpreter, which has python3-xlib, whatever python3 is on PATH.
            execl("/usr/bin/python3", "python3", TEXTMEND_HOSTILE_OWNER, mode, nullptr);
            _exit(127);
        }
        close(out[1]);
        std::string line;
        for (char c = 0; c != '\n' && read(out[0], &c, 1) == 1;) {
            line += c;
        }
        EXPECT_EQ(line, "ready\n") << mode << " did not start";
        close(out[0]);
    }
    ~HostileOwner() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    HostileOwner(const HostileOwner&) = delete;
    HostileOwner& operator=(const HostileOwner&) = delete;

  private:
    pid_t pid_ = -1;
};

// Address space for 1 GB more than the process has: an allocation of the 4 GB an
// owner announces fails here as it would on a machine short of memory.
class AddressSpaceLimit {
  public:
    AddressSpaceLimit() {
        getrlimit(RLIMIT_AS, &saved_);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit limited = saved_;
        limited.rlim_cur = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (1ULL << 30);
        setrlimit(RLIMIT_AS, &limited);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &saved_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

  private:
    rlimit saved_{};
};

std::string Pieces() {
    std::string text;
    char piece[16];
    for (int i = 0; i < 400; ++i) {
        std::snprintf(piece, sizeof piece, "piece %04d;", i);
        text += piece;
    }
    return text;
}

TEST(ReadClipboardSelection, AnOwnerBreakingTheRulesGivesItsWholeTextOrAFailure) {
    const struct {
        const char* mode;
        int error;  // 0: read as text
        std::string text;
    } cases[] = {
        {"split", 0, Pieces()},
        {"takeback", ETIMEDOUT, ""},
        {"endless", ETIMEDOUT, ""},
        {"huge", 0, "hello"},
        {"latin1", 0, "caf\xC3\xA9 na\xC3\xAFve"},
        {"latin1incr", 0, "caf\xC3\xA9 na\xC3\xAFve"},
        {"compound", EPROTO, ""},
        {"unwritten", EPROTO, ""},
        {"refuse", ENODATA, ""},
    };
    for (const auto& c : cases) {
        HostileOwner owner(c.mode);
        const auto deadline = SelectionConnection::Clock::now() + (c.error == ETIMEDOUT ? 1s : 10s);
        try {
            const AddressSpaceLimit limit;
            const ClipboardContent content = ReadClipboardSelection("", deadline);
            EXPECT_EQ(c.error, 0) << c.mode << " read as text: " << content.text.substr(0, 40);
            EXPECT_TRUE(content.hasText) << c.mode;
            EXPECT_EQ(content.text == c.text, true) << c.mode;
        } catch (const StepError& error) {
            EXPECT_EQ(error.number(), c.error) << c.mode;
        } catch (const std::bad_alloc&) {
            ADD_FAILURE() << c.mode << " ran out of memory";
        }
    }
}

}  // namespace
}  // namespace textmend
