#include "engine/LargeBuffer.h"

namespace textmend::detail {

void PrepareBuffer(std::string& out, std::size_t size) {
    out.clear();
    out.reserve(size);
}

}  // namespace textmend::detail
