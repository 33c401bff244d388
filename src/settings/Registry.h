#pragma once

#include <cstdint>
#include <string>

namespace textmend::Registry {

// The stored text of a REG_SZ value, or the empty text when the key or the value
// is missing, the value has another type or cannot be read. Never fails. A text
// stored with a terminating NUL reads as the text before it.
std::string ReadValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName);

// Creates the key path when it is missing and stores text as a REG_SZ value of
// exactly its length, with no terminating NUL. A failure is lost without a word.
void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                const std::string& text);

}  // namespace textmend::Registry
