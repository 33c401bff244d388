#pragma once

// Which of the types an offer lists this program reads, and what a password
// manager's mark says.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "x11/SelectionText.h"

namespace textmend {

// Password managers offer this type, reading "secret", with what they copy.
inline constexpr std::string_view kPasswordHint = "x-kde-passwordManagerHint";

// The text types this program reads and offers, best first (X11's targets and
// MIME types share one namespace on Wayland).
inline constexpr TextType kOfferTextTypes[] = {
    {"text/plain;charset=utf-8", TextEncoding::Utf8},
    {"UTF8_STRING", TextEncoding::Utf8},
    {"text/plain", TextEncoding::Utf8},
    {"STRING", TextEncoding::Latin1},
};

// The position in kOfferTextTypes of the best type offered; nothing when the
// offer lists no text type.
std::optional<std::size_t> BestTextType(std::span<const std::string> offered);

// The bytes of text (UTF-8) to serve as type: UTF-8, or for STRING Latin-1 with
// '?' for each character Latin-1 lacks.
std::string TextAsType(std::string_view text, const TextType& type);

// Whether a mark's bytes say "secret" (trailing NULs, line breaks and spaces
// aside).
bool MarkReadsSecret(std::string_view mark);

}  // namespace textmend
