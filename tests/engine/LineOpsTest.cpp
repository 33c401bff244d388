// remGT, remBlanks and remCRs: the operations that go line by line.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "engine/StepError.h"
#include "engine/internal/LineRebuild.h"
#include "engine/internal/PipelineOps.h"
#include "engine/reference/TextOps.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace textmend {
namespace {

using test::Repeat;
using test::TempFolder;
using namespace std::string_literals;

struct OpCase {
    std::string input;
    std::string expected;
};

const OpCase kRemGtCases[] = {
    {"> quoted", "quoted\r\n"},
    {">> >quoted", "quoted\r\n"},
    {"  >>x", "x\r\n"},
    {">", "\r\n"},
    {"> ", "\r\n"},
    {"\t> x", "\t> x\r\n"},
    {"a > b", "a > b\r\n"},
    {">x >y", "x >y\r\n"},
    {"> x  ", "x  \r\n"},
    {"   indented", "indented\r\n"},
    {"> \t>x", "\t>x\r\n"},
    {"one\r\ntwo", "one\r\ntwo\r\n"},
    {"one\r\n", "one\r\n\r\n"},
    {"one\rtwo", "one\r\ntwo\r\n"},
    {"", "\r\n"},
    {"> a\r\n>> b\r\n>\r\nc", "a\r\nb\r\n\r\nc\r\n"},
    {"> a\n> b", "a\n> b\r\n"},
    {">\0x\xff"s, "\0x\xff\r\n"s},
    {"  >  > >   x  y > ", "x  y > \r\n"},
};

const OpCase kRemBlanksCases[] = {
    {"one\r\n\r\ntwo", "one\r\ntwo\r\n"},
    {"  one \r\n\ttwo", "one\r\ntwo\r\n"},
    {"one\r\n \t \r\ntwo", "one\r\ntwo\r\n"},
    {"one", "one\r\n"},
    {"", ""},
    {"\r\n\r\n", ""},
    {" \r\n\t\r", ""},
    {"one\rtwo", "one\r\ntwo\r\n"},
    {"\t \tx", " \tx\r\n"},
    {"one\r\n\n\r\ntwo", "one\r\n\n\r\ntwo\r\n"},
    {"a\0\r\n\xc3\r\n"s, "a\0\r\n\xc3\r\n"s},
    {"   \t\t  a b   \r\n        \r\nc", "  a b\r\nc\r\n"},
};

const OpCase kRemCrsCases[] = {
    {"one\r\ntwo\r\nthree", "one two three"},
    {"one\r\n\r\ntwo", "one\r\n\r\ntwo"},
    {"one\r\n\r\n\r\ntwo", "one\r\n\r\n\r\n\r\ntwo"},
    {"one\r\n", "one\r\n\r\n"},
    {"\r\none\r\ntwo", " one two"},
    {"\r\n\r\none", "\r\n\r\none"},
    {"one\rtwo", "one two"},
    {"one\ntwo", "one\ntwo"},
    {"  one  \r\n \t two", "one  two"},
    {"one\r\n \t\r\ntwo", "one\r\n\r\ntwo"},
    {"", ""},
    {"  one \t ", "one \t"},
    {"\r\n", "\r\n\r\n"},
    {"\r\n\r\n\r\n", "\r\n\r\n\r\n\r\n\r\n\r\n"},
    {"a\r\n\r\nb\r\nc\r\n", "a\r\n\r\nb c\r\n\r\n"},
    {"\ta\r\n\tb", "a b"},
    {"x\0\r\n\xff"s, "x\0 \xff"s},
    {"first\r\n   second line  \r\n      \r\n  \t third ", "first second line\r\n\r\n third"},
};

const OpCase kRemCrsTwiceCases[] = {
    {"one\r\n", "one\r\n\r\n\r\n\r\n"},
    {"\r\none\r\ntwo", "one two"},
    {"one\r\n\r\ntwo", "one\r\n\r\ntwo"},
    {"one\r\n\r\n\r\ntwo", "one\r\n\r\n\r\n\r\n\r\n\r\ntwo"},
    {"\t  x", "x"},
    {"a\r\nb\r\n\r\nc", "a b\r\n\r\nc"},
    {"\r\n", "\r\n\r\n\r\n\r\n"},
    {"", ""},
};

class LineOps : public ::testing::Test {
  protected:
    ScratchFolders folders() const { return test::FoldersOf({folder_.path()}); }
    const std::filesystem::path& folder() const { return folder_.path(); }

