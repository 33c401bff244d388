#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "engine/LinePass.h"
#include "engine/ScratchFile.h"

namespace textmend::detail {

// The line pass's source: the text and a CR LF written to a scratch file of its own,
// then read back in one piece and handed out line by line.
class ScratchLines {
  public:
    // Throws StepError when no folder can take the file or a file step fails.
    ScratchLines(const std::string& temp, const ScratchFolders& folders) : file_(folders) {
        file_.Write(temp);
        file_.Write(kLineBreak);
        contents_ = file_.ReadBack(temp.size() + kLineBreak.size());
    }

    // How many bytes were read back: the text's and the CR LF's.
    std::size_t size() const { return contents_.size(); }

    // Hands each line to step, in order. A line ends at a CR, and an LF right after
    // that CR belongs to the break; a lone LF stays inside its line.
    template <class Step>
    void ForEachLine(Step&& step) const {
        const char* const data = contents_.data();
        const std::size_t size = contents_.size();
        std::size_t start = 0;
        while (start < size) {
            const auto* cr =
                static_cast<const char*>(std::memchr(data + start, '\r', size - start));
            if (cr == nullptr) {
                step(std::string_view(data + start, size - start));
                return;
            }
            const auto end = static_cast<std::size_t>(cr - data);
            step(std::string_view(data + start, end - start));
            start = end + 1;
            if (start < size && data[start] == '\n') {
                ++start;
            }
        }
    }

    // Deletes the file, throwing StepError when that fails.
    void Remove() { file_.Remove(); }

  private:
    static constexpr std::string_view kLineBreak = "\r\n";

    ScratchFile file_;
    std::string_view contents_;
};

}  // namespace textmend::detail
