#include "filter/LineBreaks.h"

namespace textmend {

std::string ToEngineLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    std::size_t start = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         lf = text.find('\n', lf + 1)) {
        if (lf > 0 && text[lf - 1] == '\r') {
            continue;
        }
        result.append(text, start, lf - start);
        result += "\r\n";
        start = lf + 1;
    }
    result.append(text, start);
    return result;
}

std::string ToUnixLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t cr = text.find("\r\n"); cr != std::string_view::npos;
         cr = text.find("\r\n", start)) {
        result.append(text, start, cr - start);
        result += '\n';
        start = cr + 2;
    }
    result.append(text, start);
    return result;
}

}  // namespace textmend
