#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ScratchFolders.h"

namespace textmend::test {

// A fresh, empty folder under the temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A folder path inside owner that no file can ever be created in, even by root: it
// passes through a regular file.
std::filesystem::path UnusableFolder(const TempFolder& owner, const std::string& name);

// The scratch files ("temp*.tmp") that folder holds now.
std::vector<std::filesystem::path> ScratchFilesIn(const std::filesystem::path& folder);

ScratchFolders FoldersOf(std::vector<std::filesystem::path> candidates);

std::string Repeat(std::string_view piece, std::size_t times);

// A text of up to maxLength characters drawn from alphabet.
std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t maxLength);

}  // namespace textmend::test
