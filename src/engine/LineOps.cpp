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
    const std::size_t size = lines.contents().size();
    // Room for the usual result at once; texts of lone CRs grow a little past it.
    detail::PrepareBuffer(result, size + size / 16 + 64);
    lines.ForEachLine(step);
    lines.Remove();
}

// As RebuildByLines, for a step that leaves most lines as they are: a line for which
// unchanged(line) holds and that ends in CR LF is in the result exactly as in the file,
// so such lines are copied in runs, and rewrite(line) appends the others one by one.
template <class Unchanged, class Rewrite>
void RebuildChangedLines(const std::string& temp, const ScratchFolders& folders,
                         std::string& result, Unchanged unchanged, Rewrite rewrite) {
    detail::ScratchLines lines(temp, folders);
    const std::string_view contents = lines.contents();
    detail::PrepareBuffer(result, contents.size() + contents.size() / 16 + 64);
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
    RebuildChangedLines(
        temp, folders, result,
        [](std::string_view line) {
            return line.empty() || (line.front() != ' ' && line.front() != '>');
        },
        [&result](std::string_view line) {
            result.append(WithoutQuoteMarkers(line));
            result.append(kCrLf);
        });
}

void RemoveBlankLinesInto(const std::string& temp, const ScratchFolders& folders,
                          std::string& result) {
    RebuildChangedLines(
        temp, folders, result,
        [](std::string_view line) {
            return !line.empty() && line.front() != ' ' && line.front() != '\t' &&
                   line.back() != ' ';
        },
        [&result](std::string_view line) {
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
    RebuildByLines(temp, folders, result,
                   [&result, &firstLine](std::string_view line, std::size_t) {
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
