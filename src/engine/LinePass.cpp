#include "engine/LinePass.h"

#include <algorithm>
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

constexpr std::string_view kLineBreak = "\r\n";

// How much of the scratch file one read takes, unless a longer line needs more.
constexpr std::size_t kReadChunk = std::size_t{1} << 20;

// Reads the scratch file back in large pieces and hands out its lines: a line ends
// at a CR, and an LF right after that CR belongs to the break. Each line is handed
// out as a view into the read buffer; a line longer than the buffer makes it grow to
// hold the rest of the file at once, so even a text that is one long line is read
// with a single copy.
class LineReader {
  public:
    LineReader(detail::ScratchFile& file, std::size_t fileSize) : file_(file), unread_(fileSize) {}

    void ForEachLine(const std::function<void(std::string_view)>& step) {
        Grow(std::min(kReadChunk, unread_ + 1));
        bool skipLineFeed = false;
        for (;;) {
            const char* const data = buffer_.get();
            while (start_ < end_) {
                if (skipLineFeed) {
                    skipLineFeed = false;
                    if (data[start_] == '\n') {
                        ++start_;
                        continue;
                    }
                }
                const auto* cr =
                    static_cast<const char*>(std::memchr(data + start_, '\r', end_ - start_));
                if (cr == nullptr) {
                    break;
                }
                step(std::string_view(data + start_, cr - (data + start_)));
                start_ = cr + 1 - data;
                skipLineFeed = true;
            }
            if (!Refill()) {
                break;
            }
        }
        // A last line that ends at the end of the file without a CR.
        if (start_ < end_) {
            step(std::string_view(buffer_.get() + start_, end_ - start_));
        }
    }

  private:
    // Keeps the unfinished line and reads more behind it; false at the end of the file.
    bool Refill() {
        const std::size_t partial = end_ - start_;
        if (partial == capacity_) {
            Grow(std::max(capacity_ * 2, partial + unread_ + 1));
        } else if (start_ > 0) {
            std::memmove(buffer_.get(), buffer_.get() + start_, partial);
        }
        start_ = 0;
        end_ = partial;
        const std::size_t got = file_.Read(buffer_.get() + end_, capacity_ - end_);
        end_ += got;
        unread_ -= std::min(got, unread_);
        return got > 0;
    }

    void Grow(std::size_t capacity) {
        auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
        if (end_ > start_) {
            std::memcpy(bigger.get(), buffer_.get() + start_, end_ - start_);
        }
        end_ -= start_;
        start_ = 0;
        buffer_ = std::move(bigger);
        capacity_ = capacity;
    }

    detail::ScratchFile& file_;
    std::size_t unread_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
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
    file.Write(kLineBreak);
    file.Rewind();

    LineReader(file, temp.size() + kLineBreak.size()).ForEachLine(step);
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
