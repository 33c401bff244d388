#include "settings/Settings.h"

#include <optional>
#include <string>
#include <string_view>

#include "settings/SettingsText.h"

namespace textmend {
namespace {

// Every setting is its own key under this path, holding one text value "String".
constexpr std::string_view kKeyPathPrefix = "Software\\Textmend\\";
constexpr std::string_view kValueName = "String";

std::string KeyPath(std::string_view keyName) {
    return std::string(kKeyPathPrefix) + std::string(keyName);
}

std::string Read(SettingsBackend& backend, std::string_view keyName) {
    return backend.ReadValue(kHkeyCurrentUser, KeyPath(keyName), std::string(kValueName));
}

void Write(SettingsBackend& backend, std::string_view keyName, std::string_view text) {
    backend.WriteValue(kHkeyCurrentUser, KeyPath(keyName), std::string(kValueName),
                       std::string(text));
}

// A case key reading true makes its case the choice; reading false it clears the
// choice only when its own case is the one chosen, so with one "True" and three
// "False" stored the saved case comes back whatever order they are read in.
void LoadCaseKey(SettingsBackend& backend, std::string_view keyName, CaseMode ownCase,
                 CaseMode& choice) {
    const std::string text = Read(backend, keyName);
    if (text.empty()) {
        return;
    }
    const auto value = ReadTruthText(text);
    if (!value) {
        return;
    }
    if (*value) {
        choice = ownCase;
    } else if (choice == ownCase) {
        choice = CaseMode::None;
    }
}

void LoadFlagKey(SettingsBackend& backend, std::string_view keyName, CheckState& flag,
                 bool acceptExactWords = false) {
    const std::string text = Read(backend, keyName);
    if (text.empty()) {
        return;
    }
    if (const auto state = ReadCheckStateText(text, acceptExactWords)) {
        flag = *state;
    }
}

// A True/False key's value; none when it is missing, empty or unreadable.
std::optional<bool> ReadTruthKey(SettingsBackend& backend, std::string_view keyName) {
    const std::string text = Read(backend, keyName);
    if (text.empty()) {
        return std::nullopt;
    }
    return ReadTruthText(text);
}

void LoadTruthKey(SettingsBackend& backend, std::string_view keyName, bool& setting) {
    if (const auto value = ReadTruthKey(backend, keyName)) {
        setting = *value;
    }
}

void LoadTruthFlagKey(SettingsBackend& backend, std::string_view keyName, CheckState& flag) {
    if (const auto value = ReadTruthKey(backend, keyName)) {
        flag = *value ? CheckState::Set : CheckState::Clear;
    }
}

// The later clean-ups' keys, in their reading and writing order.
struct LaterCleanupKey {
    std::string_view keyName;
    CheckState OptionSet::*flag;
};
constexpr LaterCleanupKey kLaterCleanupKeys[] = {
    {"invisible", &OptionSet::invisible}, {"plainpunct", &OptionSet::plainpunct},
    {"joinwords", &OptionSet::joinwords}, {"trimspaces", &OptionSet::trimspaces},
    {"keeplists", &OptionSet::keeplists},
};

std::string_view TruthText(bool value) {
    return value ? "True" : "False";
}

std::string CheckStateText(CheckState state) {
    return std::to_string(static_cast<int>(state));
}

}  // namespace

void LoadSettings(OptionSet& options, SettingsBackend& backend) {
    LoadCaseKey(backend, "upper", CaseMode::Upper, options.caseMode);
    LoadCaseKey(backend, "lower", CaseMode::Lower, options.caseMode);
    LoadCaseKey(backend, "clean", CaseMode::Cleanse, options.caseMode);
    LoadCaseKey(backend, "proper", CaseMode::Proper, options.caseMode);
    LoadFlagKey(backend, "remcrs", options.remcrs, /*acceptExactWords=*/true);
    LoadFlagKey(backend, "dblspc", options.dblspc);
    LoadFlagKey(backend, "sentence", options.sentence);
    LoadFlagKey(backend, "noblanks", options.noblanks);
    LoadFlagKey(backend, "trimcr", options.trimcr);
    LoadFlagKey(backend, "remcrdbl", options.remcrdbl);
    LoadTruthKey(backend, "start", options.start);
    LoadFlagKey(backend, "remgt", options.remgt);
}

// The writing order differs from the reading order ("proper" before "clean",
// "remgt" before "start"); both are kept as they have always been.
void SaveSettings(const OptionSet& options, SettingsBackend& backend) {
    Write(backend, "upper", TruthText(options.caseMode == CaseMode::Upper));
    Write(backend, "lower", TruthText(options.caseMode == CaseMode::Lower));
    Write(backend, "proper", TruthText(options.caseMode == CaseMode::Proper));
    Write(backend, "clean", TruthText(options.caseMode == CaseMode::Cleanse));
    Write(backend, "remcrs", CheckStateText(options.remcrs));
    Write(backend, "dblspc", CheckStateText(options.dblspc));
    Write(backend, "sentence", CheckStateText(options.sentence));
    Write(backend, "noblanks", CheckStateText(options.noblanks));
    Write(backend, "trimcr", CheckStateText(options.trimcr));
    Write(backend, "remcrdbl", CheckStateText(options.remcrdbl));
    Write(backend, "remgt", CheckStateText(options.remgt));
    Write(backend, "start", TruthText(options.start));
}

std::optional<Hotkey> LoadHotkey(SettingsBackend& backend) {
    std::optional<Hotkey> hotkey = ParseHotkey(Read(backend, "hotkey"));
    if (hotkey && TypedByPaste(*hotkey)) {
        return std::nullopt;
    }
    return hotkey;
}

void SaveHotkey(const std::optional<Hotkey>& hotkey, SettingsBackend& backend) {
    Write(backend, "hotkey", hotkey ? HotkeyText(*hotkey) : std::string());
}

void LoadLaterCleanups(OptionSet& options, SettingsBackend& backend) {
    for (const LaterCleanupKey& key : kLaterCleanupKeys) {
        LoadTruthFlagKey(backend, key.keyName, options.*key.flag);
    }
}

void SaveLaterCleanups(const OptionSet& options, SettingsBackend& backend) {
    for (const LaterCleanupKey& key : kLaterCleanupKeys) {
        Write(backend, key.keyName, TruthText(IsSet(options.*key.flag)));
    }
}

}  // namespace textmend
