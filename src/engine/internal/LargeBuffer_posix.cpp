// Large text buffers. A fresh page of memory costs a fault when it is first written: the
// system finds a page, clears it and maps it. For a buffer of tens of megabytes that is
// most of what filling it costs, and under a hypervisor that takes back the memory its
// guest frees it costs many times more (the host must supply every page again). So a
// large buffer is asked for on 2 MiB pages (one fault each instead of 512), and the part
// about to be written is faulted in at once by MADV_POPULATE_WRITE, half of it on a
// second thread: two processors clear pages nearly twice as fast as one. Every step is
// advice: where the system refuses it, pages simply fault in as they are written.
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <thread>

#include "engine/ProcessText.h"

namespace textmend {

namespace {

// Below this, ordinary pages cost too little to bother.
constexpr std::size_t kLargeBuffer = std::size_t{8} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
constexpr std::uintptr_t kPage = 4096;

void AdviseLargePages(std::uintptr_t begin, std::uintptr_t end) {
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = end & ~(kHugePage - 1);
#ifdef MADV_HUGEPAGE
    if (first < last) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
#endif
}

void FaultIn(std::uintptr_t begin, std::uintptr_t end) {
#ifdef MADV_POPULATE_WRITE
    if (begin < end) {
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    }
#endif
}

// Faults in the pages of [begin, end): the upper half on a thread of its own, split on a
// large page's edge so that no page is cleared by both.
void FaultInOnTwoThreads(std::uintptr_t begin, std::uintptr_t end) {
    begin &= ~(kPage - 1);
    if (end <= begin) {
        return;
    }
    const std::uintptr_t middle = std::max(begin, (begin + (end - begin) / 2) & ~(kHugePage - 1));
    std::thread upper;
    try {
        upper = std::thread(FaultIn, middle, end);
    } catch (const std::system_error&) {
        FaultIn(begin, end);
        return;
    }
    FaultIn(begin, middle);
    upper.join();
}

}  // namespace

void ReserveText(std::string& text, std::size_t capacity, std::size_t expectedSize) {
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
    const auto begin = reinterpret_cast<std::uintptr_t>(larger.data());
    AdviseLargePages(begin, begin + larger.capacity());
    const std::size_t ready = std::min(std::max(expectedSize, text.size()), larger.capacity());
    FaultInOnTwoThreads(begin, begin + ready);
    larger.append(text);
    text.swap(larger);
}

}  // namespace textmend
