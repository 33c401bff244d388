#pragma once

#include <cstddef>
#include <string>

namespace textmend {

// Makes room for capacity bytes in text, keeping what it holds. Large room is put on the
// platform's large memory pages where that is possible, which makes filling it far
// cheaper: every fresh ordinary page costs the system a fault when first written.
void ReserveText(std::string& text, std::size_t capacity);

}  // namespace textmend

namespace textmend::detail {

// Empties out and makes room for size bytes in it.
inline void PrepareBuffer(std::string& out, std::size_t size) {
    out.clear();
    ReserveText(out, size);
}

}  // namespace textmend::detail
