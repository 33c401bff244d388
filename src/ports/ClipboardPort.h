#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/StepError.h"

namespace textmend {

// What one reading of the clipboard found.
struct ClipboardContent {
    bool hasText = false;  // it holds plain text
    // The program that copied it marked it as not to be watched (a password
    // manager); also when that mark could not be read.
    bool secret = false;
    std::string text;  // UTF-8 with CR LF (or lone CR) line breaks
};

// What one read of the clipboard came back with: the content, or the failure.
struct ClipboardRead {
    ClipboardContent content{};
    std::optional<StepError> failure{};
};

// The system clipboard, plain text only, without ever making the window wait:
// the transfers run asynchronously, and another program that takes the clipboard
// and then never answers costs a failed read after the deadline, nothing more.
//
// Each done runs exactly once, on the window's thread, possibly before the call
// that started it returns. A port never calls done after it is destroyed.
class ClipboardPort {
  public:
    // done may keep the read: a large text changes hands without a copy.
    using ReadDone = std::function<void(ClipboardRead&& read)>;
    using WriteDone = std::function<void(const std::optional<StepError>& emptyFailure,
                                         const std::optional<StepError>& putFailure)>;

    // How long a transfer may take before it fails with the platform's timeout
    // error (ETIMEDOUT, ERROR_TIMEOUT).
    static constexpr std::chrono::milliseconds kDeadline{2000};

    virtual ~ClipboardPort() = default;
    // A number that changes whenever the clipboard's content changes, by any
    // program, this one included. Cheap: it never transfers, blocks or fails.
    virtual std::uint64_t ChangeCount() = 0;
    // Reads what the clipboard holds: the content, or the failure. The caller
    // starts no second read before done.
    virtual void Read(ReadDone done) = 0;
    // Empties the clipboard (every format goes) and puts text on it as plain text
    // only; done has the failure of each of the two steps. A secret text is put
    // with the platform's marks that keep clipboard histories and monitors from
    // keeping it.
    virtual void Write(std::string text, bool secret, WriteDone done) = 0;
};

}  // namespace textmend
