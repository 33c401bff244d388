// textmend.exe: the Windows program. Builds the platform services, hands them to
// the main window's form and runs the window until the form unloads.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "engine/ScratchFolders.h"
#include "settings/RegistrySettings.h"
#include "textmend/version.h"
#include "ui/frmMain.h"
#include "win32/AppIcons.h"
#include "win32/MainWindow.h"
#include "win32/ResourceIds.h"
#include "win32/VersionResource.h"
#include "win32/WidgetProbe.h"
#include "win32/Win32Alerts.h"
#include "win32/Win32Autostart.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32Hotkey.h"
#include "win32/Win32Keyboard.h"
#include "win32/Win32System.h"
#include "win32/Win32Tray.h"

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
    using namespace textmend;

    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    WidgetProbe probe;
    MainWindow window(instance);
    window.SetProbe(&probe);
    Win32Clipboard clipboard;
    Win32MessageBox messageBox(nullptr, &probe);
    Win32Beep beep;
    Win32Tray tray(LoadTrayIcons(instance));
    RegistrySettings settings;
    Win32System system;
    Win32Hotkey hotkey;
    Win32Keyboard keyboard;
    Win32Autostart autostart;

    frmMain form(MainPorts{
        .clipboard = clipboard,
        .messageBox = messageBox,
        .beep = beep,
        .tray = tray,
        .window = window,
        .timers = window,
        .shell = window,
        .hotkey = hotkey,
        .keyboard = keyboard,
        .autostart = autostart,
        .settings = settings,
        .system = system,
        .scratch = DefaultScratchFolders(),
        .version = ReadAppVersion(instance).value_or(
            AppVersion{kVersionMajor, kVersionMinor, kVersionRevision}),
    });

    window.Attach(form);
    clipboard.SetOwner(window.Hwnd());
    clipboard.SetAfterDone([&window] { window.Refresh(); });
    hotkey.SetWindow(window.Hwnd());
    tray.SetWindow(window.Hwnd());
    messageBox.SetOwner(window.Hwnd());
    window.Load();
    return window.Run();
}
