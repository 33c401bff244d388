#pragma once

// The notification area, through the single-byte Shell_NotifyIconA and the one
// record the program keeps between calls: uID 1, the window's handle, the
// program's own callback message, the tip " Textmend " padded with blanks to the
// field's end. Adding writes the whole record (uFlags message, icon and tip);
// a change writes only the icon (uFlags icon). cbSize is the record's first form,
// which every shell accepts.

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <optional>

#include "ports/TrayPort.h"
#include "win32/AppMessages.h"

namespace textmend {

// The program's event for a mouse message over the icon: the left button's
// release and double click activate, the right button's release opens the menu;
// every other message (moves, presses, the middle button) is none.
std::optional<TrayEvent> TrayEventOf(UINT mouseMessage);

struct TrayIcons {
    HICON normal = nullptr;
    HICON autoprocess = nullptr;
};

class Win32Tray : public TrayPort {
  public:
    // window: the window the icon's messages go to.
    Win32Tray(TrayIcons icons, HWND window) : icons_(icons), window_(window) {}

    bool Available() override;
    bool Add(TrayImage image, const std::string& tip) override;
    bool Change(TrayImage image) override;
    void Remove() override;

    // The record as the last call left it.
    const NOTIFYICONDATAA& Record() const { return record_; }

  private:
    bool Notify(DWORD message);

    TrayIcons icons_;
    HWND window_;
    NOTIFYICONDATAA record_{};
};

}  // namespace textmend
