#include "qt/SysInfoRegistry.h"

#include <algorithm>
#include <cctype>

namespace textmend {
namespace {

constexpr std::int32_t kErrorSuccess = 0;
constexpr std::int32_t kErrorFileNotFound = 2;
constexpr std::int32_t kErrorInvalidHandle = 6;
constexpr std::int32_t kErrorMoreData = 234;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uintptr_t kSysInfoKey = 1;

constexpr std::string_view kSysInfoKeyName = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kPathValueName = "PATH";

// Registry names compare without regard to letter case.
bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const std::vector<std::string>& SysInfoProgramNames() {
    static const std::vector<std::string> names{"hardinfo2", "hardinfo", "kinfocenter",
                                                "gnome-system-monitor"};
    return names;
}

std::optional<std::string> FindOnPath(const std::vector<std::string>& names,
                                      std::string_view searchPath,
                                      const std::function<bool(const std::string&)>& isExecutable) {
    for (const std::string& name : names) {
        std::size_t start = 0;
        while (start <= searchPath.size()) {
            std::size_t end = searchPath.find(':', start);
            if (end == std::string_view::npos) {
                end = searchPath.size();
            }
            const std::string_view folder = searchPath.substr(start, end - start);
            // An empty entry would mean the current folder, which is no place to
            // start a program from by a button.
            if (!folder.empty()) {
                std::string candidate(folder);
                if (candidate.back() != '/') {
                    candidate += '/';
                }
                candidate += name;
                if (isExecutable(candidate)) {
                    return candidate;
                }
            }
            start = end + 1;
        }
    }
    return std::nullopt;
}

SysInfoRegistry::SysInfoRegistry(std::function<std::optional<std::string>()> locate)
    : locate_(std::move(locate)) {}

std::int32_t SysInfoRegistry::OpenKeyForReading(std::uint32_t root, const std::string& keyName,
                                                std::uintptr_t& key) {
    key = 0;
    if (root != kHkeyLocalMachine || !SameName(keyName, kSysInfoKeyName)) {
        return kErrorFileNotFound;
    }
    openPath_ = locate_();
    if (!openPath_) {
        return kErrorFileNotFound;
    }
    key = kSysInfoKey;
    return kErrorSuccess;
}

std::int32_t SysInfoRegistry::QueryValue(std::uintptr_t key, const std::string& valueName,
                                         std::uint32_t& type, std::string& data,
                                         std::uint32_t capacity) {
    data.clear();
    if (key != kSysInfoKey || !openPath_) {
        return kErrorInvalidHandle;
    }
    if (!SameName(valueName, kPathValueName)) {
        return kErrorFileNotFound;
    }
    // Stored as a text value with its terminating NUL, as registry editors store it.
    std::string stored = *openPath_ + '\0';
    type = kRegSz;
    if (stored.size() > capacity) {
        return kErrorMoreData;
    }
    data = std::move(stored);
    return kErrorSuccess;
}

void SysInfoRegistry::CloseKey(std::uintptr_t key) {
    if (key == kSysInfoKey) {
        openPath_.reset();
    }
}

}  // namespace textmend
