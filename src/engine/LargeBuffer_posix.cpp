#include <sys/mman.h>

#include <cstdint>

#include "engine/LargeBuffer.h"

namespace textmend {

namespace {

// Below this, ordinary pages cost too little to bother.
constexpr std::size_t kLargeBuffer = std::size_t{8} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

constexpr std::uintptr_t kPage = 4096;

// Asks for large pages for the whole ones inside text's fresh, untouched storage, and
// has the system fill in the ordinary pages in front of the first at once, which
// spares a fault for each. A refusal of either just leaves ordinary pages to fault.
void AdviseLargePages(std::string& text) {
    const auto begin = reinterpret_cast<std::uintptr_t>(text.data());
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + text.capacity()) & ~(kHugePage - 1);
    if (last <= first) {
        return;
    }
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
    const std::uintptr_t firstPage = begin & ~(kPage - 1);
    madvise(reinterpret_cast<void*>(firstPage), first - firstPage, MADV_POPULATE_WRITE);
#endif
}

}  // namespace

void ReserveText(std::string& text, std::size_t capacity) {
    if (capacity <= text.capacity()) {
        return;
    }
    if (capacity < kLargeBuffer) {
        text.reserve(capacity);
        return;
    }
    // The advice must come before the first write, so the bytes kept move in after it.
    std::string larger;
    larger.reserve(capacity);
    AdviseLargePages(larger);
    larger.append(text);
    text.swap(larger);
}

}  // namespace textmend
