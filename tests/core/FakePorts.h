#pragma once

// Recording fakes for every port the windows use. Each can be told to fail
// with a StepError; all of them write what they are asked into one shared
// journal, so tests can check the order of events across ports.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "MemorySettings.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmHotkey.h"
#include "ports/AlertPorts.h"
#include "ports/AutostartPort.h"
#include "ports/ClipboardPort.h"
#include "ports/HotkeyPort.h"
#include "ports/ShellPort.h"
#include "ports/SystemPort.h"
#include "ports/TimerPort.h"
#include "ports/TrayPort.h"
#include "ports/WindowPort.h"

namespace textmend::testing {

using Journal = std::vector<std::string>;

// Answers at once unless told to hold its reads or writes back; then Finish*
// answers, as a transfer that completes later does.
class FakeClipboard : public ClipboardPort {
  public:
    explicit FakeClipboard(Journal& journal) : journal_(journal) {}

    // What another program does: replaces the content.
    void Copy(std::string text, bool secret = false) {
        text_ = std::move(text);
        secret_ = secret;
        ++changes_;
    }
    void CopyPicture() {
        text_.reset();
        secret_ = false;
        ++changes_;
    }
    const std::optional<std::string>& Text() const { return text_; }

    std::uint64_t ChangeCount() override { return changes_; }
    void Read(ReadDone done) override;
    void Write(std::string text, bool secret, WriteDone done) override;

    // Answers the read held back with the content the clipboard held when the
    // read began, as a real transfer does.
    void FinishRead();
    void FinishWrite();
    bool ReadPending() const { return static_cast<bool>(heldRead_); }

    std::optional<StepError> failRead, failEmpty, failPut;
    bool holdReads = false;
    bool holdWrites = false;
    int reads = 0;
    int puts = 0;
    bool lastPutSecret = false;  // the last put carried the secret mark

  private:
    ClipboardContent Content() const;
    void Replace(const std::string& text, bool secret, const WriteDone& done);

