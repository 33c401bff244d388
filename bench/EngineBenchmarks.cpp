// Throughput of the text engine: the whole pipeline with every option on (Pipeline: the
// first seven clean-ups; PipelineAll: all twelve), and each operation alone, on the
// generated corpus at 1, 10 and 50 MB; the later clean-ups and PipelineAll run on the
// corpus with what those act on added, a little larger. Every figure is also given as
// MB/s (10^6 bytes a second) of CPU time, user and system: the machines that run it are
// shared, and waiting for a core says nothing about the engine.
//
// Upper, Lower and Proper are timed as the pipeline runs them, writing into an output
// buffer that is reused from one run to the next, as tr reuses its buffer; ToUpper,
// ToLower and ToProper time the public functions, which return a new string each time
// and so also pay for fresh memory (page faults, zero-filling by the system). The
// pipeline is handed a fresh copy of the corpus each time, made outside the timing, and
// works in it, as the filter has it work in what it reads.
//
// --corpus-dir=DIR reads DIR/corpus-<N>.txt instead of generating the corpus, so the
// engine is timed on the very files other programs are timed on.

#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CorpusGenerator.h"
#include "engine/CaseConversion.h"
#include "engine/ProcessText.h"
#include "engine/internal/CleanupSteps.h"
#include "engine/internal/PipelineOps.h"
#include "engine/reference/TextOps.h"

namespace textmend::bench {
namespace {

std::filesystem::path corpusFolder;

const std::string& Corpus(int megabytes) {
    static std::map<int, std::string> corpora;
    auto found = corpora.find(megabytes);
    if (found == corpora.end()) {
        std::string text;
        if (corpusFolder.empty()) {
            text = GenerateCorpus(static_cast<std::size_t>(megabytes) * kMegabyte);
        } else {
            const auto path = corpusFolder / ("corpus-" + std::to_string(megabytes) + ".txt");
            std::ifstream file(path, std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
                std::exit(1);
            }
            text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        }
        found = corpora.emplace(megabytes, std::move(text)).first;
    }
    return found->second;
}

// The corpus with what the later clean-ups act on, as text copied today has it: every
// fourth line that ends in a letter hyphenated at its end, every eighth ending in a space,
// every sixteenth space one of a no-break space, a curly quote, a long dash, a zero-width
// space or a soft hyphen.
const std::string& MarkedCorpus(int megabytes) {
    static std::map<int, std::string> corpora;
    auto found = corpora.find(megabytes);
    if (found != corpora.end()) {
        return found->second;
    }
    static constexpr std::string_view kSpaces[] = {"\u00A0", "\u2019", "\u201C",
                                                   "\u2014", "\u200B", "\u00AD"};
    const std::string& plain = Corpus(megabytes);
    std::string marked;
    marked.reserve(plain.size() + plain.size() / 16);
    std::size_t lines = 0;
    std::size_t spaces = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        if (c == '\r' && i > 0) {
            ++lines;
            const auto before = static_cast<unsigned char>(plain[i - 1]);
            if (lines % 4 == 0 && std::isalpha(before) != 0) {
                marked += '-';
            } else if (lines % 8 == 1) {
                marked += ' ';
            }
        } else if (c == ' ' && ++spaces % 16 == 0) {
            marked += kSpaces[(spaces / 16) % std::size(kSpaces)];
            continue;
        }
        marked += c;
    }
    return corpora.emplace(megabytes, std::move(marked)).first->second;
}

const ScratchFolders& Scratch() {
    static const ScratchFolders folders = DefaultScratchFolders();
    return folders;
}

void ReportThroughput(benchmark::State& state, std::size_t bytes) {
    const auto total = static_cast<double>(bytes) * static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(total));
    state.counters["MB/s"] = benchmark::Counter(total / 1e6, benchmark::Counter::kIsRate);
}

// Times an operation that leaves its argument alone.
template <typename Operation>
void TimeOperation(benchmark::State& state, Operation operation) {
    const std::string& corpus = Corpus(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string result = operation(corpus);
        benchmark::DoNotOptimize(result.data());
    }
    ReportThroughput(state, corpus.size());
}

// Times an operation that rewrites its argument: each run gets a fresh copy, made
// outside the timing.
template <typename Operation>
void TimeInPlaceOperation(benchmark::State& state, Operation operation,
                          const std::string& (*corpusOf)(int) = Corpus) {
    const std::string& corpus = corpusOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::string temp = corpus;
        state.ResumeTiming();
        std::string result = operation(temp);
        benchmark::DoNotOptimize(result.data());
    }
    ReportThroughput(state, corpus.size());
}

void FailOnStepError(std::int32_t number, const std::string& description) {
    std::fprintf(stderr, "a step failed: %d %s\n", number, description.c_str());
    std::exit(1);
}

void Pipeline(benchmark::State& state) {
    OptionSet everything;
    everything.caseMode = CaseMode::Proper;
    everything.remgt = everything.dblspc = everything.sentence = everything.noblanks =
        everything.trimcr = everything.remcrs = everything.remcrdbl = CheckState::Set;
    TimeInPlaceOperation(state, [&](std::string& text) {
        return ProcessText(std::move(text), everything, FailOnStepError, Scratch());
    });
}

