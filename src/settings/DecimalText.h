#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace textmend {

// A decimal number as the stored settings may hold it, split into its parts.
//
// The accepted form is deliberately narrow and the same in every locale:
//   blanks* [+|-] digits [. digits*] blanks*    or    blanks* [+|-] . digits blanks*
// where a blank is a space or a tab and a digit is 0-9. There is no exponent, no
// digit grouping, no comma as decimal point and no hexadecimal form, so "1e0",
// "1,5", "&H1" and "0x1" are not numbers.
struct DecimalNumber {
    bool negative = false;
    std::string_view whole;     // the digits before the point, possibly none
    std::string_view fraction;  // the digits after the point, possibly none
};

std::optional<DecimalNumber> ParseDecimal(std::string_view text);

// True when every digit is 0 ("-0.00" is zero).
bool IsZero(const DecimalNumber& number);

// The nearest whole number, a half going to the even neighbour: 0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -1.5 -> -2. Decided on the digits themselves, so 0.50000000000000001
// rounds up where a double would not. Empty for magnitudes beyond 18 digits.
std::optional<std::int64_t> RoundHalfToEven(const DecimalNumber& number);

}  // namespace textmend
