#pragma once

#include <cstddef>
#include <string>

namespace textmend::detail {

// Makes room for size bytes in out (emptied first). A large buffer is also marked
// for the platform's large memory pages where that is possible, which makes its
// first filling cheaper.
void PrepareBuffer(std::string& out, std::size_t size);

}  // namespace textmend::detail
