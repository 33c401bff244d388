#include "engine/LineRebuild.h"

#include "engine/LargeBuffer.h"

namespace textmend::detail {

namespace {

void PrepareResult(const ScratchLines& lines, std::string& result) {
    PrepareBuffer(result, LineRebuildRoom(lines.textSize()));
}

}  // namespace

std::size_t LineRebuildRoom(std::size_t textSize) {
    return textSize + textSize / 16 + 64;
}

void RebuildInPlace(const LineRebuild& rebuild, std::string& text, const ScratchFolders& folders) {
    ScratchLines lines(text, folders);
    try {
        PrepareResult(lines, text);
        rebuild(lines, text);
        lines.Remove();
    } catch (...) {
        lines.RestoreInto(text);
        throw;
    }
}

void RebuildTwiceInPlace(const LineRebuild& rebuild, std::string& text,
                         const ScratchFolders& folders) {
    ScratchLines lines(text, folders);
    try {
        PrepareResult(lines, text);
        rebuild(lines, text);
        lines.Remove();
        RebuildInPlace(rebuild, text, folders);
    } catch (...) {
        lines.RestoreInto(text);
        throw;
    }
}

}  // namespace textmend::detail
