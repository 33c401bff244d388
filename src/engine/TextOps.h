#pragma once

#include <string>

#include "engine/LinePass.h"

namespace textmend {

// Each operation takes the text as temp and returns the new text. Those that use
// the line pass throw StepError when it fails, leaving temp unchanged.

std::string remGT(const std::string& temp, const ScratchFolders& folders);      // quote markers
std::string remBlanks(const std::string& temp, const ScratchFolders& folders);  // blank lines
std::string remCRs(const std::string& temp, const ScratchFolders& folders);     // hard returns
std::string trimCR(std::string& temp);           // CR LF pairs at the very end; also stored in temp
std::string Sentence(std::string& temp);         // sentence capitals; also stored in temp
std::string remDblspc(const std::string& temp);  // spaces after a period shrunk to one

}  // namespace textmend
