#include "TestSupport.h"

#include <atomic>
#include <fstream>
#include <stdexcept>

namespace textmend::test {

TempFolder::TempFolder() {
    static std::atomic<unsigned> serial{0};
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "textmend-engine-test-" + std::to_string(random()) + "-" +
                                 std::to_string(serial.fetch_add(1));
        if (std::filesystem::create_directory(base / name)) {
            path_ = base / name;
            return;
        }
    }
    throw std::runtime_error("no fresh test folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path UnusableFolder(const TempFolder& owner, const std::string& name) {
    const std::filesystem::path blocker = owner.path() / (name + "-regular-file");
    std::ofstream(blocker) << "not a folder";
    return blocker / "sub";
}

std::vector<std::filesystem::path> ScratchFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("temp") && name.ends_with(".tmp")) {
            found.push_back(entry.path());
        }
    }
    return found;
}

ScratchFolders FoldersOf(std::vector<std::filesystem::path> candidates) {
    return ScratchFolders{std::move(candidates)};
}

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out.append(piece);
    }
    return out;
}

std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), ' ');
    for (char& c : text) {
        c = alphabet[pick(random)];
    }
    return text;
}

}  // namespace textmend::test
