#pragma once

#include <cstdint>
#include <string>

namespace textmend {

// Simple one-to-one Unicode case mappings over UTF-8 text, identical everywhere and
// independent of the process locale. Invalid UTF-8 bytes pass through unchanged.
std::string ToUpper(const std::string& temp);
std::string ToLower(const std::string& temp);
// First character of every word upper case, every other letter lower case; words are
// separated by NUL, tab, LF, VT, FF, CR and space only.
std::string ToProper(const std::string& temp);

// Whether a and b are equal apart from letter case by these mappings: the same text, or
// the same text in lower case. Equal texts can differ in length (the Kelvin sign and k).
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// The upper- and lower-case forms of one code point (the code point itself when it has none).
char32_t UpperOf(char32_t c);
char32_t LowerOf(char32_t c);

}  // namespace textmend
