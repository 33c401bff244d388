#include "engine/LineBreaks.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

bool LoneLfAt(const char* data, std::size_t lf) {
    return lf == 0 || data[lf - 1] != '\r';
}

}  // namespace

std::string ToEngineLineBreaks(std::string text) {
    const std::size_t size = text.size();
    std::size_t added = 0;
    detail::ByteFinder<1> lfs(text.data(), size, {'\n'});
    for (std::size_t lf = lfs.Next(0); lf < size; lf = lfs.Next(lf + 1)) {
        added += LoneLfAt(text.data(), lf) ? 1 : 0;
    }
    if (added == 0) {
        return text;
    }
    text.resize(size + added);
    char* const data = text.data();
    // From the back: the bytes after each lone LF move up by one byte for every lone LF
    // up to it, which leaves the room for its CR. What is written never reaches below
    // the LF being moved, so the bytes still to be looked at are as they were. The LFs
    // are found block by block, forwards within each block.
    constexpr std::size_t kBlock = 4096;
    std::vector<std::size_t> loneLfs;
    loneLfs.reserve(kBlock);
    std::size_t end = size;  // the bytes from here to the old end are in place
    for (std::size_t blockEnd = size; added > 0; blockEnd -= std::min(blockEnd, kBlock)) {
        const std::size_t blockStart = blockEnd - std::min(blockEnd, kBlock);
        loneLfs.clear();
        detail::ByteFinder<1> found(data + blockStart, blockEnd - blockStart, {'\n'});
        for (std::size_t at = found.Next(0); at < blockEnd - blockStart; at = found.Next(at + 1)) {
            if (LoneLfAt(data, blockStart + at)) {
                loneLfs.push_back(blockStart + at);
            }
        }
        for (auto lf = loneLfs.rbegin(); lf != loneLfs.rend(); ++lf) {
            std::memmove(data + *lf + 1 + added, data + *lf + 1, end - *lf - 1);
            data[*lf + added] = '\n';
            data[*lf + added - 1] = '\r';
            --added;
            end = *lf;
        }
    }
    return text;
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
