#include "FakePorts.h"

#include <utility>

namespace textmend::testing {

void FakeClipboard::Read(ReadDone done) {
    journal_.push_back("clipboard read");
    ++reads;
    if (holdReads) {
        heldRead_ = std::move(done);
        heldContent_ = Content();
        return;
    }
    done(failRead ? ClipboardRead{.failure = failRead} : ClipboardRead{.content = Content()});
}

void FakeClipboard::FinishRead() {
    ReadDone done = std::exchange(heldRead_, nullptr);
    done(failRead ? ClipboardRead{.failure = failRead} : ClipboardRead{.content = heldContent_});
}

ClipboardContent FakeClipboard::Content() const {
    return {.hasText = text_.has_value(), .secret = secret_, .text = text_.value_or("")};
}

void FakeClipboard::Write(std::string text, bool secret, WriteDone done) {
    if (holdWrites) {
        heldWrite_ = [this, text = std::move(text), secret, done = std::move(done)] {
            Replace(text, secret, done);
        };
        return;
    }
    Replace(text, secret, done);
}

void FakeClipboard::FinishWrite() {
    std::function<void()> write = std::exchange(heldWrite_, nullptr);
    write();
}

void FakeClipboard::Replace(const std::string& text, bool secret, const WriteDone& done) {
    journal_.push_back("clipboard empty");
    std::optional<StepError> emptyFailure = failEmpty;
    if (!failEmpty) {
        CopyPicture();
    }
    journal_.push_back("clipboard put " + text);
    std::optional<StepError> putFailure = failPut;
    if (!failPut) {
        ++puts;
        lastPutSecret = secret;
        Copy(text, secret);
    }
    done(emptyFailure, putFailure);
}

bool FakeTray::Add(TrayImage newImage, const std::string& newTip) {
    journal_.push_back("tray add");
    if (!available || !accept || shown) {
        return false;
    }
    shown = true;
    image = newImage;
    tip = newTip;
    ++adds;
    return true;
}

bool FakeTray::Change(TrayImage newImage) {
    journal_.push_back("tray change");
    if (!shown) {
        return false;
    }
    image = newImage;
    changes.push_back(newImage);
    return true;
}

void FakeTray::Remove() {
    journal_.push_back("tray remove");
    shown = false;
}

void FakeWindow::Show() {
    journal_.push_back("show");
    visible = true;
}

void FakeWindow::Hide() {
    journal_.push_back("hide");
    visible = false;
}

void FakeWindow::SetState(WindowState newState) {
    journal_.push_back(newState == WindowState::Minimized ? "minimize" : "normal");
    state = newState;
}

void FakeWindow::Move(double left, double top) {
    journal_.push_back("move");
    if (failMove) {
        throw *failMove;
    }
    position = {left, top};
}

void FakeTimers::Start(std::string_view timerName, int intervalMs) {
    journal_.push_back("start " + std::string(timerName) + " " + std::to_string(intervalMs));
    if (failStarts.contains(std::string(timerName))) {
        throw StepError(5, "Access is denied.");
    }
    running_.emplace(timerName);
    ++starts;
}

void FakeTimers::Stop(std::string_view timerName) {
    journal_.push_back("stop " + std::string(timerName));
    running_.erase(std::string(timerName));
}

void FakeShell::PopupMenu() {
    journal_.push_back("popup");
    if (onPopup) {
        onPopup();
    }
}

void FakeShell::ShowModal(DialogForm& dialog) {
    if (auto* help = dynamic_cast<frmHelp*>(&dialog)) {
        journal_.push_back("help");
        if (onHelp) {
            onHelp(*help);
        }
    } else if (auto* about = dynamic_cast<frmAbout*>(&dialog)) {
        journal_.push_back("about");
        if (onAbout) {
            onAbout(*about);
        }
    } else if (auto* hotkey = dynamic_cast<frmHotkey*>(&dialog)) {
        journal_.push_back("hotkey");
        if (onHotkey) {
            onHotkey(*hotkey);
        }
    }
}

void JournalSettings::WriteValue(std::uint32_t root, const std::string& keyPath,
                                 const std::string& valueName, const std::string& text) {
    journal_.push_back("write " + keyPath);
    const std::string prefix = "Software\\Textmend\\";
    if (root == kHkeyCurrentUser && keyPath.starts_with(prefix) && valueName == "String") {
        written[keyPath.substr(prefix.size())] = text;
    }
    MemorySettings::WriteValue(root, keyPath, valueName, text);
}

void JournalSettings::StoreText(const std::string& keyName, const std::string& text) {
    MemorySettings::WriteValue(kHkeyCurrentUser, "Software\\Textmend\\" + keyName, "String", text);
}

void FakeSystem::StartProgram(const std::string& path) {
    if (!programs.contains(path)) {
        throw StepError(2, "The system cannot find the file specified.");
    }
    started.push_back(path);
}

HotkeyPort::Grab FakeHotkey::Register(const Hotkey& hotkey) {
    const std::string text = HotkeyText(hotkey);
    journal_.push_back("hold " + text);
    held.reset();
    if (refused.contains(text)) {
        throw StepError(5, "Access is denied.");
    }
    if (inOthers.contains(text)) {
        return Grab::InUse;
    }
    held = text;
    return Grab::Held;
}

void FakeHotkey::Unregister() {
    journal_.push_back("let go");
    held.reset();
}

void FakeHotkey::ReleaseModifiers() {
    journal_.push_back("release modifiers");
    modifiersDown = false;
}

void FakeKeyboard::Paste(std::uintptr_t window) {
    journal_.push_back("paste");
    if (failPaste) {
        throw *failPaste;
    }
    if (cannotType) {
        throw CannotTypeError(95, "Operation not supported");
    }
    pastes.push_back(window);
    if (onPaste) {
        onPaste();
    }
}

}  // namespace textmend::testing
