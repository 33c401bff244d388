#pragma once

#include <string>
#include <string_view>

#include "engine/WordList.h"

namespace textmend::internal {

// The clean-ups that work on the whole text in memory and only ever shorten it, so
// they rewrite it in place. None of them can fail, except Join split words when it
// asks a word list: it then writes into spare and swaps, so a failure leaves text as
// it was.

// Remove invisible: format and control characters out, soft hyphens out, a soft hyphen
// that splits a word at a line break together with the break.
void RemoveInvisibleInPlace(std::string& text);
// Plain punctuation: typographic quotes, dashes, ellipses and spaces as plain ASCII.
void PlainPunctuationInPlace(std::string& text);
// Join split words: a word hyphenated at a line break made whole again; words may be
// null (no dictionary).
void JoinSplitWords(std::string& text, const WordList* words, std::string& spare);
// Trim line ends: the spaces and tabs in front of every line break and at the end.
void TrimLineEndsInPlace(std::string& text);

// Whether a trimmed line begins with a list marker followed by a space or a tab (Keep
// list items).
bool StartsWithListMarker(std::string_view line);

}  // namespace textmend::internal
