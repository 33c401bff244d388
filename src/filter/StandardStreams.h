#pragma once

#include <cstdio>
#include <string>

namespace textmend {

// Switches standard input and output to binary mode where the platform translates
// line breaks (Windows), so every byte passes unchanged.
void UseBinaryStandardStreams();

// Reads the whole stream into text, with room for processing it; false when reading
// failed.
bool ReadWholeStream(std::FILE* stream, std::string& text);

// Copies all of in to out as it comes, then flushes out; false when reading or writing
// failed.
bool CopyWholeStream(std::FILE* in, std::FILE* out);

// Writes text and flushes; false when writing failed.
bool WriteWholeStream(std::FILE* stream, const std::string& text);

}  // namespace textmend
