// The letter table against an independent implementation of the same Unicode data.
#include <gtest/gtest.h>
#include <utf8proc.h>

#include <map>

#include "engine/internal/LetterKind.h"

namespace textmend {
namespace {

using internal::LetterKind;

LetterKind ReferenceKind(char32_t c) {
    switch (utf8proc_category(static_cast<utf8proc_int32_t>(c))) {
        case UTF8PROC_CATEGORY_LL:
            return LetterKind::Lower;
        case UTF8PROC_CATEGORY_LU:
            return LetterKind::Upper;
        case UTF8PROC_CATEGORY_LT:
        case UTF8PROC_CATEGORY_LM:
        case UTF8PROC_CATEGORY_LO:
            return LetterKind::Other;
        default:
            return LetterKind::None;
    }
}

TEST(LetterReference, EveryCodePointAgreesWithUtf8proc) {
    std::map<char32_t, LetterKind> differences;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (internal::LetterKindOf(c) != ReferenceKind(c)) {
            differences[c] = ReferenceKind(c);
        }
    }
    EXPECT_TRUE(differences.empty()) << differences.size() << " differ, the first U+" << std::hex
                                     << static_cast<unsigned>(differences.begin()->first);
}

}  // namespace
}  // namespace textmend
