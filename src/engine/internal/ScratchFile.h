#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ScratchFolders.h"

namespace textmend::internal {

// The line pass's file: created exclusively under a fresh name, so no two passes ever
// share one, open to its owner only, and gone once the object is, whatever happened.
class ScratchFile {
  public:
    // Creates the file in the first folder that can take it. Throws StepError, with
    // the last folder's failure, when none can.
    explicit ScratchFile(const ScratchFolders& folders);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Writes all of data at the end of the file.
    void Write(std::string_view data);
    // Reads up to size bytes from offset on into buffer and returns how many it read:
    // fewer only where the file ends, none past its end. One thread may read while
    // another writes.
    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size);
    // Closes and deletes the file, throwing StepError when that fails.
    void Remove();

  private:
    // Creates path exclusively and keeps it open; returns the platform error number
    // on failure, 0 on success.
    std::int32_t TryCreate(const std::filesystem::path& path);
    void CloseAndDeleteQuietly() noexcept;

    std::filesystem::path path_;
    std::intptr_t handle_ = -1;
    bool open_ = false;
};

// Returns path with exactly one trailing separator added when it has none.
std::string addSlash(const std::string& path);

// A name no other pass uses: "temp-<process>-<counter>-<random>.tmp".
std::string NextScratchName();

// addSlash of the folder followed by name.
std::filesystem::path ScratchPathIn(const std::filesystem::path& folder, const std::string& name);

// Platform services of the line pass.
std::uint32_t CurrentProcessId();
std::optional<std::filesystem::path> ProgramFolder();
bool IsNameTakenError(std::int32_t code);

}  // namespace textmend::internal
