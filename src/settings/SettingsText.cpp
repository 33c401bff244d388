#include "settings/SettingsText.h"

#include "settings/AsciiCase.h"
#include "settings/DecimalText.h"

namespace textmend {

std::optional<bool> ReadTruthText(std::string_view text) {
    if (SameAsciiWord(text, "true")) {
        return true;
    }
    if (SameAsciiWord(text, "false")) {
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
