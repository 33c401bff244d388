#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "settings/SettingsBackend.h"

namespace textmend {

// A settings store held in memory, for tests. It reads the way the
// registry does: only a text value gives text, and a text stored with a NUL reads
// as what comes before the NUL. Values of other types can be stored to try that.
class MemorySettings : public SettingsBackend {
  public:
    // The type codes the registry uses for a text and for a 32-bit number.
    static constexpr std::uint32_t kTextType = 1;
    static constexpr std::uint32_t kNumberType = 4;

    struct StoredValue {
        std::uint32_t type = kTextType;
        std::string data;

        friend bool operator==(const StoredValue&, const StoredValue&) = default;
    };

    std::string ReadValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName) override;
    void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) override;

    // Stores a value of any type, byte for byte.
    void Store(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
               StoredValue value);
    std::optional<StoredValue> Find(std::uint32_t root, const std::string& keyPath,
                                    const std::string& valueName) const;
    std::size_t Count() const { return values_.size(); }

  private:
    using Location = std::tuple<std::uint32_t, std::string, std::string>;
    std::map<Location, StoredValue> values_;
};

}  // namespace textmend
