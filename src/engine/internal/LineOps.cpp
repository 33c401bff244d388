#include "engine/internal/LineOps.h"

#include <string_view>

#include "engine/internal/CleanupSteps.h"
#include "engine/internal/LineRebuild.h"
#include "engine/internal/LineTrim.h"
#include "engine/internal/PipelineOps.h"
#include "engine/internal/ScratchLines.h"

namespace textmend::internal {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// A line too long for one piece, appended to the result part by part with TrimmedLine's
// rule: the spaces in front are left out, then the tabs after them; the spaces at the
// end are taken off once the line is complete.
class TrimmedParts {
  public:
    void Start(const std::string& result) {
        begin_ = result.size();
        skipping_ = ' ';
    }

    void Add(std::string_view part, std::string& result) {
        while (skipping_ != '\0') {
            const std::size_t kept = part.find_first_not_of(skipping_);
            if (kept == std::string_view::npos) {
                return;
            }
            part.remove_prefix(kept);
            skipping_ = skipping_ == ' ' ? '\t' : '\0';
        }
        result.append(part);
    }

    // Ends the line; whether any of its text is left.
    bool Finish(std::string& result) const {
        while (result.size() > begin_ && result.back() == ' ') {
            result.pop_back();
        }
        return result.size() > begin_;
    }

    // Where the line's text begins in the result.
    std::size_t begin() const { return begin_; }

  private:
    std::size_t begin_ = 0;
    char skipping_ = ' ';
};

// For a line operation that leaves most lines as they are: a whole line for which
// unchanged(line) holds and that ends in CR LF is in the result exactly as in the file,
// so such lines are copied in runs, and rewrite(line) appends the others one by one;
// addPart(part) appends each part of a line too long for one piece.
template <class Unchanged, class Rewrite, class AddPart>
void RebuildChangedLines(ScratchLines& lines, std::string& result, Unchanged unchanged,
                         Rewrite rewrite, AddPart addPart) {
    lines.ForEachPiece([&](const Piece& piece) {
        std::size_t copied = 0;  // the piece before this is in the result, or left out
        ForEachLine(piece, [&](const LinePart& part) {
            const auto start = static_cast<std::size_t>(part.text.data() - piece.text.data());
            const bool whole = part.first && part.last;
            if (whole && part.next == start + part.text.size() + kCrLf.size() &&
                unchanged(part.text)) {
                return;
            }
            result.append(piece.text.substr(copied, start - copied));
            if (whole) {
                rewrite(part.text);
            } else {
                addPart(part);
            }
            copied = part.next;
        });
        result.append(piece.text.substr(copied));
    });
}

bool EndsWithCrLf(std::string_view text) {
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

void WithoutQuoteMarkersRebuild(ScratchLines& lines, std::string& result) {
    bool inMarkers = false;  // still in the spaces and markers in front of a long line
    RebuildChangedLines(
        lines, result,
        [](std::string_view line) {
            return line.empty() || (line.front() != ' ' && line.front() != '>');
        },
        [&result](std::string_view line) {
            result.append(WithoutQuoteMarkers(line));
            result.append(kCrLf);
        },
        [&result, &inMarkers](const LinePart& part) {
            std::string_view text = part.text;
            if (part.first || inMarkers) {
                text = WithoutQuoteMarkers(text);
                inMarkers = text.empty();
            }
            result.append(text);
            if (part.last) {
                result.append(kCrLf);
            }
        });
}

void WithoutBlankLinesRebuild(ScratchLines& lines, std::string& result) {
    TrimmedParts longLine;
    RebuildChangedLines(
        lines, result,
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
        },
        [&result, &longLine](const LinePart& part) {
            if (part.first) {
                longLine.Start(result);
            }
            longLine.Add(part.text, result);
            if (part.last && longLine.Finish(result)) {
                result.append(kCrLf);
            }
        });
}

namespace {

// What joins a line to the text before it when neither the line nor that text is empty
// and the text does not end in a line break: a space, or with Keep list items a line
// break in front of a list item.
std::string_view LineJoint(bool keepListItems, std::string_view line) {
    return keepListItems && StartsWithListMarker(line) ? kCrLf : " ";
}

void HardReturnsRebuild(ScratchLines& lines, std::string& result, bool keepListItems) {
    bool firstLine = true;
    // A long line's text goes into the result as it comes; what joins it to the text
    // before is known only once it is complete.
    TrimmedParts longLine;
    bool longLineAfterBreak = false;
    bool longLineAfterText = false;
    lines.ForEachPiece([&](const Piece& piece) {
        ForEachLine(piece, [&](const LinePart& part) {
            if (part.first && part.last) {
                const std::string_view trimmed = TrimmedLine(part.text);
                if (firstLine) {
                    result.assign(trimmed);
                } else if (trimmed.empty()) {
                    result.append(kCrLf);
                    result.append(kCrLf);
                } else if (EndsWithCrLf(result)) {
                    result.append(trimmed);
                } else {
                    result.append(result.empty() ? " " : LineJoint(keepListItems, trimmed));
                    result.append(trimmed);
                }
                firstLine = false;
                return;
            }
            if (part.first) {
                longLineAfterBreak = firstLine || EndsWithCrLf(result);
                longLineAfterText = !result.empty();
                longLine.Start(result);
            }
            longLine.Add(part.text, result);
            if (!part.last) {
                return;
            }
            if (!longLine.Finish(result)) {
                if (!firstLine) {
                    result.append(kCrLf);
                    result.append(kCrLf);
                }
            } else if (!longLineAfterBreak) {
                const std::string_view line = std::string_view(result).substr(longLine.begin());
                result.insert(longLine.begin(),
                              longLineAfterText ? LineJoint(keepListItems, line) : " ");
            }
            firstLine = false;
        });
    });
}

void KeepingListsRebuild(ScratchLines& lines, std::string& result) {
    HardReturnsRebuild(lines, result, true);
}

}  // namespace

void WithoutHardReturnsRebuild(ScratchLines& lines, std::string& result) {
    HardReturnsRebuild(lines, result, false);
}

void RemoveQuoteMarkersInPlace(std::string& temp, const ScratchFolders& folders,
                               StepBuffers& buffers) {
    RebuildInPlace(WithoutQuoteMarkersRebuild, temp, folders, buffers);
}

void RemoveBlankLinesInPlace(std::string& temp, const ScratchFolders& folders,
                             StepBuffers& buffers) {
    RebuildInPlace(WithoutBlankLinesRebuild, temp, folders, buffers);
}

void RemoveHardReturnsInPlace(std::string& temp, const ScratchFolders& folders,
                              StepBuffers& buffers) {
    RebuildInPlace(WithoutHardReturnsRebuild, temp, folders, buffers);
}

void RemoveHardReturnsTwiceInPlace(std::string& temp, const ScratchFolders& folders,
                                   StepBuffers& buffers) {
    RebuildTwiceInPlace(WithoutHardReturnsRebuild, temp, folders, buffers);
}

void RemoveHardReturnsKeepingListsInPlace(std::string& temp, const ScratchFolders& folders,
                                          StepBuffers& buffers) {
    RebuildInPlace(KeepingListsRebuild, temp, folders, buffers);
}

void RemoveHardReturnsTwiceKeepingListsInPlace(std::string& temp, const ScratchFolders& folders,
                                               StepBuffers& buffers) {
    RebuildTwiceInPlace(KeepingListsRebuild, temp, folders, buffers);
}

}  // namespace textmend::internal
