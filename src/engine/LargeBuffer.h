#pragma once

#include <cstddef>
#include <string>

namespace textmend {

// Makes room for capacity bytes in text, keeping what it holds. Large room is put on the
// platform's large memory pages where that is possible, and the part of it up to
// expectedSize (the size text is about to reach) is made ready at once, on two
// processors where there are two: every fresh page costs the system a fault when first
// written, which is cheaper for large pages and cheaper still shared out.
void ReserveText(std::string& text, std::size_t capacity, std::size_t expectedSize);

}  // namespace textmend

namespace textmend::detail {

// Empties out and makes room for size bytes in it, of which about expectedSize are
// written soon.
inline void PrepareBuffer(std::string& out, std::size_t size, std::size_t expectedSize) {
    out.clear();
    ReserveText(out, size, expectedSize);
}

}  // namespace textmend::detail
