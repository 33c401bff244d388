// Trim line ends.
#include "engine/internal/ByteFinder.h"
#include "engine/internal/CleanupSteps.h"
#include "engine/internal/TextRewriter.h"

namespace textmend::internal {

void TrimLineEndsInPlace(std::string& text) {
    const std::size_t size = text.size();
    TextRewriter rewriter(text.data(), text.data());
    ByteFinder<1> breaks(text.data(), size, {'\r'});
    for (std::size_t pos = breaks.Next(0); pos < size; pos = breaks.Next(pos + 1)) {
        rewriter.KeepUpTo(pos);
        rewriter.CutBackTo(StartOfBlanksBefore(rewriter.target(), rewriter.written()));
        rewriter.KeepUpTo(pos + 1);
    }
    rewriter.KeepUpTo(size);
    rewriter.CutBackTo(StartOfBlanksBefore(rewriter.target(), rewriter.written()));
    text.resize(rewriter.written());
}

}  // namespace textmend::internal
