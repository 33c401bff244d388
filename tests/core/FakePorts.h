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
#include "ui/Ports.h"

namespace textmend::testing {

using Journal = std::vector<std::string>;

class FakeClipboard : public ClipboardPort {
  public:
    explicit FakeClipboard(Journal& journal) : journal_(journal) {}

    // What another program does: replaces the content.
    void Copy(std::string text, bool secret = false) {
        text_ = std::move(text);
        secret_ = secret;
    }
    void CopyPicture() {
        text_.reset();
        secret_ = false;
    }
    const std::optional<std::string>& Text() const { return text_; }

    bool HasText() override;
    std::string ReadText() override;
    void Empty() override;
    void PutText(const std::string& text) override;
    bool IsSecret() override;

    std::optional<StepError> failHasText, failRead, failEmpty, failPut, failIsSecret;
    int puts = 0;

  private:
    Journal& journal_;
    std::optional<std::string> text_;
    bool secret_ = false;
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

class FakeTray : public TrayPort {
  public:
    explicit FakeTray(Journal& journal) : journal_(journal) {}
    bool Available() override { return available; }
    bool Notify(TrayMessage message, const TrayIconData& record) override;

    bool available = true;
    bool accept = true;
    std::vector<std::pair<TrayMessage, TrayIconData>> calls;
    // The images shown by the changes, in order.
    std::vector<TrayImage> changes;

  private:
    Journal& journal_;
};

class FakeWindow : public WindowPort {
  public:
    explicit FakeWindow(Journal& journal) : journal_(journal) {}
    std::uintptr_t Handle() override { return handle; }
    void Show() override;
    void Hide() override;
    void SetState(WindowState state) override;
    void SetForeground() override { journal_.push_back("foreground"); }
    void Move(double left, double top) override;
    TwipSize ScreenSize() override { return screen; }
    TwipSize OuterSize() override { return outer; }
    void Repaint() override { journal_.push_back("repaint"); }

    std::uintptr_t handle = 0x5150;
    TwipSize screen{28800, 16200};  // 1920 x 1080 pixels at 96 dpi
    TwipSize outer{5085, 4725};
    bool visible = false;
    WindowState state = WindowState::Normal;
    std::optional<std::pair<double, double>> position;

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

  private:
    Journal& journal_;
    std::set<std::string, std::less<>> running_;
};

class FakeShell : public ShellPort {
  public:
    explicit FakeShell(Journal& journal) : journal_(journal) {}
    void PopupMenu() override;
    void ShowModal(frmHelp& dialog) override;
    void ShowModal(frmAbout& dialog) override;
    void EndProgram() override { journal_.push_back("end program"); }

    // What the user does while the popup menu or a dialog is open.
    std::function<void()> onPopup;
    std::function<void(frmHelp&)> onHelp;
    std::function<void(frmAbout&)> onAbout;

  private:
    Journal& journal_;
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

class FakeRegistry : public SystemRegistryPort {
  public:
    struct Value {
        std::uint32_t type;
        std::string data;
    };
    // A key that can be opened, with its values.
    void AddKey(std::uint32_t root, const std::string& keyName,
                std::map<std::string, Value> values = {}) {
        keys_[{root, keyName}] = std::move(values);
    }

    std::int32_t OpenKeyForReading(std::uint32_t root, const std::string& keyName,
                                   std::uintptr_t& key) override;
    std::int32_t QueryValue(std::uintptr_t key, const std::string& valueName, std::uint32_t& type,
                            std::string& data, std::uint32_t capacity) override;
    void CloseKey(std::uintptr_t key) override;

    std::vector<std::string> opened;  // key names, in order
    int openKeys = 0;                 // opened and not yet closed

  private:
    std::map<std::pair<std::uint32_t, std::string>, std::map<std::string, Value>> keys_;
    std::map<std::uintptr_t, std::pair<std::uint32_t, std::string>> handles_;
    std::uintptr_t nextHandle_ = 0x100;
};

class FakeSystem : public SystemPort {
  public:
    bool IsNormalFile(const std::string& path) override { return normalFiles.contains(path); }
    // Starts only programs that exist as normal files, like the real thing.
    void StartProgram(const std::string& path) override;

    std::set<std::string> normalFiles;
    std::vector<std::string> started;
};

}  // namespace textmend::testing