    Journal& journal_;
    std::optional<std::string> text_;
    bool secret_ = false;
    std::uint64_t changes_ = 0;
    ReadDone heldRead_;
    ClipboardContent heldContent_;
    std::function<void()> heldWrite_;
};

class FakeMessageBox : public MessageBoxPort {
  public:
    void Show(const std::string& text, const std::string& title) override {
        shown.emplace_back(text, title);
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

class FakeBeep : public BeepPort {
  public:
    explicit FakeBeep(Journal& journal) : journal_(journal) {}
    void Beep() override {
        journal_.push_back("beep");
        ++beeps;
    }
    int beeps = 0;

  private:
    Journal& journal_;
};

// Like a real notification area: no icon without an area or when it refuses, no
// second icon while one is shown, and no change to an icon that is not there.
class FakeTray : public TrayPort {
  public:
    explicit FakeTray(Journal& journal) : journal_(journal) {}
    bool Available() override { return available; }
    bool Add(TrayImage image, const std::string& tip) override;
    bool Change(TrayImage image) override;
    void Remove() override;

    // The notification area goes away (a crashed panel), taking the icon with it.
    void Vanish() {
        available = false;
        shown = false;
    }

    bool available = true;
    bool accept = true;
    bool shown = false;
    TrayImage image = TrayImage::Normal;
    std::string tip;
    int adds = 0;  // the adds the area took
    // The images shown by the changes the area took, in order.
    std::vector<TrayImage> changes;

  private:
    Journal& journal_;
};

class FakeWindow : public WindowPort {
  public:
    explicit FakeWindow(Journal& journal) : journal_(journal) {}
    void Show() override;
    void Hide() override;
    void SetState(WindowState state) override;
    void SetForeground() override { journal_.push_back("foreground"); }
    void Move(double left, double top) override;
    TwipSize ScreenSize() override { return screen; }
    TwipSize OuterSize() override { return outer; }
    void Repaint() override { journal_.push_back("repaint"); }

    TwipSize screen{28800, 16200};  // 1920 x 1080 pixels at 96 dpi
    TwipSize outer{5085, 4725};
    bool visible = false;
    WindowState state = WindowState::Normal;
    std::optional<std::pair<double, double>> position;
    // Where the platform places windows itself (Wayland), Move is refused.
    std::optional<StepError> failMove;

  private:
    Journal& journal_;
};

class FakeTimers : public TimerPort {
  public:
    explicit FakeTimers(Journal& journal) : journal_(journal) {}
    void Start(std::string_view timerName, int intervalMs) override;
    void Stop(std::string_view timerName) override;
    bool Running(const std::string& name) const { return running_.contains(name); }
    int starts = 0;
    std::set<std::string> failStarts;  // the timers that fail to start

  private:
    Journal& journal_;
    std::set<std::string, std::less<>> running_;
};

class FakeShell : public ShellPort {
  public:
    explicit FakeShell(Journal& journal) : journal_(journal) {}
    void PopupMenu() override;
    void ShowModal(DialogForm& dialog) override;
    void EndProgram() override { journal_.push_back("end program"); }

    // What the user does while the popup menu or a dialog is open.
    std::function<void()> onPopup;
    std::function<void(frmHelp&)> onHelp;
    std::function<void(frmAbout&)> onAbout;
    std::function<void(frmHotkey&)> onHotkey;

  private:
    Journal& journal_;
};

// Holds one combination at a time, like the platforms; those in others is in
// use by other programs.
class FakeHotkey : public HotkeyPort {
  public:
    explicit FakeHotkey(Journal& journal) : journal_(journal) {}
    Grab Register(const Hotkey& hotkey) override;
    void Unregister() override;
    bool ModifiersDown() override { return modifiersDown; }
    void ReleaseModifiers() override;
    Holder HeldBy() override { return holder; }

    Holder holder = Holder::Program;
    std::set<std::string> inOthers;
    std::set<std::string> refused;    // refused by the platform, thrown as StepError
    std::optional<std::string> held;  // the combination's text
    bool modifiersDown = false;

  private:
    Journal& journal_;
};

class FakeKeyboard : public KeyboardPort {
  public:
    explicit FakeKeyboard(Journal& journal) : journal_(journal) {}
    std::uintptr_t FocusedWindow() override { return focused; }
    void Paste(std::uintptr_t window) override;

    std::uintptr_t focused = 0x4711;
    std::optional<StepError> failPaste;
    bool cannotType = false;  // the desktop lets the program type nowhere
    // The windows pasted into, in order.
    std::vector<std::uintptr_t> pastes;
    std::function<void()> onPaste;  // what the desktop does as the keys are typed

  private:
    Journal& journal_;
};

class FakeNotice : public NoticePort {
  public:
    void Notify(const std::string& text) override { notices.push_back(text); }

    std::vector<std::string> notices;
};

class FakeAutostart : public AutostartPort {
  public:
    bool IsEnabled() override {
        if (failRead) {
            throw *failRead;
        }
        return enabled;
    }
    void Enable() override { Set(true); }
    void Disable() override { Set(false); }

    bool enabled = false;
    std::optional<StepError> failRead, failWrite;

  private:
    void Set(bool value) {
        if (failWrite) {
            throw *failWrite;
        }
        enabled = value;
    }
};

// The in-memory store, with every write also noted in the journal.
class JournalSettings : public MemorySettings {
  public:
    explicit JournalSettings(Journal& journal) : journal_(journal) {}
    void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) override;
    // The texts written, by key name under "Software\Textmend\".
    std::map<std::string, std::string> written;
    void StoreText(const std::string& keyName, const std::string& text);

  private:
    Journal& journal_;
};

class FakeSystem : public SystemPort {
  public:
    std::optional<std::string> FindSysInfoTool() override {
        if (failFind) {
            throw *failFind;
        }
        return sysInfoTool;
    }
    // Starts only programs that exist, like the real thing.
    void StartProgram(const std::string& path) override;

    std::optional<std::string> sysInfoTool;
    std::optional<StepError> failFind;
    std::set<std::string> programs;
    std::vector<std::string> started;
};

}  // namespace textmend::testing
