#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace textmend {

// Where the line pass may create its scratch file, tried in order.
struct ScratchFolders {
    std::vector<std::filesystem::path> candidates;
};

// The folder that holds the running program, then the user's temporary folder.
ScratchFolders DefaultScratchFolders();

// Returns path with exactly one trailing separator added when it has none.
std::string addSlash(const std::string& path);

// Writes temp and a CR LF to a scratch file of its own, reads it back line by line
// (a line ends at CR or CR LF; a lone LF stays inside its line), hands each line to
// step and removes the file on every path. Throws StepError when no folder can take
// the file or a file step fails.
void LinePass(const std::string& temp, const ScratchFolders& folders,
              const std::function<void(std::string_view line)>& step);

// Removes the tabs at the start of temp, stores the result in temp and returns it.
std::string TTrim(std::string& temp);

// Removes the spaces at both ends of line, then its leading tabs.
std::string TrimLine(std::string_view line);

}  // namespace textmend
