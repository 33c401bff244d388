#pragma once

// The pure parts of reading text from an X11 selection: which targets to ask for,
// in which order, and how the bytes of each reply type become UTF-8.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace textmend {

enum class TextEncoding : std::uint8_t { Utf8, Latin1 };

// The text targets this program asks for, best first. An owner may answer TEXT
// (or any of them) with another type: the reply is read by its type.
inline constexpr std::string_view kTextTargets[] = {
    "UTF8_STRING",
    "text/plain;charset=utf-8",
    "STRING",
    "TEXT",
};

// The reply types this program reads, and how; a reply of any other type
// (COMPOUND_TEXT, say) is not text it can read.
struct TextType {
    std::string_view name;
    TextEncoding encoding;
};
inline constexpr TextType kTextTypes[] = {
    {"UTF8_STRING", TextEncoding::Utf8},
    {"text/plain;charset=utf-8", TextEncoding::Utf8},
    {"STRING", TextEncoding::Latin1},
};

// Positions in candidates (atoms, best first) to ask for, in order: those the owner
// offers, or every candidate when it did not say what it offers (no TARGETS).
std::vector<std::size_t> TextTargetOrder(std::span<const std::uint32_t> candidates,
                                         const std::optional<std::vector<std::uint32_t>>& offered);

// The bytes an owner sent, as UTF-8: Latin-1 byte by byte; UTF-8 with each byte
// that starts no well-formed sequence replaced by U+FFFD. One terminating NUL,
// which some owners send along, is dropped. Well-formed UTF-8 is handed back in
// its own storage.
std::string SelectionTextToUtf8(std::string bytes, TextEncoding encoding);

// UTF-8 text as Latin-1, for STRING: '?' for each character Latin-1 lacks and for
// each byte that starts no well-formed sequence.
std::string Utf8ToLatin1(std::string_view text);

}  // namespace textmend
