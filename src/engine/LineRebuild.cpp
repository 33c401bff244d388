#include "engine/LineRebuild.h"

#include "engine/LargeBuffer.h"

namespace textmend::detail {

namespace {

// Room for the usual result at once; texts of lone CRs grow a little past it.
void PrepareResult(const ScratchLines& lines, std::string& result) {
    const std::size_t size = lines.contents().size();
    PrepareBuffer(result, size + size / 16 + 64);
}

}  // namespace

void RebuildInto(const LineRebuild& rebuild, const std::string& temp, const ScratchFolders& folders,
                 std::string& result) {
    ScratchLines lines(temp, folders);
    PrepareResult(lines, result);
    rebuild(lines, result);
    lines.Remove();
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
