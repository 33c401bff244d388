#include "engine/ScratchFolders.h"

#include <system_error>

#include "engine/internal/ScratchFile.h"

namespace textmend {

ScratchFolders DefaultScratchFolders() {
    ScratchFolders folders;
    if (auto program = internal::ProgramFolder()) {
        folders.candidates.push_back(std::move(*program));
    }
    std::error_code error;
    std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (!error && !temporary.empty()) {
        folders.candidates.push_back(std::move(temporary));
    }
    return folders;
}

}  // namespace textmend
