#include "engine/LinePass.h"

#include <cstring>
#include <memory>
#include <system_error>

#include "engine/LineTrim.h"
#include "engine/ScratchFile.h"

namespace textmend {

namespace {

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

// How much of the scratch file one read takes.
constexpr std::size_t kReadChunk = std::size_t{1} << 20;

// Cuts the file's bytes into lines as they arrive, chunk by chunk: a line ends at a CR,
// and an LF right after that CR belongs to the break. A line cut by a chunk's end is
// gathered in pending.
class LineSplitter {
  public:
    explicit LineSplitter(const std::function<void(std::string_view)>& step) : step_(step) {}

    void Feed(const char* data, std::size_t size) {
        const char* p = data;
        const char* const end = data + size;
        if (skipLineFeed_ && p < end) {
            skipLineFeed_ = false;
            if (*p == '\n') {
                ++p;
            }
        }
        while (p < end) {
            const auto* cr = static_cast<const char*>(std::memchr(p, '\r', end - p));
            if (cr == nullptr) {
                pending_.append(p, end);
                return;
            }
            if (pending_.empty()) {
                step_(std::string_view(p, cr - p));
            } else {
                pending_.append(p, cr);
                step_(pending_);
                pending_.clear();
            }
            p = cr + 1;
            if (p == end) {
                skipLineFeed_ = true;
            } else if (*p == '\n') {
                ++p;
            }
        }
    }

    // A last line that ends at the end of the file without a CR.
    void Finish() {
        if (!pending_.empty()) {
            step_(pending_);
            pending_.clear();
        }
    }

  private:
    const std::function<void(std::string_view)>& step_;
    std::string pending_;
    bool skipLineFeed_ = false;
};

}  // namespace

ScratchFolders DefaultScratchFolders() {
    ScratchFolders folders;
    if (auto program = detail::ProgramFolder()) {
        folders.candidates.push_back(std::move(*program));
    }
    std::error_code error;
    std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (!error && !temporary.empty()) {
        folders.candidates.push_back(std::move(temporary));
    }
    return folders;
}

std::string addSlash(const std::string& path) {
    if (!path.empty() && IsSeparator(path.back())) {
        return path;
    }
    return path + kSeparator;
}

void LinePass(const std::string& temp, const ScratchFolders& folders,
              const std::function<void(std::string_view line)>& step) {
    detail::ScratchFile file(folders);
    file.Write(temp);
    file.Write("\r\n");
    file.Rewind();

    LineSplitter splitter(step);
    const auto buffer = std::make_unique_for_overwrite<char[]>(kReadChunk);
    while (const std::size_t got = file.Read(buffer.get(), kReadChunk)) {
        splitter.Feed(buffer.get(), got);
    }
    splitter.Finish();
    file.Remove();
}

std::string TTrim(std::string& temp) {
    if (!temp.empty() && temp.front() == '\t') {
        temp.erase(0, temp.size() - detail::WithoutLeadingTabs(temp).size());
    }
    return temp;
}

std::string TrimLine(std::string_view line) {
    return std::string(detail::TrimmedLine(line));
}

}  // namespace textmend
