// The operations that take the text apart line by line through the scratch file.
#include <string_view>

#include "engine/LineTrim.h"
#include "engine/TextOps.h"

namespace textmend {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Room for the usual result at once; texts of lone CRs grow a little past it.
std::string EmptyResultFor(const std::string& temp) {
    std::string result;
    result.reserve(temp.size() + temp.size() / 16 + 64);
    return result;
}

bool EndsWithCrLf(const std::string& text) {
    return text.ends_with(kCrLf);
}

std::string_view WithoutLeadingSpaces(std::string_view line) {
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

std::string_view WithoutQuoteMarkers(std::string_view line) {
    line = WithoutLeadingSpaces(line);
    while (!line.empty() && line.front() == '>') {
        line = WithoutLeadingSpaces(line.substr(1));
    }
    return line;
}

}  // namespace

std::string remGT(const std::string& temp, const ScratchFolders& folders) {
    std::string result = EmptyResultFor(temp);
    LinePass(temp, folders, [&result](std::string_view line) {
        result.append(WithoutQuoteMarkers(line));
        result.append(kCrLf);
    });
    return result;
}

std::string remBlanks(const std::string& temp, const ScratchFolders& folders) {
    std::string result = EmptyResultFor(temp);
    LinePass(temp, folders, [&result](std::string_view line) {
        const std::string_view trimmed = detail::TrimmedLine(line);
        if (!trimmed.empty()) {
            result.append(trimmed);
            result.append(kCrLf);
        }
    });
    return result;
}

std::string remCRs(const std::string& temp, const ScratchFolders& folders) {
    std::string result = EmptyResultFor(temp);
    bool firstLine = true;
    LinePass(temp, folders, [&result, &firstLine](std::string_view line) {
        const std::string_view trimmed = detail::TrimmedLine(line);
        if (firstLine) {
            result.assign(trimmed);
            firstLine = false;
        } else if (trimmed.empty()) {
            result.append(kCrLf);
            result.append(kCrLf);
        } else if (EndsWithCrLf(result)) {
            result.append(trimmed);
        } else {
            result.push_back(' ');
            result.append(trimmed);
        }
    });
    return result;
}

}  // namespace textmend
