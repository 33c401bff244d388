#pragma once

#include <functional>
#include <string>

#include "engine/ScratchFolders.h"
#include "engine/internal/ScratchLines.h"
#include "engine/internal/StepBuffers.h"

namespace textmend::internal {

// The room a line operation's result is given at once for a text of textSize bytes:
// the usual result fits; texts of lone CRs grow a little past it.
std::size_t LineRebuildRoom(std::size_t textSize);

// A line operation: appends to result, which starts empty, what it makes of the lines.
using LineRebuild = std::function<void(ScratchLines& lines, std::string& result)>;

// Passes source through a scratch file of its own, read back through buffers, and
// rebuilds it into target. target is emptied only once source is safe in the file, so
// it may be source itself, or buffers.spare.
void Rebuild(const LineRebuild& rebuild, const std::string& source, const ScratchFolders& folders,
             std::string& target, StepBuffers& buffers);

// The pipeline's form: text rebuilt through buffers.spare, then swapped with it. When
// anything fails, text is as it was.
void RebuildInPlace(const LineRebuild& rebuild, std::string& text, const ScratchFolders& folders,
                    StepBuffers& buffers);

// Two passes, one over the other's result, as one step: when either fails, text is as
// it was before the first.
void RebuildTwiceInPlace(const LineRebuild& rebuild, std::string& text,
                         const ScratchFolders& folders, StepBuffers& buffers);

}  // namespace textmend::internal
