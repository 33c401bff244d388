#pragma once

// One run of the Process command, whichever route asked for it, and how it ended.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/ClipboardPort.h"

namespace textmend {

// Who asked for a run. The window makes the text and ends the run by its route.
enum class ProcessRoute : std::uint8_t {
    Command,  // the Process button or the popup's Process
    Watcher,  // Autoprocess: the watcher found a newly copied text
    Hotkey,   // clean and paste
    Restore,  // Restore original: the text read before goes back as it was
    Remote,   // textmend --process: another start of the program asked
};

struct ProcessRequest {
    ProcessRoute route = ProcessRoute::Command;
    // What the run starts from instead of reading the clipboard: the watcher's
    // read, or the text Restore original puts back.
    std::optional<ClipboardRead> read{};
};

struct ProcessOutcome {
    // The routes the run served: the one that asked, then the watcher when it
    // found news in the very read the run was waiting for.
    std::vector<ProcessRoute> routes{};
    // The text the run put, or tried to put, on the clipboard; nothing when it
    // ended before (a failed read, no text).
    std::optional<std::string> text{};
    std::optional<StepError> emptyFailure{};
    std::optional<StepError> putFailure{};

    // Whether the clipboard holds text now.
    bool Put() const { return text && !putFailure; }
};

// What a run leaves to the window that owns the pipeline.
class ProcessHost {
  public:
    virtual ~ProcessHost() = default;
    // The text a run puts on the clipboard, made from what it read (which it may
    // keep); nothing ends the run there and leaves the clipboard as it is.
    virtual std::optional<std::string> TextToPut(ProcessRoute route, ClipboardRead read) = 0;
    // A run has ended; the watcher has already taken the text put as seen.
    virtual void ProcessEnded(const ProcessOutcome& outcome) = 0;
    // A read of the watcher's failed.
    virtual void ShowError(const StepError& error) = 0;
    // Whether a newly copied text is to be processed (Autoprocess is on).
    virtual bool ProcessesNews() const = 0;
};

}  // namespace textmend
