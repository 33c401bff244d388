// The clipboard watcher behind Autoprocess: its states, its letter-case blind
// memory, secret content, and processing each copied text exactly once.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "clipboard/ClipboardWatcher.h"

namespace textmend::testing {
namespace {

struct Watch {
    MainHarness h;
    Watch() {
        h.Load();
        h.ChooseOptions("optUpper", {});
    }
    void CopyAndTick(const std::string& text, bool secret = false) {
        h.clipboard.Copy(text, secret);
        h.form->TimerClipwatch_Timer();
    }
};

TEST(WatcherWatching, RemembersNewTextsAndProcessesNothing) {
    Watch w;
    w.CopyAndTick("first");
    EXPECT_EQ(w.h.form->lastClipText(), "first");
    w.CopyAndTick("second");
    EXPECT_EQ(w.h.form->lastClipText(), "second");
    EXPECT_EQ(w.h.clipboard.Text(), "second");
    EXPECT_EQ(w.h.clipboard.puts, 0);
    EXPECT_EQ(w.h.beep.beeps, 0);
}

TEST(WatcherWatching, KeepsTheFirstFormOfATextThatDiffersOnlyInCase) {
    Watch w;
    w.CopyAndTick("hello");
    w.CopyAndTick("HELLO");
    EXPECT_EQ(w.h.form->lastClipText(), "hello");
}

TEST(WatcherWatching, IgnoresNonTextContent) {
    Watch w;
    w.CopyAndTick("words");
    w.h.clipboard.CopyPicture();
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.form->lastClipText(), "words");
}

TEST(WatcherSwitchedOn, ProcessesOnlyTextsCopiedAfterwards) {
    Watch w;
    w.CopyAndTick("already there");
    w.h.form->Click("mnuAutoprocess");
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.clipboard.Text(), "already there");
    EXPECT_EQ(w.h.beep.beeps, 0);
}

TEST(WatcherProcessing, ProcessesANewTextBeepsAndFlashes) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.CopyAndTick("hello world");
    EXPECT_EQ(w.h.clipboard.Text(), "HELLO WORLD");
    EXPECT_EQ(w.h.Text("txtClipboard"), "HELLO WORLD");
    EXPECT_EQ(w.h.beep.beeps, 1);
    EXPECT_TRUE(w.h.timers.Running("TimerFlash"));
    EXPECT_TRUE(w.h.Enabled("TimerFlash"));
    // The command finishes before the beep, which comes before the flashing.
    EXPECT_LT(w.h.JournalIndex("clipboard put HELLO WORLD"), w.h.JournalIndex("beep"));
    EXPECT_LT(w.h.JournalIndex("beep"), w.h.JournalIndex("start TimerFlash 500"));
}

TEST(WatcherProcessing, NeverProcessesItsOwnResultAgain) {
    Watch w;
    w.h.ChooseOptions("optClean", {"chkDblspc"});
    w.h.form->Click("mnuPopAutoprocess");
    w.CopyAndTick("One.  Two.  Three");
    EXPECT_EQ(w.h.clipboard.Text(), "One. Two. Three");
    EXPECT_EQ(w.h.form->lastClipText(), "One. Two. Three");
    for (int tick = 0; tick < 5; ++tick) {
        w.h.form->TimerClipwatch_Timer();
    }
    EXPECT_EQ(w.h.clipboard.puts, 1);
    EXPECT_EQ(w.h.beep.beeps, 1);
    EXPECT_EQ(std::count(w.h.journal.begin(), w.h.journal.end(), "start TimerFlash 500"), 1);
}

// The result of a manual Process is the program's own put: the next tick leaves
// it be, and Restore original still holds the copy.
TEST(WatcherProcessing, LeavesTheResultOfAManualProcessBe) {
    for (const char* click : {"cmdProcess", "mnuPopProcess"}) {
        Watch w;
        w.h.ChooseOptions("optClean", {"chkDblspc"});
        w.h.form->Click("mnuAutoprocess");
        w.h.clipboard.Copy("One.  Two.  Three");
        w.h.form->Click(click);
        ASSERT_EQ(w.h.clipboard.Text(), "One. Two. Three") << click;
        for (int tick = 0; tick < 3; ++tick) {
            w.h.form->TimerClipwatch_Timer();
        }
        EXPECT_EQ(w.h.clipboard.puts, 1) << click;
        EXPECT_EQ(w.h.beep.beeps, 0) << click;
        w.h.form->Click("mnuRestoreOriginal");
        EXPECT_EQ(w.h.clipboard.Text(), "One.  Two.  Three") << click;
    }
}

TEST(WatcherProcessing, TakesACopyOfTheSameTextInOtherCaseAsSeen) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.CopyAndTick("hello");
    w.CopyAndTick("hello");
    w.CopyAndTick("Hello");
    EXPECT_EQ(w.h.clipboard.puts, 1);
    EXPECT_EQ(w.h.beep.beeps, 1);
    // A different text after them is news again.
    w.CopyAndTick("bye");
    EXPECT_EQ(w.h.clipboard.Text(), "BYE");
    EXPECT_EQ(w.h.beep.beeps, 2);
}

