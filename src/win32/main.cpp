// textmend.exe: the Windows program. Builds the program and runs its window
// until the main form unloads.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <chrono>
#include <string>

#include "command/CommandStart.h"
#include "textmend/version.h"
#include "win32/AppIcons.h"
#include "win32/CommandMessages.h"
#include "win32/Program.h"
#include "win32/ResourceIds.h"
#include "win32/StandardStreams.h"

namespace {

// Long enough for a clean and paste: the wait for the shortcut's keys to be
// let go, the clipboard's read with its deadline, the write and the paste.
constexpr std::chrono::seconds kAnswerDeadline{15};

int Finish(const textmend::StartPlan& plan) {
    textmend::WriteStandardStream(STD_OUTPUT_HANDLE, plan.output);
    textmend::WriteStandardStream(STD_ERROR_HANDLE, plan.errorLine);
    return plan.exitStatus;
}

// The notification area draws its icons at the system's DPI.
textmend::TrayIcons LoadTrayIcons(HINSTANCE instance) {
    using textmend::IconSize, textmend::LoadAppIcon;
    const UINT dpi = GetDpiForSystem();
    return {LoadAppIcon(instance, IDI_TEXTMEND, IconSize::Small, dpi),
            LoadAppIcon(instance, IDI_TEXTMEND_AUTOPROCESS, IconSize::Small, dpi)};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    using namespace textmend;
    const CommandLine line = ParseCommandLine(ProgramArguments());
    StartPlan plan = PlanStart(line, "textmend " + std::string(kVersionText) + "\n");
    if (plan.step == StartStep::Ask) {
        plan = PlanAfterAsking(line.command,
                               AskRunningWindow(*RequestLine(line.command), kAnswerDeadline));
    }
    if (plan.step == StartStep::Exit) {
        return Finish(plan);
    }
    Program program(instance, LoadTrayIcons(instance));
    if (plan.step == StartStep::RunOnce) {
        program.RunOnce(line.command,
                        [](const CommandAnswer& answer) { return Finish(PlanExit(answer)); });
    } else {
        program.Load();
    }
    return program.Run();
}
