#include "qt/DisplayLines.h"

namespace textmend {

std::string ToDisplayLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace textmend
