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

void FailOnStepError(std::int32_t number, const std::string& description) {
    std::fprintf(stderr,
                 "\n*** invariant broken: a step failed with a usable scratch folder: %d %s\n",
                 number, description.c_str());
    std::abort();
}

// Byte 0: bits 0 to 2 pick the case mode (None included), bits 3 to 6 are the first four
// later clean-ups, bit 7 makes clear flags read as grayed. Byte 1: bits 0 to 6 are the
// seven flags, bit 7 is Keep list items.
OptionSet OptionsFrom(std::uint8_t first, std::uint8_t second) {
    constexpr CaseMode kModes[] = {CaseMode::None, CaseMode::Cleanse, CaseMode::Upper,
                                   CaseMode::Lower, CaseMode::Proper};
    CheckState OptionSet::*const kFlags[] = {
        &OptionSet::remgt,      &OptionSet::dblspc,    &OptionSet::sentence,
        &OptionSet::noblanks,   &OptionSet::trimcr,    &OptionSet::remcrs,
        &OptionSet::remcrdbl,   &OptionSet::keeplists, &OptionSet::invisible,
        &OptionSet::plainpunct, &OptionSet::joinwords, &OptionSet::trimspaces};
    const unsigned bits = second | ((first >> 3u & 0x0fu) << 8u);
    OptionSet options;
    options.caseMode = kModes[(first & 0x07) % std::size(kModes)];
    const CheckState unset = (first & 0x80) != 0 ? CheckState::Grayed : CheckState::Clear;
    for (std::size_t i = 0; i < std::size(kFlags); ++i) {
        options.*kFlags[i] = (bits >> i & 1) != 0 ? CheckState::Set : unset;
    }
    return options;
}

// A dictionary that knows the words of an even number of bytes, for Join split words'
// refinement.
class EvenWords : public WordList {
  public:
    bool Known(std::string_view word) const override { return word.size() % 2 == 0; }
};

bool HasBlankBeforeBreak(const std::string& text) {
    for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', cr + 1)) {
        if (cr > 0 && (text[cr - 1] == ' ' || text[cr - 1] == '\t')) {
            return true;
        }
    }
    return !text.empty() && (text.back() == ' ' || text.back() == '\t');
}

bool HasControlButTabLfCr(const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7f) {
            return true;
        }
    }
    return false;
}

// The text with only the one later clean-up chosen.
std::string WithOnly(CheckState OptionSet::*flag, const std::string& text) {
    OptionSet options;
    options.*flag = CheckState::Set;
    return ProcessText(text, options, FailOnStepError, Scratch());
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

    // Texts of an odd length join split words with the dictionary, the others without.
    const EvenWords evenWords;
    ProcessText(text, options, FailOnStepError, Scratch(),
                text.size() % 2 != 0 ? &evenWords : nullptr);

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
    if (HasBlankBeforeBreak(WithOnly(&OptionSet::trimspaces, text))) {
        Broken("Trim line ends must leave no space or tab before a break or at the end", text);
    }
    if (HasControlButTabLfCr(WithOnly(&OptionSet::invisible, text))) {
        Broken("Remove invisible must leave no control but tab, LF and CR", text);
    }
    for (auto flag : {&OptionSet::invisible, &OptionSet::plainpunct, &OptionSet::joinwords}) {
        if (WithOnly(flag, text).size() > text.size()) {
            Broken("the later clean-ups must never lengthen the text", text);
        }
    }
    const std::string upper = ToUpper(text);
    if (ToUpper(upper) != upper) {
        Broken("Upper applied twice must equal Upper applied once", text);
    }
    return 0;
}
