#include "win32/TextDisplay.h"

namespace textmend {

std::string DisplayLineBreaks(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        shown += text[i];
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            shown += '\n';
        }
    }
    return shown;
}

}  // namespace textmend
