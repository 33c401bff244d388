// libFuzzer target over the text engine. The first two bytes of an input choose the
// options, the rest is the text. Besides the sanitizers' own checks it enforces what
// must hold for every text, and aborts with a message naming the rule it caught.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/CaseConversion.h"
#include "engine/ProcessText.h"
#include "engine/reference/TextOps.h"

namespace {

using namespace textmend;

const ScratchFolders& Scratch() {
    static const ScratchFolders folders{{std::filesystem::path(TEXTMEND_FUZZ_SCRATCH)}};
    return folders;
}

[[noreturn]] void Broken(const char* rule, const std::string& text) {
    std::fprintf(stderr, "\n*** invariant broken: %s (text of %zu bytes)\n", rule, text.size());
    std::abort();
}

bool EndsWith(const std::string& text, std::string_view end) {
    return std::string_view(text).ends_with(end);
}

bool HasLoneCR(const std::string& text) {
    for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', cr + 1)) {
        if (cr + 1 == text.size() || text[cr + 1] != '\n') {
            return true;
        }
    }
    return false;
}

// Byte 0 picks the case mode (None included) and whether clear flags read as grayed;
// the low seven bits of byte 1 are the seven flags.
OptionSet OptionsFrom(std::uint8_t first, std::uint8_t second) {
    constexpr CaseMode kModes[] = {CaseMode::None, CaseMode::Cleanse, CaseMode::Upper,
                                   CaseMode::Lower, CaseMode::Proper};
    CheckState OptionSet::*const kFlags[] = {
        &OptionSet::remgt,  &OptionSet::dblspc, &OptionSet::sentence, &OptionSet::noblanks,
        &OptionSet::trimcr, &OptionSet::remcrs, &OptionSet::remcrdbl};
    OptionSet options;
    options.caseMode = kModes[(first & 0x7f) % std::size(kModes)];
    const CheckState unset = (first & 0x80) != 0 ? CheckState::Grayed : CheckState::Clear;
    for (std::size_t i = 0; i < std::size(kFlags); ++i) {
        options.*kFlags[i] = (second >> i & 1) != 0 ? CheckState::Set : unset;
    }
    return options;
}

void FailOnStepError(std::int32_t number, const std::string& description) {
    std::fprintf(stderr,
                 "\n*** invariant broken: a step failed with a usable scratch folder: %d %s\n",
                 number, description.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::create_directories(TEXTMEND_FUZZ_SCRATCH);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const OptionSet options = OptionsFrom(data[0], data[1]);
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    ProcessText(text, options, FailOnStepError, Scratch());

    if (!EndsWith(reference::remGT(text, Scratch()), "\r\n")) {
        Broken("remGT output must end in CR LF", text);
    }
    if (HasLoneCR(reference::remCRs(text, Scratch()))) {
        Broken("remCRs output must hold no lone CR", text);
    }
    std::string trimmed = text;
    if (EndsWith(reference::trimCR(trimmed), "\r\n")) {
        Broken("trimCR output must not end in CR LF", text);
    }
    const std::string upper = ToUpper(text);
    if (ToUpper(upper) != upper) {
        Broken("Upper applied twice must equal Upper applied once", text);
    }
    return 0;
}
