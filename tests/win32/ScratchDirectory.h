#pragma once

// A folder of its own under the temporary folder, removed afterwards.

#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace textmend::testing {

class ScratchDirectory {
  public:
    ScratchDirectory() {
        path_ = std::filesystem::temp_directory_path() /
                ("textmend-win32-" + std::to_string(GetTickCount64()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace textmend::testing
