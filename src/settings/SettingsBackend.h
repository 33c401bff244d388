#pragma once

#include <cstdint>
#include <string>

namespace textmend {

// The root every setting is stored under: the current user's hive.
inline constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;

// A key/value store of texts: one key a setting, one text value in each key.
class SettingsBackend {
  public:
    virtual ~SettingsBackend() = default;
    // The stored text, or the empty text when there is nothing usable. Never fails.
    virtual std::string ReadValue(std::uint32_t root, const std::string& keyPath,
                                  const std::string& valueName) = 0;
    // Creates the key when missing and stores text. A failure is lost without a word.
    virtual void WriteValue(std::uint32_t root, const std::string& keyPath,
                            const std::string& valueName, const std::string& text) = 0;
};

}  // namespace textmend
