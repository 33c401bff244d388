#include "win32/Win32Shell.h"

#include <string>

#include "forms/DialogForm.h"
#include "win32/DialogWindow.h"
#include "win32/Win32Window.h"

namespace textmend {

Win32Shell::Win32Shell(HINSTANCE instance, MainWindow& window, WidgetProbe& probe, EventGuard guard,
                       std::function<void(std::string_view)> choose, std::function<void()> quit)
    : instance_(instance),
      window_(window),
      probe_(probe),
      guard_(std::move(guard)),
      choose_(std::move(choose)),
      quit_(std::move(quit)) {}

void Win32Shell::PopupMenu() {
    window_.Refresh();  // the marks as the form has them now
    const std::string_view name = window_.TrackPopup("mnu_1");
    if (!name.empty()) {
        choose_(name);
    }
}

void Win32Shell::ShowModal(DialogForm& dialog) {
    DialogWindow window(
        instance_, dialog.Layout(), [&dialog] { dialog.Form_Unload(); }, guard_, &probe_);
    window.Create(dialog, window_.Hwnd());
    Win32Window port(window);
    dialog.Form_Load(port);
    window.Refresh();
    window.RunModal(window_.Hwnd());
    probe_.Remove(std::string(dialog.Layout().name));
    window_.Refresh();
}

void Win32Shell::EndProgram() {
    quit_();
}

}  // namespace textmend
