#pragma once

// The narrow interfaces through which the windows reach the outside world. Each
// front end supplies one implementation of each; the tests supply fakes.
// Every failure a port reports is thrown as a StepError (number and description).

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/StepError.h"
#include "settings/SettingsBackend.h"

namespace textmend {

// The system clipboard, plain text only. Text is UTF-8 with CR LF (or lone CR)
// line breaks, whatever the platform uses natively.
class ClipboardPort {
  public:
    virtual ~ClipboardPort() = default;
    virtual bool HasText() = 0;
    virtual std::string ReadText() = 0;
    virtual void Empty() = 0;
    virtual void PutText(const std::string& text) = 0;
    // Whether the program that copied the current content marked it secret.
    virtual bool IsSecret() = 0;
};

// A modal message box with an OK button only and no icon.
class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    virtual void Show(const std::string& text, const std::string& title) = 0;
};

// The platform's default alert sound.
class BeepPort {
  public:
    virtual ~BeepPort() = default;
    virtual void Beep() = 0;
};

enum class TrayImage : std::uint8_t { Normal, Autoprocess };
enum class TrayMessage : std::uint8_t { Add = 0, Modify = 1, Delete = 2 };

// The message the notification area sends the main window for each mouse event
// over the icon (the event's own message in lParam). It is one of the program's
// own messages (WM_APP + 1), so no ordinary window message ever reads as an icon event.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8001;

// The mouse events over the icon that the main window acts on (frmMain::TrayEvent).
inline constexpr std::uint32_t kTrayLeftButtonUp = 0x202;
inline constexpr std::uint32_t kTrayLeftDoubleClick = 0x203;
inline constexpr std::uint32_t kTrayRightButtonUp = 0x205;

// The notification-area icon record the main window keeps between calls.
struct TrayIconData {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    TrayImage hIcon = TrayImage::Normal;
    char szTip[64] = {};
};

// The notification area.
class TrayPort {
  public:
    virtual ~TrayPort() = default;
    // Whether a notification area exists right now.
    virtual bool Available() = 0;
    // Adds, changes or removes the icon the record describes; false when the
    // notification area refused.
    virtual bool Notify(TrayMessage message, const TrayIconData& record) = 0;
};

enum class WindowState : std::uint8_t { Normal = 0, Minimized = 1 };

struct TwipSize {
    double width = 0;
    double height = 0;
};

// One top-level window of the program as the platform shows it. Positions and
// sizes are in twips; the front end converts them to its own units.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
    virtual std::uintptr_t Handle() = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void SetState(WindowState state) = 0;
    virtual void SetForeground() = 0;
    virtual void Move(double leftTwips, double topTwips) = 0;
    virtual TwipSize ScreenSize() = 0;
    virtual TwipSize OuterSize() = 0;
    // Brings every widget up to date with its form's state and paints at once.
    virtual void Repaint() = 0;
};

// Timers that tick on the window's thread.
class TimerPort {
  public:
    virtual ~TimerPort() = default;
    virtual void Start(std::string_view timerName, int intervalMs) = 0;
    virtual void Stop(std::string_view timerName) = 0;
};

class frmHelp;
class frmAbout;

// What the main window asks of the program around it: the popup menu, the
// modal dialogs and the end of the program.
class ShellPort {
  public:
    virtual ~ShellPort() = default;
    // Opens the popup menu mnu_1 at the mouse pointer; returns when it closes,
    // after the chosen item's handler has run.
    virtual void PopupMenu() = 0;
    // Shows the dialog modally; returns once the dialog has unloaded itself.
    virtual void ShowModal(frmHelp& dialog) = 0;
    virtual void ShowModal(frmAbout& dialog) = 0;
    // Ends the program at once (the main window has already unloaded).
    virtual void EndProgram() = 0;
};

// Read access to the machine's registry-like store that locates the
// system-information tool. Results are Windows error codes (0 success).
class SystemRegistryPort {
  public:
    virtual ~SystemRegistryPort() = default;
    virtual std::int32_t OpenKeyForReading(std::uint32_t root, const std::string& keyName,
                                           std::uintptr_t& key) = 0;
    // Reads at most capacity bytes; sets type and the bytes stored.
    virtual std::int32_t QueryValue(std::uintptr_t key, const std::string& valueName,
                                    std::uint32_t& type, std::string& data,
                                    std::uint32_t capacity) = 0;
    virtual void CloseKey(std::uintptr_t key) = 0;
};

// Files and programs.
class SystemPort {
  public:
    virtual ~SystemPort() = default;
    // Whether path names a normal file (not hidden, not a system file, not a folder).
    virtual bool IsNormalFile(const std::string& path) = 0;
    // Starts the program at path in a normal window with the focus; does not wait.
    virtual void StartProgram(const std::string& path) = 0;
};

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;

}  // namespace textmend
