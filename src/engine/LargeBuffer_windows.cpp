#include "engine/LargeBuffer.h"

namespace textmend {

void ReserveText(std::string& text, std::size_t capacity) {
    text.reserve(capacity);
}

}  // namespace textmend
