// textmend.exe: the Windows program. Builds the program and runs its window
// until the main form unloads.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "win32/AppIcons.h"
#include "win32/Program.h"
#include "win32/ResourceIds.h"

namespace {

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

    textmend::Program program(instance, LoadTrayIcons(instance));
    program.Load();
    return program.Run();
}
