#include "settings/DecimalText.h"

#include <algorithm>
#include <cstddef>

namespace textmend {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view TakeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count])) {
        ++count;
    }
    std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

bool AllZeros(std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

}  // namespace

std::optional<DecimalNumber> ParseDecimal(std::string_view text) {
    text = TrimBlanks(text);
    DecimalNumber number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    number.whole = TakeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        number.fraction = TakeDigits(text);
    }
    if (!text.empty() || (number.whole.empty() && number.fraction.empty())) {
        return std::nullopt;
    }
    return number;
}

bool IsZero(const DecimalNumber& number) {
    return AllZeros(number.whole) && AllZeros(number.fraction);
}

std::optional<std::int64_t> RoundHalfToEven(const DecimalNumber& number) {
    std::string_view whole = number.whole;
    while (!whole.empty() && whole.front() == '0') {
        whole.remove_prefix(1);
    }
    if (whole.size() > 18) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (char digit : whole) {
        magnitude = magnitude * 10 + (digit - '0');
    }

    if (!number.fraction.empty()) {
        const char first = number.fraction.front();
        const bool restIsZero = AllZeros(number.fraction.substr(1));
        const bool roundUp = first > '5' || (first == '5' && !restIsZero) ||
                             (first == '5' && restIsZero && magnitude % 2 != 0);
        if (roundUp) {
            ++magnitude;
        }
    }
    return number.negative ? -magnitude : magnitude;
}

}  // namespace textmend
