#pragma once

#include <string>

#include "engine/LinePass.h"

namespace textmend::detail {

// The operations as the pipeline runs them: each writes its result into out (whose
// storage is reused from step to step, so big texts are not allocated afresh every
// time) or changes temp in place. On failure out holds nothing of use and temp is
// unchanged. The line operations also take temp itself as out: temp is safe in the
// scratch file before out is touched.

void ToUpperInto(const std::string& temp, std::string& out);
void ToLowerInto(const std::string& temp, std::string& out);
void ToProperInto(const std::string& temp, std::string& out);

void RemoveQuoteMarkersInto(const std::string& temp, const ScratchFolders& folders,
                            std::string& out);
void RemoveBlankLinesInto(const std::string& temp, const ScratchFolders& folders, std::string& out);
void RemoveHardReturnsInto(const std::string& temp, const ScratchFolders& folders,
                           std::string& out);
void RemoveDoubleSpacesInto(const std::string& temp, std::string& out);

void TrimEndInPlace(std::string& temp);
void CapitaliseSentencesInPlace(std::string& temp);

}  // namespace textmend::detail
