// textmend.exe: the Windows program. Builds the platform services, hands them to
// the main window's form and runs the window until the form unloads.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "engine/LinePass.h"
#include "settings/RegistrySettings.h"
#include "textmend/version.h"
#include "ui/frmMain.h"
#include "win32/MainWindow.h"
#include "win32/ResourceIds.h"
#include "win32/VersionResource.h"
#include "win32/WidgetProbe.h"
#include "win32/Win32Alerts.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32Hotkey.h"
#include "win32/Win32Keyboard.h"
#include "win32/Win32System.h"
#include "win32/Win32Tray.h"

namespace {

textmend::TrayIcons LoadTrayIcons(HINSTANCE instance) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    auto load = [&](int id) {
        return static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
    };
    return {load(IDI_TEXTMEND), load(IDI_TEXTMEND_AUTOPROCESS)};
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
        .settings = settings,
        .system = system,
        .scratch = DefaultScratchFolders(),
        .version = ReadAppVersion(instance).value_or(
            AppVersion{kVersionMajor, kVersionMinor, kVersionRevision}),
    });

    window.Attach(form);
    clipboard.SetOwner(window.Hwnd());
    hotkey.SetWindow(window.Hwnd());
    tray.SetWindow(window.Hwnd());
    messageBox.SetOwner(window.Hwnd());
    window.Load();
    return window.Run();
}
