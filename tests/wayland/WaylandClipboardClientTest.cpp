// The clipboard client against a private headless Sway (with-sway.sh), with
// wl-copy and wl-paste on the other side of the clipboard.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <future>
#include <thread>

#include "SwaySession.h"
#include "wayland/WaylandClipboardClient.h"
#include "x11/SelectionConnection.h"

namespace textmend {
namespace {

using namespace std::chrono_literals;
using Clock = WaylandClipboardClient::Clock;

std::string Output(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, got);
    }
    pclose(pipe);
    return output;
}

// Waits until the client has seen a selection after the one it counted as before.
bool SeesNewSelection(const WaylandClipboardClient& client, std::uint64_t before) {
    for (int attempt = 0; attempt < 200 && client.ChangeCount() == before; ++attempt) {
        std::this_thread::sleep_for(25ms);
    }
    return client.ChangeCount() != before;
}

// wl-copy takes the clipboard with bytes offered as type, then serves them from
// the background.
void CopyWithWlCopy(const WaylandClipboardClient& client, const std::string& bytes,
                    const std::string& type) {
    const std::string file = "textmend-wayland-copy.bin";
    std::ofstream(file, std::ios::binary) << bytes;
    const std::uint64_t before = client.ChangeCount();
    ASSERT_EQ(std::system(("wl-copy -t '" + type + "' <" + file).c_str()), 0);
    std::remove(file.c_str());
    ASSERT_TRUE(SeesNewSelection(client, before)) << type;
}

class WaylandClipboard : public testing::Test {
  protected:
    void SetUp() override {
        TEXTMEND_REQUIRE_SWAY();
        client_.emplace();
    }
    ClipboardContent ReadWithin(std::chrono::milliseconds time, int stopFd = -1) {
        return client_->Read(Clock::now() + time, stopFd);
    }

    std::optional<WaylandClipboardClient> client_;
};

TEST_F(WaylandClipboard, ReadsTheTextOfTextCopiesAndNothingElse) {
    std::string large;
    while (large.size() < 3'000'000) {  // many times what a pipe holds
        large += "a line of a text large enough to come in pieces " + std::to_string(large.size()) +
                 "\n";
    }
    const struct {
        const char* what;
        std::string bytes;
        std::string type;
        bool hasText;
        std::string text;
    } cases[] = {
        {"UTF-8", "one\ntwo \xE2\x9C\x93", "text/plain", true, "one\ntwo \xE2\x9C\x93"},
        {"UTF-8 with a stray byte", "caf\xE9", "text/plain;charset=utf-8", true, "caf\xEF\xBF\xBD"},
        {"large", large, "text/plain", true, large},
        {"a picture", "\x89PNG\r\n", "image/png", false, ""},
        {"a mark without text", "public", "x-kde-passwordManagerHint", false, ""},
    };
    for (const auto& c : cases) {
        CopyWithWlCopy(*client_, c.bytes, c.type);
        const ClipboardContent content = ReadWithin(10s);
        EXPECT_EQ(content.hasText, c.hasText) << c.what;
        EXPECT_EQ(content.text == c.text, true) << c.what;
        EXPECT_FALSE(content.secret) << c.what;
    }
    const std::uint64_t before = client_->ChangeCount();
    ASSERT_EQ(std::system("wl-copy --clear"), 0);
    ASSERT_TRUE(SeesNewSelection(*client_, before));
    EXPECT_FALSE(ReadWithin(10s).hasText) << "an empty clipboard";
}

TEST_F(WaylandClipboard, AMarkReadingSecretMakesTheCopySecret) {
    const struct {
        std::string mark;
        bool secret;
    } cases[] = {{"secret", true}, {"secret\n", true}, {"public", false}};
    for (const auto& c : cases) {
        CopyWithWlCopy(*client_, c.mark, "x-kde-passwordManagerHint");
        EXPECT_EQ(ReadWithin(10s).secret, c.secret) << c.mark;
    }
}

TEST_F(WaylandClipboard, WritesServeEveryTextTypeAndTheMarkOnlyWhenSecret) {
    const std::string text = "caf\xC3\xA9 \xE2\x9C\x93\nsecond line";
    client_->Write(text, false);
    const struct {
        const char* type;
        std::string bytes;
    } served[] = {
        {"text/plain;charset=utf-8", text},
        {"UTF8_STRING", text},
        {"text/plain", text},
        {"STRING", "caf\xE9 ?\nsecond line"},
    };
    for (const auto& s : served) {
        EXPECT_EQ(Output(std::string("wl-paste -n -t '") + s.type + "'"), s.bytes) << s.type;
    }
    EXPECT_EQ(Output("wl-paste -l | grep -c passwordManagerHint"), "0\n");
    const ClipboardContent own = ReadWithin(10s);
    EXPECT_EQ(own.text, text) << "its own copy, read back";
    EXPECT_FALSE(own.secret);

    WaylandClipboardClient writer;  // another client, as a password manager would be
    const std::uint64_t before = client_->ChangeCount();
    writer.Write("pass word", true);
    ASSERT_TRUE(SeesNewSelection(*client_, before));
    EXPECT_EQ(Output("wl-paste -n -t x-kde-passwordManagerHint"), "secret");
    const ClipboardContent marked = ReadWithin(10s);
    EXPECT_TRUE(marked.secret);
    EXPECT_EQ(marked.text, "pass word");
}

TEST_F(WaylandClipboard, CountsEveryNewSelectionItsOwnIncluded) {
    CopyWithWlCopy(*client_, "same", "text/plain");
    CopyWithWlCopy(*client_, "same", "text/plain");  // waits for the count to move again
    const std::uint64_t before = client_->ChangeCount();
    client_->Write("mine", false);
    EXPECT_NE(client_->ChangeCount(), before) << "counted once the write returns";
}

// wl-copy in the foreground, stopped once it has the clipboard: an owner that
// never answers.
class StoppedOwner {
  public:
    explicit StoppedOwner(const WaylandClipboardClient& client) {
        const std::uint64_t before = client.ChangeCount();
        pid_ = fork();
        if (pid_ == 0) {
            execlp("wl-copy", "wl-copy", "--foreground", "never served", nullptr);
            _exit(127);
        }
        if (SeesNewSelection(client, before)) {
            kill(pid_, SIGSTOP);
        }
    }
    ~StoppedOwner() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }

  private:
    pid_t pid_;
};

TEST_F(WaylandClipboard, AnOwnerThatNeverAnswersCostsTheDeadlineAndATimeout) {
    const StoppedOwner owner(*client_);
    try {
        ReadWithin(300ms);
        ADD_FAILURE() << "a read from an owner that never answers succeeded";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), ETIMEDOUT);
    }
}

TEST_F(WaylandClipboard, AReadCalledOffStopsWaitingAtOnceAndWasTheOnlyOne) {
    const StoppedOwner owner(*client_);
    int stop[2];
    ASSERT_EQ(pipe(stop), 0);
    auto read = std::async(std::launch::async, [&] { return ReadWithin(1h, stop[0]); });
    std::this_thread::sleep_for(200ms);
    try {
        ReadWithin(1h);
        ADD_FAILURE() << "a second read started while one was waiting";
    } catch (const StepError& error) {
        EXPECT_EQ(error.number(), EBUSY);
    }
    ASSERT_EQ(write(stop[1], "x", 1), 1);
    ASSERT_EQ(read.wait_for(10s), std::future_status::ready);
    EXPECT_THROW(read.get(), TransferStopped);
    close(stop[0]);
    close(stop[1]);
}

}  // namespace
}  // namespace textmend
