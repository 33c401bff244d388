#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "MemorySettings.h"
#include "engine/OptionSet.h"
#include "settings/SettingsBackend.h"

namespace textmend {

inline constexpr std::uint32_t kCurrentUser = 0x80000001u;

// The key path of one setting, written out by hand from the storage layout.
inline std::string SettingKey(std::string_view keyName) {
    return "Software\\Textmend\\" + std::string(keyName);
}

// Stores a text under one setting's key, the way the program would find it.
inline void StoreText(MemorySettings& store, std::string_view keyName, std::string text) {
    store.Store(kCurrentUser, SettingKey(keyName), "String",
                {MemorySettings::kTextType, std::move(text)});
}

inline std::string StoredText(const MemorySettings& store, std::string_view keyName) {
    const auto value = store.Find(kCurrentUser, SettingKey(keyName), "String");
    return value ? value->data : "<missing>";
}

// Remembers every call, in order, and hands reads on to a store behind it.
class RecordingBackend : public SettingsBackend {
  public:
    struct Call {
        bool isWrite = false;
        std::uint32_t root = 0;
        std::string keyPath;
        std::string valueName;
        std::string text;  // the text written; empty for reads

        friend bool operator==(const Call&, const Call&) = default;
    };

    std::string ReadValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName) override {
        calls.push_back({false, root, keyPath, valueName, ""});
        return store.ReadValue(root, keyPath, valueName);
    }
    void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) override {
        calls.push_back({true, root, keyPath, valueName, text});
        store.WriteValue(root, keyPath, valueName, text);
    }

    MemorySettings store;
    std::vector<Call> calls;
};

inline std::ostream& operator<<(std::ostream& out, const RecordingBackend::Call& call) {
    return out << (call.isWrite ? "write " : "read ") << std::hex << call.root << std::dec << " "
               << call.keyPath << " / " << call.valueName << " = \"" << call.text << "\"";
}

inline std::ostream& operator<<(std::ostream& out, CaseMode mode) {
    switch (mode) {
        case CaseMode::None:
            return out << "None";
        case CaseMode::Cleanse:
            return out << "Cleanse";
        case CaseMode::Upper:
            return out << "Upper";
        case CaseMode::Lower:
            return out << "Lower";
        case CaseMode::Proper:
            return out << "Proper";
    }
    return out << "CaseMode(" << static_cast<int>(mode) << ")";
}

inline std::ostream& operator<<(std::ostream& out, CheckState state) {
    return out << static_cast<int>(state);
}

inline std::ostream& operator<<(std::ostream& out, const OptionSet& o) {
    return out << "{case " << o.caseMode << ", remgt " << o.remgt << ", dblspc " << o.dblspc
               << ", sentence " << o.sentence << ", noblanks " << o.noblanks << ", trimcr "
               << o.trimcr << ", remcrs " << o.remcrs << ", remcrdbl " << o.remcrdbl
               << ", invisible " << o.invisible << ", plainpunct " << o.plainpunct << ", joinwords "
               << o.joinwords << ", trimspaces " << o.trimspaces << ", keeplists " << o.keeplists
               << ", start " << o.start << ", autoprocess " << o.autoprocess << "}";
}

}  // namespace textmend
