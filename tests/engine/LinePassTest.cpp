#include "engine/reference/LinePass.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/internal/ScratchLines.h"

namespace textmend {
namespace {

using test::Repeat;
using test::TempFolder;
using namespace std::string_literals;

std::vector<std::string> LinesOf(const std::string& text) {
    TempFolder folder;
    std::vector<std::string> lines;
    reference::LinePass(text, test::FoldersOf({folder.path()}),
                        [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

struct LinesCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

TEST(LinePassLines, SplitsAtCrLfAndLoneCrOnly) {
    const LinesCase cases[] = {
        {"one line", "one", {"one"}},
        {"crlf", "one\r\ntwo", {"one", "two"}},
        {"ends in a break", "one\r\n", {"one", ""}},
        {"empty text", "", {""}},
        {"lone cr", "one\rtwo", {"one", "two"}},
        {"cr then crlf", "one\r\r\ntwo", {"one", "", "two"}},
        {"lone lf stays", "one\ntwo", {"one\ntwo"}},
        {"lf before cr", "one\n\rtwo", {"one\n", "two"}},
        {"spaces kept", "   ", {"   "}},
        {"lone cr only", "\r", {"", ""}},
        {"crlf only", "\r\n", {"", ""}},
        {"two trailing breaks", "a\r\n\r\n", {"a", "", ""}},
        {"lf then crlf", "\n\r\n", {"\n", ""}},
        {"nul and invalid bytes",
         "a\0b\xff\xc0\r\nc\xed\xa0\x80"s,
         {"a\0b\xff\xc0"s, "c\xed\xa0\x80"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LinesOf(c.text), c.lines) << c.name;
    }
}

// The file comes back in pages: a break or a line cut by a page's end must come out
// the same as anywhere else.
TEST(LinePassLines, BreaksAroundReadBoundaries) {
    const std::size_t mebibyte = std::size_t{1} << 20;
    for (std::size_t before = mebibyte - 3; before <= mebibyte + 2; ++before) {
        const std::string head(before, 'a');
        EXPECT_EQ(LinesOf(head + "\r\nb"), (std::vector<std::string>{head, "b"})) << before;
        EXPECT_EQ(LinesOf(head + "\rb"), (std::vector<std::string>{head, "b"})) << before;
        EXPECT_EQ(LinesOf(head + "\r\r\nb"), (std::vector<std::string>{head, "", "b"})) << before;
        EXPECT_EQ(LinesOf(head + "\n\rb"), (std::vector<std::string>{head + "\n", "b"})) << before;
    }
}

// Splits text at each CR LF and each lone CR: n breaks, n + 1 lines.
std::vector<std::string> SplitAtBreaks(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            lines.back() += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        lines.emplace_back();
    }
    return lines;
}

// The same at every place of every piece the file comes back in, down to a byte, lines
// longer than a piece coming in parts.
TEST(LinePassLines, SameWhateverThePiecesTheFileComesBackIn) {
    std::mt19937 random(20250101);
    std::vector<std::string> texts = {"", "\r", "\r\n", "a\r\r\nb", "a\n\rb", "\n\r\n\r"};
    for (int i = 0; i < 150; ++i) {
        texts.push_back(test::RandomText(random, "ab\r\n", 30));
    }
    TempFolder folder;
    std::string buffer;
    for (const std::string& text : texts) {
        for (const std::size_t pieceSize : {1, 2, 3, 4, 5, 8, 13}) {
            std::vector<std::string> lines;
            internal::ScratchLines scratch(text, test::FoldersOf({folder.path()}), buffer,
                                           pieceSize);
            scratch.ForEachPiece([&lines](const internal::Piece& piece) {
                internal::ForEachLine(piece, [&lines](const internal::LinePart& part) {
                    if (part.first) {
                        lines.emplace_back();
                    }
                    lines.back().append(part.text);
                });
            });
            scratch.Remove();
            EXPECT_EQ(lines, SplitAtBreaks(text)) << '"' << text << "\" in pieces of " << pieceSize;
        }
    }
}

TEST(LinePassLines, LongLinesAndManyLines) {
    const std::string longLine(3 * (std::size_t{1} << 20) + 7, 'x');
    EXPECT_EQ(LinesOf(longLine + "\r\n" + longLine),
              (std::vector<std::string>{longLine, longLine}));

    const std::vector<std::string> many = LinesOf(Repeat("line\r\n", 200000));
    ASSERT_EQ(many.size(), 200001u);
    EXPECT_EQ(many.front(), "line");
    EXPECT_EQ(many[199999], "line");
    EXPECT_EQ(many.back(), "");
}

TEST(AddSlash, AddsOneSeparatorWhenMissing) {
#ifdef _WIN32
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Tools", "C:\\Tools\\"}, {"C:\\", "C:\\"},         {"", "\\"},
        {"C:/Tools/", "C:/Tools/"},   {"a\\b\\\\", "a\\b\\\\"}, {"C:\\Tools/x", "C:\\Tools/x\\"},
    };
#else
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/tools", "/opt/tools/"},  {"/", "/"},        {"", "/"},
        {"/opt/tools/", "/opt/tools/"}, {"a\\b", "a\\b/"}, {"dir//", "dir//"},
    };
#endif
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(internal::addSlash(path), expected) << path;
    }
}

TEST(TTrim, RemovesLeadingTabsOnlyAndStoresTheResult) {
    const std::pair<std::string, std::string> cases[] = {
        {"\t\tx", "x"}, {" \tx", " \tx"}, {"\t \tx", " \tx"}, {"\t\t\t", ""},
        {"", ""},       {"x\t", "x\t"},   {"\tx\t", "x\t"},   {"\t\0x"s, "\0x"s},
    };
    for (const auto& [input, expected] : cases) {
        std::string temp = input;
        EXPECT_EQ(reference::TTrim(temp), expected) << input;
        EXPECT_EQ(temp, expected) << input;
    }
}

TEST(TTrim, HasNoLengthLimit) {
    std::string temp = std::string(100001, '\t') + std::string(40000, 'y');
    EXPECT_EQ(reference::TTrim(temp), std::string(40000, 'y'));
    EXPECT_EQ(temp, std::string(40000, 'y'));

    std::string longTabs(70000, '\t');
    EXPECT_EQ(reference::TTrim(longTabs), "");
}

TEST(TrimLine, TrimsSpacesAtBothEndsThenLeadingTabs) {
    const std::pair<std::string, std::string> cases[] = {
        {"  \t x ", " x"},
        {"x", "x"},
        {"   ", ""},
        {"", ""},
        {" \t \t ", " \t"},  // the space after the first tab stops the tab
                             // removal
        {"\t\tx\t", "x\t"},
        {"x \t", "x \t"},
        {" a  b ", "a  b"},
        {"\ta\n ", "a\n"},
        {" \xff ", "\xff"},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(reference::TrimLine(line), expected) << line;
    }
}

}  // namespace
}  // namespace textmend
