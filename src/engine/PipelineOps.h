#pragma once

#include <string>

namespace textmend::detail {

// trimCR and Sentence without the copy they return; the pipeline keeps its text in place.
void TrimEndInPlace(std::string& temp);
void CapitaliseSentencesInPlace(std::string& temp);

}  // namespace textmend::detail