  private:
    TempFolder folder_;
};

TEST_F(LineOps, RemGtRemovesQuoteMarkersAtLineStarts) {
    for (const auto& c : kRemGtCases) {
        EXPECT_EQ(reference::remGT(c.input, folders()), c.expected) << c.input;
    }
}

TEST_F(LineOps, RemBlanksDropsBlankLinesAndTrimsTheRest) {
    for (const auto& c : kRemBlanksCases) {
        EXPECT_EQ(reference::remBlanks(c.input, folders()), c.expected) << c.input;
    }
}

TEST_F(LineOps, RemCrsJoinsParagraphLinesOnce) {
    for (const auto& c : kRemCrsCases) {
        EXPECT_EQ(reference::remCRs(c.input, folders()), c.expected) << c.input;
    }
}

TEST_F(LineOps, RemCrsTwiceAsRemoveReturnsTwice) {
    for (const auto& c : kRemCrsTwiceCases) {
        EXPECT_EQ(reference::remCRs(reference::remCRs(c.input, folders()), folders()), c.expected)
            << c.input;
    }
}

TEST_F(LineOps, LongTabLedLinesHaveNoLimit) {
    const std::string body(40000, 'x');
    EXPECT_EQ(reference::remCRs(" \t" + body, folders()), body);
    EXPECT_EQ(reference::remBlanks("\t\t" + body + "\r\n", folders()), body + "\r\n");
    EXPECT_EQ(reference::remGT("> \t" + body, folders()), "\t" + body + "\r\n");
}

TEST_F(LineOps, LongTexts) {
    EXPECT_EQ(reference::remCRs(Repeat("word\r\n", 30000), folders()),
              "word" + Repeat(" word", 29999) + "\r\n\r\n");
    EXPECT_EQ(reference::remGT(Repeat("> q\r\n", 30000), folders()),
              Repeat("q\r\n", 30000) + "\r\n");
    EXPECT_EQ(reference::remBlanks(Repeat("b\r\n \r\n", 30000), folders()), Repeat("b\r\n", 30000));
}

// A text made of pieces drawn at random, and what an operation makes of it piece by
// piece. remGT and remBlanks copy the lines they leave alone in runs: the changed
// lines must still come out right wherever they fall among them.
struct Piece {
    std::string input;
    std::string output;
};

std::pair<std::string, std::string> Compose(const std::vector<Piece>& pieces, std::size_t count,
                                            unsigned seed) {
    std::mt19937 random(seed);
    std::pair<std::string, std::string> text;
    for (std::size_t i = 0; i < count; ++i) {
        const Piece& piece = pieces[random() % pieces.size()];
        text.first += piece.input;
        text.second += piece.output;
    }
    return text;
}

TEST_F(LineOps, ChangedLinesAmongUnchangedOnes) {
    const std::vector<Piece> quoted = {
        {"plain line\r\n", "plain line\r\n"},
        {"> quoted\r\n", "quoted\r\n"},
        {"  >> deep\r\n", "deep\r\n"},
        {"lone break\r", "lone break\r\n"},
        {"\r\n", "\r\n"},
        {"a > b \r\n", "a > b \r\n"},
        {"\tx\r\n", "\tx\r\n"},
    };
    const std::vector<Piece> blanks = {
        {"plain line\r\n", "plain line\r\n"}, {" padded \r\n", "padded\r\n"},
        {"\t\ttabbed\r\n", "tabbed\r\n"},     {" \t \r\n", ""},
        {"lone break\r", "lone break\r\n"},   {"\r\n", ""},
        {"end space \r\n", "end space\r\n"},  {"a\tb\r\n", "a\tb\r\n"},
    };
    for (unsigned seed = 1; seed <= 20; ++seed) {
        // The pass adds a CR LF: one more, empty, line at the end.
        const auto [quotedText, quotedExpected] = Compose(quoted, 50 * seed, seed);
        EXPECT_EQ(reference::remGT(quotedText, folders()), quotedExpected + "\r\n") << seed;
        const auto [blankText, blankExpected] = Compose(blanks, 50 * seed, seed);
        EXPECT_EQ(reference::remBlanks(blankText, folders()), blankExpected) << seed;
    }
}

// As the pipeline runs them: over the text itself, even when the result outgrows the
// text's storage.
TEST_F(LineOps, EachOverItsOwnText) {
    using Operation = void (*)(std::string&, const ScratchFolders&, internal::StepBuffers&);
    struct InPlaceCase {
        const char* name;
        Operation operation;
        std::string input;
        std::string expected;
    };
    const InPlaceCase cases[] = {
        {"remGT", internal::RemoveQuoteMarkersInPlace, "> a\r\n>> b", "a\r\nb\r\n"},
        {"remGT, empty", internal::RemoveQuoteMarkersInPlace, "", "\r\n"},
        {"remGT, lone CRs grow", internal::RemoveQuoteMarkersInPlace, Repeat("\r", 5000),
         Repeat("\r\n", 5001)},
        {"remBlanks", internal::RemoveBlankLinesInPlace, " a \r\n\r\nb", "a\r\nb\r\n"},
        {"remBlanks, lone CRs grow", internal::RemoveBlankLinesInPlace, Repeat("a\r", 5000),
         Repeat("a\r\n", 5000)},
        {"remCRs", internal::RemoveHardReturnsInPlace, "a\r\nb\r\n\r\nc", "a b\r\n\r\nc"},
        {"remCRs, long", internal::RemoveHardReturnsInPlace, Repeat("w\r", 5000),
         "w" + Repeat(" w", 4999) + "\r\n\r\n"},
        {"remCRs twice", internal::RemoveHardReturnsTwiceInPlace, "a\r\nb\r\n\r\nc\r\n",
         "a b\r\n\r\nc\r\n\r\n\r\n\r\n"},
        {"remCRs twice, blank lines grow", internal::RemoveHardReturnsTwiceInPlace,
         Repeat("\r", 3000), Repeat("\r\n", 12000)},
        // Texts large enough to be written to their scratch files by a thread of their own.
        {"remGT, large", internal::RemoveQuoteMarkersInPlace, Repeat("> q\r\n", 1000000),
         Repeat("q\r\n", 1000000) + "\r\n"},
        {"remCRs twice, large", internal::RemoveHardReturnsTwiceInPlace,
         Repeat("word\r\n", 1000000), "word" + Repeat(" word", 999999) + "\r\n\r\n\r\n\r\n"},
    };
    internal::StepBuffers buffers;
    for (const auto& c : cases) {
        std::string text = c.input;
        c.operation(text, folders(), buffers);
        EXPECT_EQ(text, c.expected) << c.name;
        EXPECT_TRUE(test::ScratchFilesIn(folder()).empty()) << c.name;
    }
}

// A line longer than the piece its scratch file comes back in is taken in parts; it
// must come out as it does when it is read whole.
TEST_F(LineOps, LinesLongerThanAPieceComeOutTheSame) {
    using Operation = void (*)(std::string&, const ScratchFolders&, internal::StepBuffers&);
    const struct {
        const char* name;
        Operation operation;
        std::span<const OpCase> cases;
    } operations[] = {
        {"remGT", internal::RemoveQuoteMarkersInPlace, kRemGtCases},
        {"remBlanks", internal::RemoveBlankLinesInPlace, kRemBlanksCases},
        {"remCRs", internal::RemoveHardReturnsInPlace, kRemCrsCases},
        {"remCRs twice", internal::RemoveHardReturnsTwiceInPlace, kRemCrsTwiceCases},
    };
    internal::StepBuffers buffers;
    for (const std::size_t piece : {2, 3, 4, 7}) {
        buffers.readPiece = piece;
        for (const auto& op : operations) {
            for (const OpCase& c : op.cases) {
                std::string text = c.input;
                op.operation(text, folders(), buffers);
                EXPECT_EQ(text, c.expected)
                    << op.name << " of \"" << c.input << "\" in pieces of " << piece;
            }
        }
    }
}

// A pass over the text itself builds the new text beside it; when the pass fails, the
// text is as it was.
TEST_F(LineOps, TextIsBackAsItWasWhenAPassOverItFails) {
    const std::string original = "first line\r\nsecond line\r" + Repeat("more\r\n", 1000);
    const auto eachLine = [](internal::ScratchLines& lines, auto step) {
        lines.ForEachPiece([&step](const internal::Piece& piece) {
            internal::ForEachLine(piece,
                                  [&step](const internal::LinePart& part) { step(part.text); });
        });
    };
    // Writes some of a result, then fails.
    const internal::LineRebuild failing = [&](internal::ScratchLines& lines, std::string& result) {
        eachLine(lines, [&result](std::string_view line) {
            result.append(line);
            if (result.size() > 100) {
                throw std::runtime_error("failed in the middle");
            }
        });
    };
    internal::StepBuffers buffers;
    std::string text = original;
    EXPECT_THROW(internal::RebuildInPlace(failing, text, folders(), buffers), std::runtime_error);
    EXPECT_EQ(text, original);
    EXPECT_TRUE(test::ScratchFilesIn(folder()).empty());

    // Of two passes as one step, the second fails: the text is as before the first.
    int passes = 0;
    const internal::LineRebuild secondFails = [&](internal::ScratchLines& lines,
                                                  std::string& result) {
        if (++passes == 2) {
            result = "half done";
            throw std::runtime_error("second pass failed");
        }
        eachLine(lines, [&result](std::string_view line) { result.append(line); });
    };
    text = original;
    EXPECT_THROW(internal::RebuildTwiceInPlace(secondFails, text, folders(), buffers),
                 std::runtime_error);
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(text, original);
    EXPECT_TRUE(test::ScratchFilesIn(folder()).empty());
}

TEST(LineOpsFailure, EachThrowsWhenNoFolderCanTakeTheScratchFile) {
    TempFolder owner;
    const ScratchFolders none = test::FoldersOf({test::UnusableFolder(owner, "a")});
    const std::string text = "> one\r\n\r\ntwo";
    EXPECT_THROW(reference::remGT(text, none), StepError);
    EXPECT_THROW(reference::remBlanks(text, none), StepError);
    EXPECT_THROW(reference::remCRs(text, none), StepError);
    EXPECT_TRUE(test::ScratchFilesIn(owner.path()).empty());
}

#ifndef _WIN32
// A file may grow no larger than limit while this lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lower = old_;
        lower.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

// Writing fails part way, for a small text written at once and for a large one written
// by a thread of its own while it is read back.
TEST_F(LineOps, AFailedWriteLeavesTheTextAsItWas) {
    const std::string texts[] = {Repeat("> line\r\n", 20000), Repeat("> line\r\n", 800000)};
    internal::StepBuffers buffers;
    for (const std::string& original : texts) {
        std::string text = original;
        try {
            const FileSizeLimit limit(64 << 10);
            internal::RemoveQuoteMarkersInPlace(text, folders(), buffers);
            ADD_FAILURE() << "the write did not fail, " << original.size() << " bytes";
        } catch (const StepError& failure) {
            EXPECT_EQ(failure.number(), EFBIG);
        }
        EXPECT_TRUE(text == original) << original.size();
        EXPECT_TRUE(test::ScratchFilesIn(folder()).empty()) << original.size();
    }
}
#endif

}  // namespace
}  // namespace textmend