TEST(WatcherProcessing, NeverTouchesOrRemembersSecretContent) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.CopyAndTick("before");
    w.CopyAndTick("password", true);
    EXPECT_EQ(w.h.clipboard.Text(), "password");
    EXPECT_EQ(w.h.form->lastClipText(), "BEFORE");
    EXPECT_EQ(w.h.beep.beeps, 1);
}

TEST(WatcherStopped, HasNoTicksAndComparesWithTheTextSeenBeforeStopping) {
    Watch w;
    w.CopyAndTick("seen");
    w.h.form->Click("mnuAutoprocess");  // processing
    w.h.form->Click("mnuAutoprocess");  // stopped
    EXPECT_FALSE(w.h.timers.Running("TimerClipwatch"));
    EXPECT_FALSE(w.h.Enabled("TimerClipwatch"));
    EXPECT_EQ(w.h.Value("mnuPopAutoprocess"), 0);
    EXPECT_EQ(w.h.tray.changes, std::vector<TrayImage>{TrayImage::Normal});
    w.h.clipboard.Copy("copied while stopped");
    w.h.form->Click("mnuPopAutoprocess");  // processing again
    EXPECT_TRUE(w.h.timers.Running("TimerClipwatch"));
    EXPECT_EQ(w.h.Value("mnuAutoprocess"), 1);
    EXPECT_EQ(w.h.form->lastClipText(), "seen");
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.clipboard.Text(), "COPIED WHILE STOPPED");
}

TEST(WatcherSwitching, OnDoesNotRestartARunningWatcherNorChangeTheIcon) {
    Watch w;
    const int starts = w.h.timers.starts;
    w.h.form->Click("mnuAutoprocess");
    EXPECT_EQ(w.h.timers.starts, starts);
    EXPECT_TRUE(w.h.tray.changes.empty());
}

TEST(WatcherFailures, AFailedReadShowsTheMessageEvenWhileAutoprocessIsOff) {
    Watch w;
    w.h.clipboard.Copy("x");
    w.h.clipboard.failRead = Failure();
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.Text("txtClipboard"), kFailureMessage);
    EXPECT_EQ(w.h.form->lastClipText(), "");
}

TEST(WatcherFailures, AFailedProcessCommandStillBeepsAndFlashes) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.h.clipboard.Copy("x");
    w.h.clipboard.failRead = Failure();
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.clipboard.Text(), "x");
    EXPECT_EQ(w.h.Text("txtClipboard"), kFailureMessage);
    EXPECT_EQ(w.h.beep.beeps, 1);
    EXPECT_TRUE(w.h.timers.Running("TimerFlash"));
}

TEST(WatcherFailures, AFailedPutRemembersTheSourceText) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.h.clipboard.failPut = Failure();
    w.h.clipboard.failEmpty = Failure();
    w.CopyAndTick("stays");
    // The clipboard still holds the source; it is not taken for news again.
    EXPECT_EQ(w.h.clipboard.Text(), "stays");
    EXPECT_EQ(w.h.form->lastClipText(), "stays");
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.beep.beeps, 1);
}

TEST(WatcherAfterRestart, AutoprocessIsOffAgain) {
    MainHarness first;
    first.Load();
    first.form->Click("mnuAutoprocess");
    first.form->Click("mnuExit");
    EXPECT_FALSE(first.settings.written.contains("autoprocess"));
    MainHarness second;
    for (const auto& [key, text] : first.settings.written) {
        second.settings.StoreText(key, text);
    }
    second.Load();
    EXPECT_EQ(second.Value("mnuAutoprocess"), 0);
    EXPECT_EQ(second.Value("mnuPopAutoprocess"), 0);
}

// The clipboard is read only after it changed, one transfer at a time, and a
// transfer that takes too long is a failed read.

TEST(WatcherReads, OnlyAfterAChangeAndOncePerChange) {
    Watch w;
    w.CopyAndTick("first");
    const int reads = w.h.clipboard.reads;
    for (int tick = 0; tick < 5; ++tick) {
        w.h.form->TimerClipwatch_Timer();
    }
    EXPECT_EQ(w.h.clipboard.reads, reads) << "nothing changed, nothing read";
    w.CopyAndTick("second");
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.clipboard.reads, reads + 1);
    EXPECT_EQ(w.h.form->lastClipText(), "second");
}

