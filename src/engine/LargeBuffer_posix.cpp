#include <sys/mman.h>

#include <cstdint>

#include "engine/LargeBuffer.h"

namespace textmend::detail {

namespace {

// Below this, ordinary pages cost too little to bother.
constexpr std::size_t kLargeBuffer = std::size_t{8} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

}  // namespace

void PrepareBuffer(std::string& out, std::size_t size) {
    out.clear();
    if (size < kLargeBuffer || out.capacity() >= size) {
        out.reserve(size);
        return;
    }
    out.reserve(size);
#ifdef MADV_HUGEPAGE
    // Only the whole huge pages inside the fresh, untouched storage; a refusal just
    // leaves ordinary pages.
    const auto begin = reinterpret_cast<std::uintptr_t>(out.data());
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + out.capacity()) & ~(kHugePage - 1);
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
#endif
}

}  // namespace textmend::detail
