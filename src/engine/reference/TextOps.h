#pragma once

// The forms that mirror the original routines one to one, kept as the reference the
// fast pipeline is checked against by the tests, the benchmark and the fuzz target.
// The programs never call them: ProcessText runs the same implementations in place.

#include <string>

#include "engine/ScratchFolders.h"

namespace textmend::reference {

// Each operation takes the text as temp and returns the new text. Those that use
// the line pass throw StepError when it fails, leaving temp unchanged.

std::string remGT(const std::string& temp, const ScratchFolders& folders);      // quote markers
std::string remBlanks(const std::string& temp, const ScratchFolders& folders);  // blank lines
std::string remCRs(const std::string& temp, const ScratchFolders& folders);     // hard returns
std::string trimCR(std::string& temp);           // CR LF pairs at the very end; also stored in temp
std::string Sentence(std::string& temp);         // sentence capitals; also stored in temp
std::string remDblspc(const std::string& temp);  // spaces after a period shrunk to one

}  // namespace textmend::reference
