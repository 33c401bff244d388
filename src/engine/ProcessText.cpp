#include "engine/ProcessText.h"

#include <new>
#include <system_error>
#include <utility>

#include "engine/PipelineOps.h"
#include "engine/StepError.h"
#include "engine/SystemError.h"

namespace textmend {

namespace {

// The pipeline's text and the buffers its steps write into. A step that succeeds
// swaps its result in; the old text's storage serves the next step, so a big text is
// not allocated afresh at every step.
struct PipelineText {
    std::string text;
    std::string spare;
};

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

// A step that writes its result into the spare buffer: on success the result becomes
// the text; on failure the text stays as it was.
template <class Step>
void RunStepInto(PipelineText& t, const ErrorSink& sink, Step step) {
    if (RunStep(sink, [&] { step(t.text, t.spare); })) {
        std::swap(t.text, t.spare);
    }
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
    PipelineText t;
    // The case step reads the caller's text itself, which spares a copy of it.
    if (!RunStep(sink, [&] { ConvertCaseInto(text, options.caseMode, t.text); })) {
        t.text = text;
    }
    if (IsSet(options.remgt)) {
        RunStepInto(t, sink, [&](const std::string& in, std::string& out) {
            detail::RemoveQuoteMarkersInto(in, folders, out);
        });
    }
    if (IsSet(options.dblspc)) {
        RunStepInto(t, sink, detail::RemoveDoubleSpacesInto);
    }
    if (IsSet(options.sentence)) {
        RunStep(sink, [&] { detail::CapitaliseSentencesInPlace(t.text); });
    }
    if (IsSet(options.noblanks)) {
        RunStepInto(t, sink, [&](const std::string& in, std::string& out) {
            detail::RemoveBlankLinesInto(in, folders, out);
        });
    }
    if (IsSet(options.trimcr)) {
        RunStep(sink, [&] { detail::TrimEndInPlace(t.text); });
    }
    // Remove rtns 2X alone decides when set; its two passes are one step, so a failure
    // in either leaves the text as it was before the first.
    if (IsSet(options.remcrdbl)) {
        RunStepInto(t, sink, [&](const std::string& in, std::string& out) {
            detail::RemoveHardReturnsInto(in, folders, out);
            detail::RemoveHardReturnsInto(out, folders, out);
        });
    } else if (IsSet(options.remcrs)) {
        RunStepInto(t, sink, [&](const std::string& in, std::string& out) {
            detail::RemoveHardReturnsInto(in, folders, out);
        });
    }
    return std::move(t.text);
}

}  // namespace textmend
