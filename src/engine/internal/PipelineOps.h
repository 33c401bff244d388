#pragma once

#include <string>

#include "engine/ScratchFolders.h"
#include "engine/internal/StepBuffers.h"

namespace textmend::internal {

// The operations as the pipeline runs them, so that a big text is not allocated afresh
// at every step: the case conversions write into out; every other step changes temp in
// place, the line steps through the pipeline's buffers, and when it fails temp is as it
// was. The public case conversions and the reference forms are built on the same
// implementations.

void ToUpperInto(const std::string& temp, std::string& out);
void ToLowerInto(const std::string& temp, std::string& out);
void ToProperInto(const std::string& temp, std::string& out);

void RemoveQuoteMarkersInPlace(std::string& temp, const ScratchFolders& folders,
                               StepBuffers& buffers);
void RemoveBlankLinesInPlace(std::string& temp, const ScratchFolders& folders,
                             StepBuffers& buffers);
void RemoveHardReturnsInPlace(std::string& temp, const ScratchFolders& folders,
                              StepBuffers& buffers);
// Remove rtns 2X: two hard-return passes as one step.
void RemoveHardReturnsTwiceInPlace(std::string& temp, const ScratchFolders& folders,
                                   StepBuffers& buffers);
// The same with Keep list items: a list item after a line of text starts a line.
void RemoveHardReturnsKeepingListsInPlace(std::string& temp, const ScratchFolders& folders,
                                          StepBuffers& buffers);
void RemoveHardReturnsTwiceKeepingListsInPlace(std::string& temp, const ScratchFolders& folders,
                                               StepBuffers& buffers);
void RemoveDoubleSpacesInPlace(std::string& temp);
void CapitaliseSentencesInPlace(std::string& temp);
// No dbl spaces, then Cap sentences, in one pass over the text.
void RemoveDoubleSpacesThenCapitaliseInPlace(std::string& temp);
void TrimEndInPlace(std::string& temp);

}  // namespace textmend::internal
