// Where the line pass keeps its scratch file, and that the file is private and brief.
#include <gtest/gtest.h>

#include <barrier>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "TestSupport.h"
#include "engine/StepError.h"
#include "engine/internal/ScratchFile.h"
#include "engine/reference/LinePass.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace textmend {
namespace {

using test::FoldersOf;
using test::ScratchFilesIn;
using test::TempFolder;
using test::UnusableFolder;

// Runs a pass and records the scratch files each watched folder holds during it.
struct PassObservation {
    std::vector<std::vector<std::filesystem::path>> filesDuring;
    std::vector<std::string> lines;
};

PassObservation ObservePass(const std::string& text, const ScratchFolders& folders,
                            const std::vector<std::filesystem::path>& watched) {
    PassObservation seen;
    reference::LinePass(text, folders, [&](std::string_view line) {
        if (seen.lines.empty()) {
            for (const auto& folder : watched) {
                seen.filesDuring.push_back(ScratchFilesIn(folder));
            }
        }
        seen.lines.emplace_back(line);
    });
    return seen;
}

TEST(ScratchFolderChoice, UsesTheFirstFolderThatCanTakeTheFile) {
    TempFolder owner;
    const auto first = owner.path() / "first";
    const auto second = owner.path() / "second";
    std::filesystem::create_directory(first);
    std::filesystem::create_directory(second);
    const auto unusable = UnusableFolder(owner, "blocked");

    struct Case {
        const char* name;
        std::vector<std::filesystem::path> candidates;
        std::size_t filesInFirst;
        std::size_t filesInSecond;
    };
    const Case cases[] = {
        {"first usable", {first, second}, 1, 0},
        {"falls back to the second", {unusable, second}, 0, 1},
        {"missing folder skipped", {owner.path() / "missing", second}, 0, 1},
        {"empty candidate skipped", {std::filesystem::path(), first}, 1, 0},
    };
    for (const auto& c : cases) {
        const PassObservation seen =
            ObservePass("a\r\nb", FoldersOf(c.candidates), {first, second});
        EXPECT_EQ(seen.lines, (std::vector<std::string>{"a", "b"})) << c.name;
        ASSERT_EQ(seen.filesDuring.size(), 2u) << c.name;
        EXPECT_EQ(seen.filesDuring[0].size(), c.filesInFirst) << c.name;
        EXPECT_EQ(seen.filesDuring[1].size(), c.filesInSecond) << c.name;
        EXPECT_TRUE(ScratchFilesIn(first).empty()) << c.name;
        EXPECT_TRUE(ScratchFilesIn(second).empty()) << c.name;
    }
}

TEST(ScratchFolderChoice, FailsWhenNoFolderCanTakeTheFile) {
    TempFolder owner;
    const std::vector<std::vector<std::filesystem::path>> hopeless = {
        {UnusableFolder(owner, "one"), UnusableFolder(owner, "two")},
        {},
        {std::filesystem::path()},
    };
    for (const auto& candidates : hopeless) {
        bool stepRan = false;
        try {
            reference::LinePass("text", FoldersOf(candidates),
                                [&](std::string_view) { stepRan = true; });
            ADD_FAILURE() << "the pass did not fail";
        } catch (const StepError& failure) {
            EXPECT_NE(failure.number(), 0);
            EXPECT_FALSE(failure.description().empty());
        }
        EXPECT_FALSE(stepRan);
    }
}

#ifndef _WIN32
TEST(ScratchFolderChoice, ReportsTheErrnoAndItsText) {
    TempFolder owner;
    try {
        reference::LinePass("text",
                            FoldersOf({UnusableFolder(owner, "a"), UnusableFolder(owner, "b")}),
                            [](std::string_view) {});
        ADD_FAILURE() << "the pass did not fail";
    } catch (const StepError& failure) {
        EXPECT_EQ(failure.number(), ENOTDIR);
        EXPECT_EQ(failure.description(), std::strerror(ENOTDIR));
    }
}
#endif

TEST(ScratchFile, HasAFreshTempNameAndLeavesOtherFilesAlone) {
    TempFolder folder;
    // A file under the old fixed name belongs to someone else and must survive.
    std::ofstream(folder.path() / "temp.tmp") << "someone else's";
    const PassObservation seen = ObservePass("x", FoldersOf({folder.path()}), {folder.path()});

    ASSERT_EQ(seen.filesDuring.size(), 1u);
    std::vector<std::string> names;
    for (const auto& file : seen.filesDuring[0]) {
        names.push_back(file.filename().string());
    }
    ASSERT_EQ(names.size(), 2u);
    const std::string ours = names[0] == "temp.tmp" ? names[1] : names[0];
    EXPECT_NE(ours, "temp.tmp");
    EXPECT_TRUE(ours.starts_with("temp")) << ours;
    EXPECT_TRUE(ours.ends_with(".tmp")) << ours;

    std::ifstream kept(folder.path() / "temp.tmp");
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "someone else's");
    EXPECT_EQ(ScratchFilesIn(folder.path()).size(), 1u);
}

TEST(ScratchFile, RemovedWhenTheStepFails) {
    TempFolder folder;
    std::size_t filesDuring = 0;
    EXPECT_THROW(reference::LinePass("a\r\nb", FoldersOf({folder.path()}),
                                     [&](std::string_view) {
                                         filesDuring = ScratchFilesIn(folder.path()).size();
                                         throw std::runtime_error("step failed");
                                     }),
                 std::runtime_error);
    EXPECT_EQ(filesDuring, 1u);
    EXPECT_TRUE(ScratchFilesIn(folder.path()).empty());
}

