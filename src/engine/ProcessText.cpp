#include "engine/ProcessText.h"

#include <new>
#include <system_error>

#include "engine/CaseConversion.h"
#include "engine/InPlaceOps.h"
#include "engine/StepError.h"
#include "engine/SystemError.h"
#include "engine/TextOps.h"

namespace textmend {

namespace {

// Runs one step; a failure goes to sink and leaves text as the step left it.
template <class Step>
void RunStep(std::string& text, const ErrorSink& sink, Step step) {
    const auto report = [&sink](const StepError& failure) {
        if (sink) {
            sink(failure.number(), failure.description());
        }
    };
    try {
        step(text);
    } catch (const StepError& failure) {
        report(failure);
    } catch (const std::system_error& failure) {
        report(StepError(failure.code().value(), failure.code().message()));
    } catch (const std::bad_alloc&) {
        report(detail::OutOfMemoryError());
    }
}

std::string ConvertedCase(const std::string& text, CaseMode mode) {
    switch (mode) {
        case CaseMode::Upper:
            return ToUpper(text);
        case CaseMode::Lower:
            return ToLower(text);
        case CaseMode::Proper:
            return ToProper(text);
        case CaseMode::None:
        case CaseMode::Cleanse:
            break;
    }
    return text;
}

}  // namespace

std::string ProcessText(const std::string& text, const OptionSet& options, const ErrorSink& sink,
                        const ScratchFolders& folders) {
    // The case step reads text itself, which spares a copy of the whole text.
    std::string temp;
    bool converted = false;
    RunStep(temp, sink, [&](std::string& t) {
        t = ConvertedCase(text, options.caseMode);
        converted = true;
    });
    if (!converted) {
        temp = text;
    }
    if (IsSet(options.remgt)) {
        RunStep(temp, sink, [&](std::string& t) { t = remGT(t, folders); });
    }
    if (IsSet(options.dblspc)) {
        RunStep(temp, sink, [](std::string& t) { t = remDblspc(t); });
    }
    if (IsSet(options.sentence)) {
        RunStep(temp, sink, [](std::string& t) { detail::CapitaliseSentencesInPlace(t); });
    }
    if (IsSet(options.noblanks)) {
        RunStep(temp, sink, [&](std::string& t) { t = remBlanks(t, folders); });
    }
    if (IsSet(options.trimcr)) {
        RunStep(temp, sink, [](std::string& t) { detail::TrimEndInPlace(t); });
    }
    // Remove rtns 2X alone decides when set; its two passes are one step, so a failure
    // in either leaves the text as it was before the first.
    if (IsSet(options.remcrdbl)) {
        RunStep(temp, sink, [&](std::string& t) { t = remCRs(remCRs(t, folders), folders); });
    } else if (IsSet(options.remcrs)) {
        RunStep(temp, sink, [&](std::string& t) { t = remCRs(t, folders); });
    }
    return temp;
}

}  // namespace textmend
