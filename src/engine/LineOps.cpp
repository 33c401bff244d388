// The operations that take the text apart line by line through the scratch file.
#include <string_view>

#include "engine/LineRebuild.h"
#include "engine/LineTrim.h"
#include "engine/PipelineOps.h"
#include "engine/ScratchLines.h"
#include "engine/TextOps.h"

namespace textmend {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// For a line operation that leaves most lines as they are: a line for which
// unchanged(line) holds and that ends in CR LF is in the result exactly as in the file,
// so such lines are copied in runs, and rewrite(line) appends the others one by one.
template <class Unchanged, class Rewrite>
void RebuildChangedLines(const detail::ScratchLines& lines, std::string& result,
                         Unchanged unchanged, Rewrite rewrite) {
    const std::string_view contents = lines.contents();
    std::size_t copied = 0;  // contents before this are in the result, or left out
    lines.ForEachLine([&](std::string_view line, std::size_t next) {
        const auto start = static_cast<std::size_t>(line.data() - contents.data());
        if (next == start + line.size() + kCrLf.size() && unchanged(line)) {
            return;
        }
        result.append(contents.substr(copied, start - copied));
        rewrite(line);
        copied = next;
    });
    result.append(contents.substr(copied));
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

// The three line operations.

void WithoutQuoteMarkersRebuild(const detail::ScratchLines& lines, std::string& result) {
    RebuildChangedLines(
        lines, result,
        [](std::string_view line) {
            return line.empty() || (line.front() != ' ' && line.front() != '>');
        },
        [&result](std::string_view line) {
            result.append(WithoutQuoteMarkers(line));
            result.append(kCrLf);
        });
}

void WithoutBlankLinesRebuild(const detail::ScratchLines& lines, std::string& result) {
    RebuildChangedLines(
        lines, result,
        [](std::string_view line) {
            return !line.empty() && line.front() != ' ' && line.front() != '\t' &&
                   line.back() != ' ';
        },
        [&result](std::string_view line) {
            const std::string_view trimmed = detail::TrimmedLine(line);
            if (!trimmed.empty()) {
                result.append(trimmed);
                result.append(kCrLf);
            }
        });
}

void WithoutHardReturnsRebuild(const detail::ScratchLines& lines, std::string& result) {
    bool firstLine = true;
    lines.ForEachLine([&result, &firstLine](std::string_view line, std::size_t) {
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
}

}  // namespace

namespace detail {

void RemoveQuoteMarkersInPlace(std::string& temp, const ScratchFolders& folders) {
    RebuildInPlace(WithoutQuoteMarkersRebuild, temp, folders);
}

void RemoveBlankLinesInPlace(std::string& temp, const ScratchFolders& folders) {
    RebuildInPlace(WithoutBlankLinesRebuild, temp, folders);
}

void RemoveHardReturnsInPlace(std::string& temp, const ScratchFolders& folders) {
    RebuildInPlace(WithoutHardReturnsRebuild, temp, folders);
}

void RemoveHardReturnsTwiceInPlace(std::string& temp, const ScratchFolders& folders) {
    RebuildTwiceInPlace(WithoutHardReturnsRebuild, temp, folders);
}

}  // namespace detail

std::string remGT(const std::string& temp, const ScratchFolders& folders) {
    std::string result = temp;
    detail::RemoveQuoteMarkersInPlace(result, folders);
    return result;
}

std::string remBlanks(const std::string& temp, const ScratchFolders& folders) {
    std::string result = temp;
    detail::RemoveBlankLinesInPlace(result, folders);
    return result;
}

std::string remCRs(const std::string& temp, const ScratchFolders& folders) {
    std::string result = temp;
    detail::RemoveHardReturnsInPlace(result, folders);
    return result;
}

}  // namespace textmend
