#include "engine/ProcessText.h"

namespace textmend {

void ReserveText(std::string& text, std::size_t capacity, std::size_t /*expectedSize*/) {
    text.reserve(capacity);
}

}  // namespace textmend
