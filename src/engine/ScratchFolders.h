#pragma once

#include <filesystem>
#include <vector>

namespace textmend {

// Where the line steps may create their scratch files, tried in order.
struct ScratchFolders {
    std::vector<std::filesystem::path> candidates;
};

// The folder that holds the running program, then the user's temporary folder.
ScratchFolders DefaultScratchFolders();

}  // namespace textmend
