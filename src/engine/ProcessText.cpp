#include "engine/ProcessText.h"

#include <new>
#include <system_error>

#include "engine/LargeBuffer.h"
#include "engine/LineRebuild.h"
#include "engine/PipelineOps.h"
#include "engine/StepError.h"
#include "engine/SystemError.h"

namespace textmend {

namespace {

void Report(const ErrorSink& sink, const StepError& failure) {
    if (sink) {
        sink(failure.number(), failure.description());
    }
}

// Runs one step; a failure goes to sink at once. Returns whether the step succeeded.
template <class Step>
bool RunStep(const ErrorSink& sink, Step step) {
    try {
        step();
        return true;
    } catch (const StepError& failure) {
        Report(sink, failure);
    } catch (const std::system_error& failure) {
        Report(sink, StepError(failure.code().value(), failure.code().message()));
    } catch (const std::bad_alloc&) {
        Report(sink, detail::OutOfMemoryError());
    }
    return false;
}

void ConvertCaseInto(const std::string& text, CaseMode mode, std::string& out) {
    switch (mode) {
        case CaseMode::Upper:
            detail::ToUpperInto(text, out);
            return;
        case CaseMode::Lower:
            detail::ToLowerInto(text, out);
            return;
        case CaseMode::Proper:
            detail::ToProperInto(text, out);
            return;
        case CaseMode::None:
        case CaseMode::Cleanse:
            break;
    }
    out = text;
}

}  // namespace

std::string ProcessText(const std::string& text, const OptionSet& options, const ErrorSink& sink,
                        const ScratchFolders& folders) {
    // The case step reads the caller's text itself, which spares a copy of it; every
    // later step changes the text in place, so one buffer serves the whole pipeline.
    std::string temp;
    // Room for what the line steps make of the text, so that none of them needs a
    // larger buffer; what is never written costs nothing. When there is no such room,
    // each step asks for what it needs and reports its own failure.
    try {
        detail::PrepareBuffer(temp, detail::LineRebuildRoom(text.size()));
    } catch (const std::bad_alloc&) {
    }
    if (!RunStep(sink, [&] { ConvertCaseInto(text, options.caseMode, temp); })) {
        temp = text;
    }
    if (IsSet(options.remgt)) {
        RunStep(sink, [&] { detail::RemoveQuoteMarkersInPlace(temp, folders); });
    }
    if (IsSet(options.dblspc)) {
        RunStep(sink, [&] { detail::RemoveDoubleSpacesInPlace(temp); });
    }
    if (IsSet(options.sentence)) {
        RunStep(sink, [&] { detail::CapitaliseSentencesInPlace(temp); });
    }
    if (IsSet(options.noblanks)) {
        RunStep(sink, [&] { detail::RemoveBlankLinesInPlace(temp, folders); });
    }
    if (IsSet(options.trimcr)) {
        RunStep(sink, [&] { detail::TrimEndInPlace(temp); });
    }
    // Remove rtns 2X alone decides when set; its two passes are one step, so a failure
    // in either leaves the text as it was before the first.
    if (IsSet(options.remcrdbl)) {
        RunStep(sink, [&] { detail::RemoveHardReturnsTwiceInPlace(temp, folders); });
    } else if (IsSet(options.remcrs)) {
        RunStep(sink, [&] { detail::RemoveHardReturnsInPlace(temp, folders); });
    }
    return temp;
}

}  // namespace textmend
