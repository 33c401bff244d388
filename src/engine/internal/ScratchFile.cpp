#include "engine/internal/ScratchFile.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <random>

#include "engine/SystemError.h"

namespace textmend::internal {

namespace {

// Tries per folder when a freshly drawn name is already taken.
constexpr int kNameAttempts = 16;

std::uint64_t SplitMix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t ProcessSeed() {
    static const std::uint64_t seed = [] {
        std::uint64_t value =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        try {
            std::random_device device;
            value ^= (std::uint64_t{device()} << 32) | device();
        } catch (...) {
            // The clock and the process id still make the name unlikely to be taken.
        }
        return value;
    }();
    return seed;
}

#ifdef _WIN32
constexpr char kSeparator = '\\';
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}
#else
constexpr char kSeparator = '/';
bool IsSeparator(char c) {
    return c == '/';
}
#endif

}  // namespace

std::string addSlash(const std::string& path) {
    if (!path.empty() && IsSeparator(path.back())) {
        return path;
    }
    return path + kSeparator;
}

std::string NextScratchName() {
    static std::atomic<std::uint64_t> counter{0};
    const std::uint64_t serial = counter.fetch_add(1, std::memory_order_relaxed);
    const std::uint32_t process = CurrentProcessId();
    // The process id goes into the random part too: a forked child shares the seed.
    const std::uint64_t random =
        SplitMix64(ProcessSeed() ^ (std::uint64_t{process} << 32) ^ serial);
    return "temp-" + std::to_string(process) + "-" + std::to_string(serial) + "-" +
           std::to_string(random % 1000000000000ull) + ".tmp";
}

std::filesystem::path ScratchPathIn(const std::filesystem::path& folder, const std::string& name) {
    // Through UTF-8, so a folder name outside the system code page survives on Windows.
    const std::u8string folderText = folder.u8string();
    const std::string path = addSlash(std::string(folderText.begin(), folderText.end())) + name;
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

ScratchFile::ScratchFile(const ScratchFolders& folders) {
    std::optional<StepError> failure;
    for (const std::filesystem::path& folder : folders.candidates) {
        if (folder.empty()) {
            continue;
        }
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const std::filesystem::path candidate = ScratchPathIn(folder, NextScratchName());
            const std::int32_t error = TryCreate(candidate);
            if (error == 0) {
                path_ = candidate;
                return;
            }
            failure = SystemError(error);
            if (!IsNameTakenError(error)) {
                break;
            }
        }
    }
    throw failure ? *failure : FolderMissingError();
}

ScratchFile::~ScratchFile() {
    CloseAndDeleteQuietly();
}

}  // namespace textmend::internal