TEST(WatcherReads, ATimedOutReadIsAFailedOneAndTheOwnerIsNotAskedAgain) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.h.clipboard.Copy("owner hangs");
    w.h.clipboard.failRead = StepError(110, "Connection timed out");
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.Text("txtClipboard"), "Error occurred: #110 Connection timed out");
    EXPECT_EQ(w.h.clipboard.Text(), "owner hangs") << "left as it was";
    EXPECT_FALSE(w.h.Journaled("clipboard empty"));
    const int reads = w.h.clipboard.reads;
    for (int tick = 0; tick < 5; ++tick) {
        w.h.form->TimerClipwatch_Timer();
    }
    EXPECT_EQ(w.h.clipboard.reads, reads);
    // The owner has gone; the next copy is processed as usual.
    w.h.clipboard.failRead.reset();
    w.CopyAndTick("next copy");
    EXPECT_EQ(w.h.clipboard.Text(), "NEXT COPY");
}

TEST(WatcherReads, NoSecondTransferWhileOneIsUnderWay) {
    Watch w;
    w.h.clipboard.holdReads = true;
    w.CopyAndTick("slow owner");
    w.h.clipboard.Copy("copied meanwhile");
    for (int tick = 0; tick < 3; ++tick) {
        w.h.form->TimerClipwatch_Timer();
    }
    EXPECT_EQ(w.h.clipboard.reads, 1);
    w.h.clipboard.FinishRead();
    // The copy made during the transfer is read once more, as any change is.
    w.h.clipboard.holdReads = false;
    for (int tick = 0; tick < 3; ++tick) {
        w.h.form->TimerClipwatch_Timer();
    }
    EXPECT_EQ(w.h.clipboard.reads, 2);
    EXPECT_EQ(w.h.form->lastClipText(), "copied meanwhile");
}

// The Process button stays usable while the watcher waits for a transfer: it
// waits for the same one, and the text is processed once.
TEST(WatcherReads, TheProcessCommandSharesTheWatchersPendingRead) {
    for (const bool autoprocess : {false, true}) {
        Watch w;
        if (autoprocess) {
            w.h.form->Click("mnuAutoprocess");
        }
        w.h.clipboard.holdReads = true;
        w.CopyAndTick("shared");
        w.h.form->Click("cmdProcess");
        EXPECT_EQ(w.h.clipboard.reads, 1) << autoprocess;
        w.h.clipboard.FinishRead();
        EXPECT_EQ(w.h.clipboard.Text(), "SHARED") << autoprocess;
        EXPECT_EQ(w.h.clipboard.puts, 1) << autoprocess;
        EXPECT_EQ(w.h.beep.beeps, autoprocess ? 1 : 0);
    }
}

// A read still under way when Restore original puts the copy back comes back
// with what the clipboard held before: it is dropped, never written.
TEST(WatcherReads, AReadOvertakenByAPutOfTheProgramsOwnIsDropped) {
    Watch w;
    w.h.ChooseOptions("optClean", {"chkDblspc"});
    w.h.form->Click("mnuAutoprocess");
    w.h.clipboard.Copy("First.  Copy");
    w.h.form->Click("cmdProcess");
    w.h.clipboard.holdReads = true;
    w.CopyAndTick("Second.  Copy");
    w.h.form->Click("mnuRestoreOriginal");
    ASSERT_EQ(w.h.clipboard.Text(), "First.  Copy");
    w.h.clipboard.FinishRead();
    w.h.clipboard.holdReads = false;
    for (int tick = 0; tick < 3; ++tick) {
        w.h.form->TimerClipwatch_Timer();
    }
    EXPECT_EQ(w.h.clipboard.Text(), "First.  Copy");
    EXPECT_EQ(w.h.Text("txtClipboard"), "First.  Copy");
    EXPECT_EQ(w.h.clipboard.puts, 2);
    EXPECT_EQ(w.h.beep.beeps, 0);
}

// Another copy made while the read is under way is the news: the text read
// before it is never put over it.
TEST(WatcherReads, ACopyMadeWhileTheReadIsUnderWayIsNeverOverwritten) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.h.clipboard.holdReads = true;
    w.CopyAndTick("first");
    w.h.clipboard.Copy("second");
    w.h.clipboard.FinishRead();
    EXPECT_EQ(w.h.clipboard.Text(), "second");
    w.h.clipboard.holdReads = false;
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.clipboard.Text(), "SECOND");
    EXPECT_EQ(w.h.clipboard.puts, 1);
}

TEST(WatcherReads, TheCommandEndsBeforeTheBeepEvenWhenItsWriteTakesTime) {
    Watch w;
    w.h.form->Click("mnuAutoprocess");
    w.h.clipboard.holdWrites = true;
    w.CopyAndTick("text");
    EXPECT_EQ(w.h.beep.beeps, 0);
    w.h.form->TimerClipwatch_Timer();
    EXPECT_EQ(w.h.clipboard.reads, 1) << "no read while the write is under way";
    w.h.clipboard.FinishWrite();
    EXPECT_EQ(w.h.Text("txtClipboard"), "TEXT");
    EXPECT_EQ(w.h.beep.beeps, 1);
}

}  // namespace
}  // namespace textmend::testing
