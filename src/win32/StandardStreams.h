#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace textmend {

// The program's arguments after its name, in UTF-8.
std::vector<std::string> ProgramArguments();

// Writes text to the standard output or error handle (STD_OUTPUT_HANDLE,
// STD_ERROR_HANDLE) the program was given, or to the console of the command
// prompt that started it: a window program has none of its own.
void WriteStandardStream(DWORD which, const std::string& text);

}  // namespace textmend
