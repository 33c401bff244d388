#include "engine/LineBreaks.h"

#include <cstring>

#include "engine/ByteFinder.h"

namespace textmend {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Appends text to out with every byte for which replacement(pos) gives something else
// than the byte itself replaced by that; only the places of byte are asked.
template <class Replacement>
void AppendReplacing(std::string_view text, char byte, std::string& out, Replacement replacement) {
    detail::ByteFinder<1> found(text.data(), text.size(), {byte});
    std::size_t copied = 0;
    for (std::size_t pos = found.Next(0); pos < text.size(); pos = found.Next(pos + 1)) {
        const std::string_view replaced = replacement(pos);
        if (replaced.size() == 1 && replaced[0] == byte) {
            continue;
        }
        out.append(text.substr(copied, pos - copied));
        out.append(replaced);
        copied = pos + 1;
    }
    out.append(text.substr(copied));
}

bool CrLfAt(std::string_view text, std::size_t cr) {
    return cr + 1 < text.size() && text[cr + 1] == '\n';
}

}  // namespace

void AppendEngineLineBreaks(std::string_view piece, char before, std::string& out) {
    AppendReplacing(piece, '\n', out, [&](std::size_t lf) {
        const char previous = lf > 0 ? piece[lf - 1] : before;
        return previous == '\r' ? std::string_view("\n") : kCrLf;
    });
}

std::string ToEngineLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    AppendEngineLineBreaks(text, '\0', result);
    return result;
}

std::string ToUnixLineBreaks(std::string text) {
    // Only ever drops bytes, so what is kept moves towards the front, behind what is
    // still to be read; the CRs ahead are never touched before they are found.
    char* const data = text.data();
    const std::size_t size = text.size();
    detail::ByteFinder<1> crs(data, size, {'\r'});
    std::size_t w = 0;
    std::size_t kept = 0;  // bytes from here on are still to be kept or dropped
    for (std::size_t cr = crs.Next(0); cr < size; cr = crs.Next(cr + 1)) {
        if (!CrLfAt(text, cr)) {
            continue;
        }
        if (w != kept) {
            std::memmove(data + w, data + kept, cr - kept);
        }
        w += cr - kept;
        kept = cr + 1;
    }
    if (w != kept) {
        std::memmove(data + w, data + kept, size - kept);
    }
    text.resize(w + size - kept);
    return text;
}

std::string ToLfLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    AppendReplacing(text, '\r', result, [&](std::size_t cr) {
        return CrLfAt(text, cr) ? std::string_view() : std::string_view("\n");
    });
    return result;
}

std::string ToCrLfLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    AppendReplacing(text, '\r', result, [&](std::size_t cr) {
        return CrLfAt(text, cr) ? std::string_view("\r") : kCrLf;
    });
    return result;
}

}  // namespace textmend
