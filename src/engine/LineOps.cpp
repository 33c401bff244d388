// The operations that take the text apart line by line through the scratch file.
#include <string_view>

#include "engine/LargeBuffer.h"
#include "engine/LineTrim.h"
#include "engine/PipelineOps.h"
#include "engine/ScratchLines.h"
#include "engine/TextOps.h"

namespace textmend {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Hands each line of temp, through the scratch file, to step, which appends to result.
// result may be temp itself: it is emptied only once temp's bytes are in the file.
template <class Step>
void RebuildByLines(const std::string& temp, const ScratchFolders& folders, std::string& result,
                    Step step) {
    detail::ScratchLines lines(temp, folders);
    // Room for the usual result at once; texts of lone CRs grow a little past it.
    detail::PrepareBuffer(result, lines.size() + lines.size() / 16 + 64);
    lines.ForEachLine(step);
    lines.Remove();
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

namespace detail {

void RemoveQuoteMarkersInto(const std::string& temp, const ScratchFolders& folders,
                            std::string& result) {
    RebuildByLines(temp, folders, result, [&result](std::string_view line) {
        result.append(WithoutQuoteMarkers(line));
        result.append(kCrLf);
    });
}

void RemoveBlankLinesInto(const std::string& temp, const ScratchFolders& folders,
                          std::string& result) {
    RebuildByLines(temp, folders, result, [&result](std::string_view line) {
        const std::string_view trimmed = TrimmedLine(line);
        if (!trimmed.empty()) {
            result.append(trimmed);
            result.append(kCrLf);
        }
    });
}

void RemoveHardReturnsInto(const std::string& temp, const ScratchFolders& folders,
                           std::string& result) {
    bool firstLine = true;
    RebuildByLines(temp, folders, result, [&result, &firstLine](std::string_view line) {
        const std::string_view trimmed = TrimmedLine(line);
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
}

}  // namespace detail

std::string remGT(const std::string& temp, const ScratchFolders& folders) {
    std::string result;
    detail::RemoveQuoteMarkersInto(temp, folders, result);
    return result;
}

std::string remBlanks(const std::string& temp, const ScratchFolders& folders) {
    std::string result;
    detail::RemoveBlankLinesInto(temp, folders, result);
    return result;
}

std::string remCRs(const std::string& temp, const ScratchFolders& folders) {
    std::string result;
    detail::RemoveHardReturnsInto(temp, folders, result);
    return result;
}

}  // namespace textmend
