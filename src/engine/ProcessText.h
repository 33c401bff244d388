#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/LinePass.h"
#include "engine/OptionSet.h"
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

}  // namespace textmend
