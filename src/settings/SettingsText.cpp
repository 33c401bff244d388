#include "settings/SettingsText.h"

#include <algorithm>

#include "settings/DecimalText.h"

namespace textmend {
namespace {

// ASCII only: std::tolower follows the locale, and in a Turkish one "TRUE" would
// not lower to "true".
char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerWord) {
    return std::equal(text.begin(), text.end(), lowerWord.begin(), lowerWord.end(),
                      [](char c, char lower) { return AsciiLower(c) == lower; });
}

}  // namespace

std::optional<bool> ReadTruthText(std::string_view text) {
    if (EqualsIgnoringCase(text, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(text, "false")) {
        return false;
    }
    if (const auto number = ParseDecimal(text)) {
        return !IsZero(*number);
    }
    return std::nullopt;
}

std::optional<CheckState> ReadCheckStateText(std::string_view text, bool acceptExactWords) {
    if (acceptExactWords && text == "False") {
        return CheckState::Clear;
    }
    if (acceptExactWords && text == "True") {
        return CheckState::Set;
    }
    const auto number = ParseDecimal(text);
    if (!number) {
        return std::nullopt;
    }
    switch (RoundHalfToEven(*number).value_or(-1)) {
        case 0:
            return CheckState::Clear;
        case 1:
            return CheckState::Set;
        case 2:
            return CheckState::Grayed;
        default:
            return std::nullopt;
    }
}

}  // namespace textmend
