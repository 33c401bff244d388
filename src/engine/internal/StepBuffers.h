#pragma once

#include <cstddef>
#include <string>

namespace textmend::internal {

// How much of its scratch file a line pass reads back at a time: enough to make the
// calls few, little enough that the lines are still in the processor's cache when
// they are taken apart.
inline constexpr std::size_t kReadBackPiece = std::size_t{256} << 10;

// The memory the steps of one pipeline run work in, kept from step to step so that a
// big text is not given fresh memory at every step: a step that cannot change its text
// in place builds the new text in spare and swaps the two; the line steps read their
// scratch files back through readBack, readPiece bytes at a time. A step leaves spare
// and readBack in any state.
struct StepBuffers {
    std::string spare;
    std::string readBack;
    std::size_t readPiece = kReadBackPiece;
};

}  // namespace textmend::internal
