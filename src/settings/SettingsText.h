#pragma once

#include <optional>
#include <string_view>

#include "engine/OptionSet.h"

namespace textmend {

// How the stored texts read. Each gives nothing for a text its rule cannot read,
// and the caller then keeps the value the option had.

// A truth text: True or False in any letter case, or a decimal number (see
// DecimalText.h), zero being false and every other number true.
std::optional<bool> ReadTruthText(std::string_view text);

// A check-state text: a decimal number rounded half to even, read only when the
// result is 0, 1 or 2. With acceptExactWords the exact texts "False" and "True"
// (that letter case only) first stand for "0" and "1"; only Remove returns stores
// its state that way, so only its key accepts them.
std::optional<CheckState> ReadCheckStateText(std::string_view text, bool acceptExactWords);

}  // namespace textmend