// Every option on, the five later clean-ups too (Join split words without a dictionary).
void PipelineAll(benchmark::State& state) {
    OptionSet everything;
    everything.caseMode = CaseMode::Proper;
    everything.remgt = everything.dblspc = everything.sentence = everything.noblanks =
        everything.trimcr = everything.remcrs = everything.remcrdbl = everything.invisible =
            everything.plainpunct = everything.joinwords = everything.trimspaces =
                everything.keeplists = CheckState::Set;
    TimeInPlaceOperation(
        state,
        [&](std::string& text) {
            return ProcessText(std::move(text), everything, FailOnStepError, Scratch());
        },
        MarkedCorpus);
}

// Times a step that rewrites the text in place, as the pipeline runs it, on the corpus
// with what the later clean-ups act on.
template <typename Step>
void TimeStepInPlace(benchmark::State& state, Step step) {
    TimeInPlaceOperation(
        state,
        [&](std::string& text) {
            step(text);
            return std::move(text);
        },
        MarkedCorpus);
}

// Times a case conversion writing into one output buffer kept from run to run.
template <typename Conversion>
void TimeConversionIntoReusedBuffer(benchmark::State& state, Conversion conversion) {
    const std::string& corpus = Corpus(static_cast<int>(state.range(0)));
    std::string out;
    for (auto _ : state) {
        conversion(corpus, out);
        benchmark::DoNotOptimize(out.data());
    }
    ReportThroughput(state, corpus.size());
}

void Upper(benchmark::State& state) {
    TimeConversionIntoReusedBuffer(state, internal::ToUpperInto);
}
void Lower(benchmark::State& state) {
    TimeConversionIntoReusedBuffer(state, internal::ToLowerInto);
}
void Proper(benchmark::State& state) {
    TimeConversionIntoReusedBuffer(state, internal::ToProperInto);
}
void UpperNewString(benchmark::State& state) {
    TimeOperation(state, ToUpper);
}
void LowerNewString(benchmark::State& state) {
    TimeOperation(state, ToLower);
}
void ProperNewString(benchmark::State& state) {
    TimeOperation(state, ToProper);
}
void RemGT(benchmark::State& state) {
    TimeOperation(state, [](const std::string& text) { return reference::remGT(text, Scratch()); });
}
void RemDblspc(benchmark::State& state) {
    TimeOperation(state, reference::remDblspc);
}
void SentenceCapitals(benchmark::State& state) {
    TimeInPlaceOperation(state, reference::Sentence);
}
void RemBlanks(benchmark::State& state) {
    TimeOperation(state,
                  [](const std::string& text) { return reference::remBlanks(text, Scratch()); });
}
void TrimCR(benchmark::State& state) {
    TimeInPlaceOperation(state, reference::trimCR);
}
void RemCRs(benchmark::State& state) {
    TimeOperation(state,
                  [](const std::string& text) { return reference::remCRs(text, Scratch()); });
}

void RemoveInvisible(benchmark::State& state) {
    TimeStepInPlace(state, internal::RemoveInvisibleInPlace);
}
void PlainPunctuation(benchmark::State& state) {
    TimeStepInPlace(state, internal::PlainPunctuationInPlace);
}
void JoinSplitWords(benchmark::State& state) {
    std::string spare;
    TimeStepInPlace(state,
                    [&](std::string& text) { internal::JoinSplitWords(text, nullptr, spare); });
}
void TrimLineEnds(benchmark::State& state) {
    TimeStepInPlace(state, internal::TrimLineEndsInPlace);
}
// Remove returns with Keep list items, beside remCRs.
void RemCRsKeepingLists(benchmark::State& state) {
    internal::StepBuffers buffers;
    TimeStepInPlace(state, [&](std::string& text) {
        internal::RemoveHardReturnsKeepingListsInPlace(text, Scratch(), buffers);
    });
}

void Register(const char* name, void (*function)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, function)
        ->Arg(1)
        ->Arg(10)
        ->Arg(50)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3);
}

}  // namespace
}  // namespace textmend::bench

int main(int argc, char** argv) {
    using namespace textmend::bench;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--corpus-dir=")) {
            corpusFolder = argument.substr(std::string_view("--corpus-dir=").size());
        } else {
            arguments.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::AddCustomContext(
        "case conversions",
        "Upper, Lower, Proper write into an output buffer reused from run to run; "
        "ToUpper, ToLower, ToProper return a new string each run");
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 2;
    }
    Register("Pipeline", Pipeline);
    Register("Upper", Upper);
    Register("Lower", Lower);
    Register("Proper", Proper);
    Register("ToUpper", UpperNewString);
    Register("ToLower", LowerNewString);
    Register("ToProper", ProperNewString);
    Register("remGT", RemGT);
    Register("remDblspc", RemDblspc);
    Register("Sentence", SentenceCapitals);
    Register("remBlanks", RemBlanks);
    Register("trimCR", TrimCR);
    Register("remCRs", RemCRs);
    Register("PipelineAll", PipelineAll);
    Register("invisible", RemoveInvisible);
    Register("plainpunct", PlainPunctuation);
    Register("joinwords", JoinSplitWords);
    Register("trimspaces", TrimLineEnds);
    Register("remCRsKeepLists", RemCRsKeepingLists);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
