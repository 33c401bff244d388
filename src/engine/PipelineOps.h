#pragma once

#include <string>

#include "engine/LinePass.h"

namespace textmend::detail {

// The operations as the pipeline runs them, so that a big text is not allocated afresh
// at every step: the case conversions write into out; every other step changes temp in
// place, and when it fails temp is as it was. The public operations are built on these.

void ToUpperInto(const std::string& temp, std::string& out);
void ToLowerInto(const std::string& temp, std::string& out);
void ToProperInto(const std::string& temp, std::string& out);

void RemoveQuoteMarkersInPlace(std::string& temp, const ScratchFolders& folders);
void RemoveBlankLinesInPlace(std::string& temp, const ScratchFolders& folders);
void RemoveHardReturnsInPlace(std::string& temp, const ScratchFolders& folders);
// Remove rtns 2X: two hard-return passes as one step.
void RemoveHardReturnsTwiceInPlace(std::string& temp, const ScratchFolders& folders);
void RemoveDoubleSpacesInPlace(std::string& temp);
void TrimEndInPlace(std::string& temp);
void CapitaliseSentencesInPlace(std::string& temp);

}  // namespace textmend::detail
