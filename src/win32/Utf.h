#pragma once

// Conversions between the engine's UTF-8 and the UTF-16 of the wide Windows calls.

#include <string>
#include <string_view>

namespace textmend {

// Invalid UTF-8 sequences become U+FFFD each.
std::wstring Utf8ToWide(std::string_view utf8);
// Unpaired surrogates become U+FFFD each.
std::string WideToUtf8(std::wstring_view wide);

}  // namespace textmend
