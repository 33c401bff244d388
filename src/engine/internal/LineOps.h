#pragma once

// The operations that take the text apart line by line through the scratch file, as
// line rebuilds (LineRebuild.h): each appends to result what it makes of the lines.
// The pipeline's steps (PipelineOps.h) and the reference forms run the same ones.

#include <string>

#include "engine/internal/ScratchLines.h"

namespace textmend::internal {

void WithoutQuoteMarkersRebuild(ScratchLines& lines, std::string& result);
void WithoutBlankLinesRebuild(ScratchLines& lines, std::string& result);
void WithoutHardReturnsRebuild(ScratchLines& lines, std::string& result);

}  // namespace textmend::internal
