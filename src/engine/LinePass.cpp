#include "engine/LinePass.h"

#include <system_error>

#include "engine/LineTrim.h"
#include "engine/ScratchFile.h"
#include "engine/ScratchLines.h"

namespace textmend {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}
#else
constexpr char kSeparator = '/';
bool IsSeparator(char c) {
    return c == '/';
}
#endif

}  // namespace

ScratchFolders DefaultScratchFolders() {
    ScratchFolders folders;
    if (auto program = detail::ProgramFolder()) {
        folders.candidates.push_back(std::move(*program));
    }
    std::error_code error;
    std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (!error && !temporary.empty()) {
        folders.candidates.push_back(std::move(temporary));
    }
    return folders;
}

std::string addSlash(const std::string& path) {
    if (!path.empty() && IsSeparator(path.back())) {
        return path;
    }
    return path + kSeparator;
}

void LinePass(const std::string& temp, const ScratchFolders& folders,
              const std::function<void(std::string_view line)>& step) {
    std::string readBack;
    detail::ScratchLines lines(temp, folders, readBack);
    std::string longLine;  // a line too long for one piece, put together
    lines.ForEachPiece([&](const detail::Piece& piece) {
        detail::ForEachLine(piece, [&](const detail::LinePart& part) {
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
        temp.erase(0, temp.size() - detail::WithoutLeadingTabs(temp).size());
    }
    return temp;
}

std::string TrimLine(std::string_view line) {
    return std::string(detail::TrimmedLine(line));
}

}  // namespace textmend