TEST(ScratchFile, EveryPassUsesItsOwnFile) {
    // Four passes held open at once: each must have a file of its own and read back
    // exactly its own text.
    constexpr std::size_t kPasses = 4;
    TempFolder folder;
    std::barrier allInside(kPasses);
    std::vector<std::size_t> filesSeen(kPasses);
    std::vector<std::vector<std::string>> lines(kPasses);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < kPasses; ++i) {
        threads.emplace_back([&, i] {
            const std::string mark = "pass" + std::to_string(i);
            reference::LinePass(test::Repeat(mark + "\r\n", 1000), FoldersOf({folder.path()}),
                                [&](std::string_view line) {
                                    if (lines[i].empty()) {
                                        allInside.arrive_and_wait();
                                        filesSeen[i] = ScratchFilesIn(folder.path()).size();
                                        allInside.arrive_and_wait();
                                    }
                                    lines[i].emplace_back(line);
                                });
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < kPasses; ++i) {
        EXPECT_EQ(filesSeen[i], kPasses) << i;
        ASSERT_EQ(lines[i].size(), 1001u) << i;
        EXPECT_EQ(lines[i].front(), "pass" + std::to_string(i)) << i;
        EXPECT_EQ(lines[i][999], "pass" + std::to_string(i)) << i;
        EXPECT_EQ(lines[i].back(), "") << i;
    }
    EXPECT_TRUE(ScratchFilesIn(folder.path()).empty());
}

struct ReadBackCase {
    const char* name;
    std::vector<std::string> writes;
    std::size_t offset;
    std::size_t asked;
    std::string expected;
};

TEST(ScratchFile, ReadsBackWhatWasWritten) {
    using namespace std::string_literals;
    const ReadBackCase cases[] = {
        {"everything", {"first ", "\0second\r\n"s}, 0, 15, "first \0second\r\n"s},
        {"from the middle", {"abc", "def"}, 2, 3, "cde"},
        {"asked for more than it holds", {"abc", "def"}, 1, 100, "bcdef"},
        {"asked for less", {"abcdef"}, 0, 4, "abcd"},
        {"from its end", {"abc"}, 3, 10, ""},
        {"from past its end", {"abc"}, 7, 10, ""},
        {"nothing written", {}, 0, 10, ""},
        {"nothing asked for", {"abc"}, 0, 0, ""},
        {"big",
         {std::string(3 << 20, 'x'), "\r\n"},
         (1 << 20) - 1,
         (2 << 20) + 3,
         std::string((2 << 20) + 1, 'x') + "\r\n"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        internal::ScratchFile file(FoldersOf({folder.path()}));
        for (const std::string& piece : c.writes) {
            file.Write(piece);
        }
        std::string back(c.asked, '?');
        back.resize(file.ReadAt(c.offset, back.data(), back.size()));
        EXPECT_EQ(back, c.expected) << c.name;
        file.Remove();
        EXPECT_TRUE(ScratchFilesIn(folder.path()).empty()) << c.name;
    }
}

#ifndef _WIN32
TEST(ScratchFile, OwnerMayReadAndWriteItAndNobodyElse) {
    TempFolder folder;
    mode_t mode = 0;
    reference::LinePass("x", FoldersOf({folder.path()}), [&](std::string_view) {
        const auto files = ScratchFilesIn(folder.path());
        ASSERT_EQ(files.size(), 1u);
        struct stat status {};
        ASSERT_EQ(stat(files[0].c_str(), &status), 0);
        mode = status.st_mode & 07777;
    });
    EXPECT_EQ(mode, static_cast<mode_t>(0600));
}

// Two processes (a fork, so both share the name counter's state) hold a pass open at
// the same moment in the same folder.
TEST(ScratchFile, TwoProcessesNeverShareAFile) {
    TempFolder folder;
    int toChild[2];
    int toParent[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(toParent), 0);

    // Meets the other side: says it got here, then waits to hear the same.
    const auto meet = [](int tell, int hear) {
        char signal = 'x';
        return write(tell, &signal, 1) == 1 && read(hear, &signal, 1) == 1;
    };
    // Both sides count the files while both are inside their passes.
    const auto pass = [&](const std::string& mark, int tell, int hear) {
        std::vector<std::string> lines;
        std::size_t filesSeen = 0;
        reference::LinePass(test::Repeat(mark + "\r\n", 5000), FoldersOf({folder.path()}),
                            [&](std::string_view line) {
                                if (lines.empty() && meet(tell, hear)) {
                                    filesSeen = ScratchFilesIn(folder.path()).size();
                                    meet(tell, hear);
                                }
                                lines.emplace_back(line);
                            });
        bool ownText = lines.size() == 5001 && lines.back().empty();
        for (std::size_t i = 0; ownText && i < 5000; ++i) {
            ownText = lines[i] == mark;
        }
        return ownText && filesSeen == 2;
    };

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int code = 2;
        try {
            code = pass("child", toParent[1], toChild[0]) ? 0 : 1;
        } catch (...) {
        }
        _exit(code);
    }
    const bool parentOk = pass("parent", toChild[1], toParent[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]}) {
        close(fd);
    }
    EXPECT_TRUE(parentOk);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(ScratchFilesIn(folder.path()).empty());
}
#endif

TEST(DefaultScratchFolders, ProgramFolderThenTemporaryFolder) {
    const ScratchFolders folders = DefaultScratchFolders();
    ASSERT_EQ(folders.candidates.size(), 2u);
    EXPECT_EQ(folders.candidates[1], std::filesystem::temp_directory_path());

    bool holdsThisProgram = false;
    for (const auto& entry : std::filesystem::directory_iterator(folders.candidates[0])) {
        holdsThisProgram |= entry.path().stem() == "engine_tests";
    }
    EXPECT_TRUE(holdsThisProgram) << folders.candidates[0];
}

}  // namespace
}  // namespace textmend
