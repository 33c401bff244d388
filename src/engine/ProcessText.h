#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/OptionSet.h"
#include "engine/ScratchFolders.h"
#include "engine/WordList.h"

namespace textmend {

// Receives each failed step's number and description at the moment it fails.
using ErrorSink = std::function<void(std::int32_t number, const std::string& description)>;

// Converts the case, then runs the chosen clean-up steps in their fixed order.
// A failing step is reported to sink and skipped; the pipeline never throws. The
// steps work in text's own storage: a caller that has no more use for its text moves
// it in and spares a copy. Join split words consults words when there are any.
std::string ProcessText(std::string text, const OptionSet& options, const ErrorSink& sink,
                        const ScratchFolders& folders = DefaultScratchFolders(),
                        const WordList* words = nullptr);

// Whether ProcessText gives back every text as it is with these options: no case
// conversion and no clean-up step.
bool LeavesTextUnchanged(const OptionSet& options);

// The storage a text of size bytes should come in for ProcessText never to grow it
// (see ReserveText).
std::size_t ProcessingRoom(std::size_t size);

// Makes room for capacity bytes in text, keeping what it holds. Large room is put on the
// platform's large memory pages where that is possible, and the part of it up to
// expectedSize (the size text is about to reach) is made ready at once, on two
// processors where there are two: every fresh page costs the system a fault when first
// written, which is cheaper for large pages and cheaper still shared out.
void ReserveText(std::string& text, std::size_t capacity, std::size_t expectedSize);

}  // namespace textmend
