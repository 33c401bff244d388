// The program's command line, the lines another start sends, and what the main
// window does with a command.

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "command/CommandStart.h"

namespace textmend::testing {
namespace {

TEST(CommandLine, NamesOneCommandAndLeavesTheToolkitsArgumentsAlone) {
    const struct {
        std::vector<std::string> arguments;
        ProgramCommand command;
        const char* error;
    } cases[] = {
        {{}, ProgramCommand::Start, nullptr},
        {{"-display", ":3"}, ProgramCommand::Start, nullptr},
        {{"--clean-and-paste"}, ProgramCommand::CleanAndPaste, nullptr},
        {{"-display", ":3", "--process"}, ProgramCommand::Process, nullptr},
        {{"--show", "--show"}, ProgramCommand::Show, nullptr},
        {{"--process", "--show"},
         ProgramCommand::Start,
         "one command at a time: --process and --show"},
        {{"--paste"}, ProgramCommand::Start, "unknown option --paste (see textmend --help)"},
        {{"--process="}, ProgramCommand::Start, "unknown option --process= (see textmend --help)"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.command, c.command) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.error.value_or(""), c.error ? c.error : "")
            << ::testing::PrintToString(c.arguments);
    }
    for (const char* option : {"--clean-and-paste", "--process", "--show"}) {
        EXPECT_NE(HelpText().find(option), std::string::npos) << option;
    }
}

TEST(CommandProtocol, AnAnswerThatIsNoAnswerIsAFailure) {
    const struct {
        const char* line;
        CommandAnswer answer;
    } cases[] = {
        {"done\n", CommandAnswer::Done()},
        {"done\r\n", CommandAnswer::Done()},
        {"failed There is no text on the Clipboard.\n",
         CommandAnswer::Failed("There is no text on the Clipboard.")},
        {"done", CommandAnswer::Failed("the running Textmend did not answer")},
        {"", CommandAnswer::Failed("the running Textmend did not answer")},
        {"failed \n", CommandAnswer::Failed("the running Textmend did not answer")},
        {"HTTP/1.1 400\n", CommandAnswer::Failed("the running Textmend did not answer")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseAnswer(c.line), c.answer) << c.line;
    }
    EXPECT_EQ(ParseAnswer(AnswerLine(CommandAnswer::Failed("two\nlines"))),
              CommandAnswer::Failed("two lines"));
    EXPECT_EQ(ParseRequest(*RequestLine(ProgramCommand::Start)), ProgramCommand::Show);
    EXPECT_EQ(ParseRequest("process\r\n"), ProgramCommand::Process);
    EXPECT_FALSE(ParseRequest("help\n"));
    EXPECT_FALSE(RequestLine(ProgramCommand::Version));
}

TEST(CommandStart, AsksTheRunningProgramFirstAndOtherwiseStartsOrRunsOnce) {
    const std::optional<std::string> nobody;
    const struct {
        ProgramCommand command;
        std::optional<std::string> reply;
        StartStep step;
        int status;
        const char* error;
    } cases[] = {
        {ProgramCommand::Start, nobody, StartStep::OpenWindow, 0, ""},
        {ProgramCommand::Show, nobody, StartStep::OpenWindow, 0, ""},
        {ProgramCommand::Process, nobody, StartStep::RunOnce, 0, ""},
        {ProgramCommand::CleanAndPaste, nobody, StartStep::RunOnce, 0, ""},
        {ProgramCommand::Start, "done\n", StartStep::Exit, 0, ""},
        {ProgramCommand::Process, "failed no text\n", StartStep::Exit, 1, "textmend: no text\n"},
        {ProgramCommand::Process, "", StartStep::Exit, 1,
         "textmend: the running Textmend did not answer\n"},
    };
    for (const auto& c : cases) {
        const StartPlan plan = PlanAfterAsking(c.command, c.reply);
        EXPECT_EQ(plan.step, c.step) << c.reply.value_or("nobody");
        EXPECT_EQ(plan.exitStatus, c.status) << c.reply.value_or("nobody");
        EXPECT_EQ(plan.errorLine, c.error) << c.reply.value_or("nobody");
    }
    const StartPlan nowhere = PlanAfterAsking(ProgramCommand::Process, nobody, false);
    EXPECT_EQ(nowhere.step, StartStep::Exit);
    EXPECT_EQ(nowhere.exitStatus, 1);
    const StartPlan wrong = PlanStart(ParseCommandLine({"--bogus"}), "textmend 1.0\n");
    EXPECT_EQ(wrong.step, StartStep::Exit);
    EXPECT_EQ(wrong.exitStatus, 1);
    EXPECT_EQ(PlanStart(ParseCommandLine({"--version"}), "textmend 1.0\n").output,
              "textmend 1.0\n");
    EXPECT_EQ(PlanStart(ParseCommandLine({"--show"}), "").step, StartStep::Ask);
}

struct Commanding {
    MainHarness h;
    std::vector<std::string> answers;
    Commanding() {
        h.Load();
        h.ChooseOptions("optUpper", {});
    }
    void Request(const char* line) {
        h.form->CommandRequest(line,
                               [this](const std::string& answer) { answers.push_back(answer); });
    }
};

TEST(CommandFromAnotherStart, ProcessAnswersOnceTheTextIsPut) {
    Commanding c;
    c.h.clipboard.Copy("text");
    c.h.clipboard.holdWrites = true;
    c.Request("process\n");
    EXPECT_TRUE(c.answers.empty()) << "the write has not ended";
    c.h.clipboard.FinishWrite();
    EXPECT_EQ(c.answers, std::vector<std::string>{"done\n"});
    EXPECT_EQ(c.h.clipboard.Text(), "TEXT");
    EXPECT_EQ(c.h.Text("txtClipboard"), "TEXT");
    EXPECT_TRUE(c.h.keyboard.pastes.empty());
}

TEST(CommandFromAnotherStart, FailuresComeBackAsTheirReasonWithoutAMessageBox) {
    const struct {
        const char* request;
        std::function<void(MainHarness&)> arrange;
        const char* answer;
    } cases[] = {
        {"process\n", [](MainHarness& h) { h.clipboard.CopyPicture(); },
         "failed There is no text on the Clipboard.\n"},
        {"clean-and-paste\n", [](MainHarness& h) { h.clipboard.CopyPicture(); },
         "failed There is no text on the Clipboard.\n"},
        {"process\n", [](MainHarness& h) { h.clipboard.failRead = Failure(); },
         "failed Error occurred: #5 Access is denied.\n"},
        {"process\n", [](MainHarness& h) { h.clipboard.failPut = Failure(); },
         "failed Error occurred: #5 Access is denied.\n"},
        {"clean-and-paste\n", [](MainHarness& h) { h.keyboard.failPaste = Failure(); },
         "failed Error occurred: #5 Access is denied.\n"},
        {"paste\n", [](MainHarness&) {}, "failed unknown request\n"},
        {"show\n", [](MainHarness& h) { h.form->Form_Unload(); }, "failed Textmend is closing\n"},
    };
    for (const auto& t : cases) {
        Commanding c;
        c.h.clipboard.Copy("text");
        t.arrange(c.h);
        c.Request(t.request);
        EXPECT_EQ(c.answers, std::vector<std::string>{t.answer}) << t.request << t.answer;
        EXPECT_TRUE(c.h.messageBox.shown.empty()) << t.request << t.answer;
    }
}

TEST(CommandFromAnotherStart, CleanAndPasteIsTheHotkeysPressAndAnswersAfterThePaste) {
    Commanding c;
    c.h.clipboard.Copy("text");
    c.h.hotkey.modifiersDown = true;  // the desktop's shortcut still held
    c.Request("clean-and-paste\n");
    c.Request("clean-and-paste\n");
    c.h.form->HotkeyPressed();
    EXPECT_EQ(c.answers,
              std::vector<std::string>{"failed a clean and paste is already under way\n"});
    c.h.hotkey.modifiersDown = false;
    c.h.form->Tick("TimerHotkey");
    EXPECT_EQ(c.h.keyboard.pastes, std::vector<std::uintptr_t>{0x4711});
    EXPECT_EQ(c.h.clipboard.Text(), "TEXT");
    ASSERT_EQ(c.answers.size(), 2u);
    EXPECT_EQ(c.answers[1], "done\n");
}

TEST(CommandFromAnotherStart, ShowBringsTheWindowOutFromBehindTheIcon) {
    Commanding c;
    c.h.form->Form_Resize(WindowState::Minimized);
    ASSERT_FALSE(c.h.window.visible);
    c.Request("show\n");
    EXPECT_EQ(c.answers, std::vector<std::string>{"done\n"});
    EXPECT_TRUE(c.h.window.visible);
    EXPECT_EQ(c.h.form->windowState(), WindowState::Normal);
    EXPECT_TRUE(c.h.Journaled("foreground"));
}

TEST(CommandRunOnce, UsesTheStoredOptionsShowsNothingAndStoresNothing) {
    for (const ProgramCommand command : {ProgramCommand::Process, ProgramCommand::CleanAndPaste}) {
        MainHarness h;
        h.settings.StoreText("upper", "True");
        for (const char* key : {"lower", "clean", "proper"}) {
            h.settings.StoreText(key, "False");
        }
        h.clipboard.Copy("text");
        std::vector<CommandAnswer> answers;
        h.form->RunOnce(command, [&](const CommandAnswer& answer) { answers.push_back(answer); });
        h.form->Form_Unload();
        EXPECT_EQ(answers, std::vector<CommandAnswer>{CommandAnswer::Done()});
        EXPECT_EQ(h.clipboard.Text(), "TEXT");
        EXPECT_EQ(h.keyboard.pastes.size(), command == ProgramCommand::CleanAndPaste ? 1u : 0u);
        EXPECT_FALSE(h.window.visible);
        EXPECT_FALSE(h.tray.shown);
        EXPECT_TRUE(h.settings.written.empty());
    }
}

}  // namespace
}  // namespace textmend::testing
