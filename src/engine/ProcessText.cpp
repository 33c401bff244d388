#include "engine/ProcessText.h"

#include <new>
#include <system_error>

#include "engine/StepError.h"
#include "engine/SystemError.h"
#include "engine/internal/CleanupSteps.h"
#include "engine/internal/LargeBuffer.h"
#include "engine/internal/LineRebuild.h"
#include "engine/internal/PipelineOps.h"

namespace textmend {

namespace {

void Report(const ErrorSink& sink, const StepError& failure) {
    if (sink) {
        sink(failure.number(), failure.description());
    }
}

// Runs one step; a failure goes to sink at once and the pipeline goes on.
template <class Step>
void RunStep(const ErrorSink& sink, Step step) {
    try {
        step();
    } catch (const StepError& failure) {
        Report(sink, failure);
    } catch (const std::system_error& failure) {
        Report(sink, StepError(failure.code().value(), failure.code().message()));
    } catch (const std::bad_alloc&) {
        Report(sink, OutOfMemoryError());
    }
}

using CaseConversion = void (*)(const std::string& temp, std::string& out);

// The conversion that writes the case mode's form of a text; none for Cleanse.
CaseConversion ConversionFor(CaseMode mode) {
    switch (mode) {
        case CaseMode::Upper:
            return internal::ToUpperInto;
        case CaseMode::Lower:
            return internal::ToLowerInto;
        case CaseMode::Proper:
            return internal::ToProperInto;
        case CaseMode::None:
        case CaseMode::Cleanse:
            break;
    }
    return nullptr;
}

bool UsesSpare(const OptionSet& options, const WordList* words) {
    return ConversionFor(options.caseMode) != nullptr || IsSet(options.remgt) ||
           IsSet(options.noblanks) || IsSet(options.remcrs) || IsSet(options.remcrdbl) ||
           (IsSet(options.joinwords) && words != nullptr);
}

}  // namespace

bool LeavesTextUnchanged(const OptionSet& options) {
    return ConversionFor(options.caseMode) == nullptr && !IsSet(options.remgt) &&
           !IsSet(options.dblspc) && !IsSet(options.sentence) && !IsSet(options.noblanks) &&
           !IsSet(options.trimcr) && !IsSet(options.remcrs) && !IsSet(options.remcrdbl) &&
           !IsSet(options.invisible) && !IsSet(options.plainpunct) && !IsSet(options.joinwords) &&
           !IsSet(options.trimspaces);
}

std::size_t ProcessingRoom(std::size_t size) {
    return internal::LineRebuildRoom(size);
}

std::string ProcessText(std::string text, const OptionSet& options, const ErrorSink& sink,
                        const ScratchFolders& folders, const WordList* words) {
    // Every step changes text in place or builds its new form in the one spare buffer,
    // so at most two buffers as large as the text are ever in use.
    internal::StepBuffers buffers;
    // Room for what the line steps make of the text, so that none of them needs a
    // larger buffer; what is never written costs nothing. When there is no such room,
    // each step asks for what it needs and reports its own failure.
    if (UsesSpare(options, words)) {
        try {
            internal::PrepareBuffer(buffers.spare, internal::LineRebuildRoom(text.size()),
                                    text.size());
        } catch (const std::bad_alloc&) {
        }
    }
    if (IsSet(options.invisible)) {
        RunStep(sink, [&] { internal::RemoveInvisibleInPlace(text); });
    }
    if (const CaseConversion convert = ConversionFor(options.caseMode)) {
        RunStep(sink, [&] {
            convert(text, buffers.spare);
            text.swap(buffers.spare);
        });
    }
    if (IsSet(options.plainpunct)) {
        RunStep(sink, [&] { internal::PlainPunctuationInPlace(text); });
    }
    if (IsSet(options.remgt)) {
        RunStep(sink, [&] { internal::RemoveQuoteMarkersInPlace(text, folders, buffers); });
    }
    if (IsSet(options.joinwords)) {
        RunStep(sink, [&] { internal::JoinSplitWords(text, words, buffers.spare); });
    }
    // Neither of the two sentence steps can fail, so when both are chosen they run as
    // one pass over the text.
    if (IsSet(options.dblspc) && IsSet(options.sentence)) {
        RunStep(sink, [&] { internal::RemoveDoubleSpacesThenCapitaliseInPlace(text); });
    } else if (IsSet(options.dblspc)) {
        RunStep(sink, [&] { internal::RemoveDoubleSpacesInPlace(text); });
    } else if (IsSet(options.sentence)) {
        RunStep(sink, [&] { internal::CapitaliseSentencesInPlace(text); });
    }
    if (IsSet(options.trimspaces)) {
        RunStep(sink, [&] { internal::TrimLineEndsInPlace(text); });
    }
    if (IsSet(options.noblanks)) {
        RunStep(sink, [&] { internal::RemoveBlankLinesInPlace(text, folders, buffers); });
    }
    if (IsSet(options.trimcr)) {
        RunStep(sink, [&] { internal::TrimEndInPlace(text); });
    }
    // Remove rtns 2X alone decides when set; its two passes are one step, so a failure
    // in either leaves the text as it was before the first.
    const bool keepLists = IsSet(options.keeplists);
    if (IsSet(options.remcrdbl)) {
        RunStep(sink, [&] {
            (keepLists ? internal::RemoveHardReturnsTwiceKeepingListsInPlace
                       : internal::RemoveHardReturnsTwiceInPlace)(text, folders, buffers);
        });
    } else if (IsSet(options.remcrs)) {
        RunStep(sink, [&] {
            (keepLists ? internal::RemoveHardReturnsKeepingListsInPlace
                       : internal::RemoveHardReturnsInPlace)(text, folders, buffers);
        });
    }
    return text;
}

}  // namespace textmend
