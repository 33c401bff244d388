#pragma once

#include <functional>
#include <string>

#include "engine/LinePass.h"
#include "engine/ScratchLines.h"

namespace textmend::detail {

// The room a line operation's result is given at once for a text of textSize bytes:
// the usual result fits; texts of lone CRs grow a little past it.
std::size_t LineRebuildRoom(std::size_t textSize);

// A line operation: appends to result, which starts empty, what it makes of the lines.
using LineRebuild = std::function<void(const ScratchLines& lines, std::string& result)>;

// Passes text through a scratch file of its own and rebuilds it in place, so no second
// buffer as large as the text is needed: text is emptied only once its bytes are safe
// in the file, and when anything fails it gets them back from there.
void RebuildInPlace(const LineRebuild& rebuild, std::string& text, const ScratchFolders& folders);

// Two passes, one over the other's result, as one step: when either fails, text is as
// it was before the first.
void RebuildTwiceInPlace(const LineRebuild& rebuild, std::string& text,
                         const ScratchFolders& folders);

}  // namespace textmend::detail
