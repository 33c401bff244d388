#pragma once

// The notification area, through the single-byte Shell_NotifyIconA and its record.

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "ui/Ports.h"

namespace textmend {

// The images the record's icon field stands for.
struct TrayIcons {
    HICON normal = nullptr;
    HICON autoprocess = nullptr;
};

// Fills the shell's record from the core's. The core sizes its record by the
// first form of a 32-bit program (88 bytes); a 64-bit program's first form is
// NOTIFYICONDATAA_V1_SIZE, and the shell refuses any size it does not know.
NOTIFYICONDATAA ToNotifyIconData(const TrayIconData& record, const TrayIcons& icons);

class Win32Tray : public TrayPort {
  public:
    explicit Win32Tray(TrayIcons icons) : icons_(icons) {}
    bool Available() override;
    bool Notify(TrayMessage message, const TrayIconData& record) override;

  private:
    TrayIcons icons_;
};

}  // namespace textmend
