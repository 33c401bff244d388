#include "engine/reference/LinePass.h"

#include "engine/internal/LineTrim.h"
#include "engine/internal/ScratchLines.h"

namespace textmend::reference {

void LinePass(const std::string& temp, const ScratchFolders& folders,
              const std::function<void(std::string_view line)>& step) {
    std::string readBack;
    internal::ScratchLines lines(temp, folders, readBack);
    std::string longLine;  // a line too long for one piece, put together
    lines.ForEachPiece([&](const internal::Piece& piece) {
        internal::ForEachLine(piece, [&](const internal::LinePart& part) {
            if (part.first && part.last) {
                step(part.text);
                return;
            }
            if (part.first) {
                longLine.clear();
            }
            longLine.append(part.text);
            if (part.last) {
                step(longLine);
            }
        });
    });
    lines.Remove();
}

std::string TTrim(std::string& temp) {
    if (!temp.empty() && temp.front() == '\t') {
        temp.erase(0, temp.size() - internal::WithoutLeadingTabs(temp).size());
    }
    return temp;
}

std::string TrimLine(std::string_view line) {
    return std::string(internal::TrimmedLine(line));
}

}  // namespace textmend::reference
