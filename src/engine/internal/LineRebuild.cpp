#include "engine/internal/LineRebuild.h"

#include "engine/internal/LargeBuffer.h"

namespace textmend::internal {

std::size_t LineRebuildRoom(std::size_t textSize) {
    return textSize + textSize / 16 + 64;
}

void Rebuild(const LineRebuild& rebuild, const std::string& source, const ScratchFolders& folders,
             std::string& target, StepBuffers& buffers) {
    ScratchLines lines(source, folders, buffers.readBack, buffers.readPiece);
    if (&target == &source) {
        lines.WaitUntilWritten();
    }
    PrepareBuffer(target, LineRebuildRoom(lines.textSize()), lines.textSize());
    rebuild(lines, target);
    lines.Remove();
}

void RebuildInPlace(const LineRebuild& rebuild, std::string& text, const ScratchFolders& folders,
                    StepBuffers& buffers) {
    Rebuild(rebuild, text, folders, buffers.spare, buffers);
    text.swap(buffers.spare);
}

void RebuildTwiceInPlace(const LineRebuild& rebuild, std::string& text,
                         const ScratchFolders& folders, StepBuffers& buffers) {
    Rebuild(rebuild, text, folders, buffers.spare, buffers);
    Rebuild(rebuild, buffers.spare, folders, buffers.spare, buffers);
    text.swap(buffers.spare);
}

}  // namespace textmend::internal
