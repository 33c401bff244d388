#include "FakePorts.h"

namespace textmend::testing {

bool FakeClipboard::HasText() {
    if (failHasText) {
        throw *failHasText;
    }
    return text_.has_value();
}

std::string FakeClipboard::ReadText() {
    if (failRead) {
        throw *failRead;
    }
    journal_.push_back("clipboard read");
    return text_.value_or("");
}

void FakeClipboard::Empty() {
    journal_.push_back("clipboard empty");
    if (failEmpty) {
        throw *failEmpty;
    }
    CopyPicture();
}

void FakeClipboard::PutText(const std::string& text) {
    journal_.push_back("clipboard put " + text);
    if (failPut) {
        throw *failPut;
    }
    ++puts;
    Copy(text);
}

bool FakeClipboard::IsSecret() {
    if (failIsSecret) {
        throw *failIsSecret;
    }
    return secret_;
}

bool FakeTray::Notify(TrayMessage message, const TrayIconData& record) {
    static constexpr const char* kNames[] = {"add", "modify", "delete"};
    journal_.push_back(std::string("tray ") + kNames[static_cast<int>(message)]);
    calls.emplace_back(message, record);
    if (message == TrayMessage::Modify) {
        changes.push_back(record.hIcon);
    }
    return accept;
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
    position = {left, top};
}

void FakeTimers::Start(std::string_view timerName, int intervalMs) {
    journal_.push_back("start " + std::string(timerName) + " " + std::to_string(intervalMs));
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

void FakeShell::ShowModal(frmHelp& dialog) {
    journal_.push_back("help");
    if (onHelp) {
        onHelp(dialog);
    }
}

void FakeShell::ShowModal(frmAbout& dialog) {
    journal_.push_back("about");
    if (onAbout) {
        onAbout(dialog);
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

std::int32_t FakeRegistry::OpenKeyForReading(std::uint32_t root, const std::string& keyName,
                                             std::uintptr_t& key) {
    constexpr std::int32_t kFileNotFound = 2;
    auto found = keys_.find({root, keyName});
    if (found == keys_.end()) {
        return kFileNotFound;
    }
    opened.push_back(keyName);
    ++openKeys;
    key = nextHandle_++;
    handles_[key] = found->first;
    return 0;
}

std::int32_t FakeRegistry::QueryValue(std::uintptr_t key, const std::string& valueName,
                                      std::uint32_t& type, std::string& data,
                                      std::uint32_t capacity) {
    constexpr std::int32_t kFileNotFound = 2;
    constexpr std::int32_t kMoreData = 234;
    auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return 6;  // invalid handle
    }
    const auto& values = keys_.at(handle->second);
    auto value = values.find(valueName);
    if (value == values.end()) {
        return kFileNotFound;
    }
    type = value->second.type;
    if (value->second.data.size() > capacity) {
        return kMoreData;
    }
    data = value->second.data;
    return 0;
}

void FakeRegistry::CloseKey(std::uintptr_t key) {
    if (handles_.erase(key) == 1) {
        --openKeys;
    }
}

void FakeSystem::StartProgram(const std::string& path) {
    if (!normalFiles.contains(path)) {
        throw StepError(2, "The system cannot find the file specified.");
    }
    started.push_back(path);
}

}  // namespace textmend::testing
