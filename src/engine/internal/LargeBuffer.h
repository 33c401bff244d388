#pragma once

#include <cstddef>
#include <string>

#include "engine/ProcessText.h"

namespace textmend::internal {

// Empties out and makes room for size bytes in it, of which about expectedSize are
// written soon.
inline void PrepareBuffer(std::string& out, std::size_t size, std::size_t expectedSize) {
    out.clear();
    ReserveText(out, size, expectedSize);
}

}  // namespace textmend::internal
