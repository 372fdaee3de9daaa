#include "LearnedPhraseFile.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "InOutError.h"
#include "LineScanner.h"
#include "NamedFile.h"
#include "ReferenceLines.h"
#include "ScriptedRandom.h"
#include "TempDir.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>

#include "ChildProcess.h"
#endif

using namespace tolkar;
using Lines = std::vector<std::string>;

namespace {

const char* const kName = "user.vrk";

class LearnedPhraseFileTest : public InTempDir
{
  protected:
    // Every line as the recall sees it: the count from the range of the draw,
    // then each line drawn in turn.
    Lines RecallEveryLine()
    {
        ScriptedRandom probe;
        probe.script = {0};
        std::string text;
        file.Recall(probe, text);
        const std::string& draw = probe.log.at(0); // "draw k+1"
        const int count = std::stoi(draw.substr(5)) - 1;
        if (count == 0) {
            EXPECT_EQ(text, "");
        }
        Lines lines;
        for (int i = 1; i <= count; ++i) {
            ScriptedRandom random;
            random.script = {i};
            file.Recall(random, text);
            lines.push_back(text);
        }
        return lines;
    }

    int ErrorCodeOf(const std::function<void()>& operation)
    {
        try {
            operation();
        } catch (const EInOutError& error) {
            return error.ErrorCode();
        }
        return 0;
    }

    LearnedPhraseFile file;
};

} // namespace

TEST_F(LearnedPhraseFileTest, ReadingRules)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"CR LF lines", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR ends a line", "a\rb", {"a", "b"}},
        {"LF alone is text", "a\nb\r\n", {"a\nb"}},
        {"only LFs make one line", "a\nb\nc\n", {"a\nb\nc\n"}},
        {"empty line between", "a\r\n\r\nb", {"a", "", "b"}},
        {"CR then CR LF", "a\r\r\n", {"a", ""}},
        {"LF after CR LF is text", "a\r\n\n", {"a", "\n"}},
        {"unterminated last line", "abc", {"abc"}},
        {"spaces kept", " a \r\n", {" a "}},
        {"byte 26 ends the text", std::string("a\r\nb\x1a") + "c\r\nd\r\n", {"a", "b"}},
        {"byte 26 first",
         "\x1a"
         "a\r\n",
         {}},
        {"byte 26 after terminator", "a\r\n\x1a\r\nb", {"a"}},
        {"NUL is text", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(kName, c.bytes);
        EXPECT_EQ(RecallEveryLine(), c.lines);
        EXPECT_EQ(ReferenceLines(c.bytes), c.lines);
        // The same with tiny read blocks, so terminators straddle block ends.
        for (const std::size_t blockSize : {1, 2, 3}) {
            NamedFile opened(kName, NamedFile::Access::Read);
            const LineIndex index = IndexLines(opened, blockSize);
            Lines lines;
            for (std::uint64_t i = 1; i <= index.lineCount; ++i) {
                lines.push_back(ReadLine(opened, index, i, blockSize));
            }
            EXPECT_EQ(lines, c.lines) << "blocks of " << blockSize;
        }
    }
}

TEST_F(LearnedPhraseFileTest, LinesAcrossBlockBoundaries)
{
    // A power of two at least as large as a read block, so a block ends there.
    constexpr std::size_t kBlock = std::size_t{1} << 20;
    // Lines of many lengths and both terminators; a CR LF split between two
    // blocks; a line longer than a block; a byte 26 deep in the file.
    std::string bytes;
    for (int i = 0; bytes.size() < kBlock - 200; ++i) {
        bytes += std::string(static_cast<std::size_t>(i % 97), static_cast<char>('a' + i % 26));
        bytes += i % 5 == 0 ? "\r" : (i % 7 == 0 ? "\n" : "\r\n");
    }
    bytes.resize(kBlock - 1, 'z');
    bytes += "\r\n" + std::string(3 * kBlock, 'L') + "\r\ntail\x1a" + "hidden\r\n";
    ASSERT_EQ(bytes[kBlock - 1], '\r');
    WriteBytes(kName, bytes);
    const Lines expected = ReferenceLines(bytes);
    ASSERT_EQ(expected.back(), "tail");

    ScriptedRandom random;
    std::string text;
    random.script = {0};
    file.Recall(random, text);
    ASSERT_EQ(random.log.at(0), "draw " + std::to_string(expected.size() + 1));
    for (std::size_t i : {std::size_t{1}, std::size_t{2}, expected.size() / 2, expected.size() - 3,
                          expected.size() - 2, expected.size() - 1, expected.size()}) {
        random.script = {static_cast<std::int64_t>(i)};
        file.Recall(random, text);
        EXPECT_EQ(text, expected[i - 1]) << "line " << i;
    }
}

TEST_F(LearnedPhraseFileTest, CountsLongRunsOfLineEndsUpToTheEndOfText)
{
    // Runs of line ends far longer than a byte can count, a byte 26 at each place a
    // 64-byte stretch can hold it, and text that ends without one.
    for (const std::size_t endAt :
         {std::size_t{0}, std::size_t{1}, std::size_t{15}, std::size_t{16}, std::size_t{63},
          std::size_t{64}, std::size_t{65}, std::size_t{127}, std::size_t{65'537},
          std::size_t{200'000}}) {
        std::string bytes;
        for (int i = 0; bytes.size() < 200'000; ++i) {
            bytes += std::string(static_cast<std::size_t>(i % 300), '\r');
            bytes += i % 3 == 0 ? "\r\n" : "x\n";
        }
        bytes.resize(200'000);
        if (endAt < bytes.size()) {
            bytes[endAt] = 26;
        }
        WriteBytes(kName, bytes);
        const Lines expected = ReferenceLines(bytes);

        ScriptedRandom random;
        std::string text;
        random.script = {0};
        file.Recall(random, text);
        EXPECT_EQ(random.log.at(0), "draw " + std::to_string(expected.size() + 1))
            << "text ending at " << endAt;
    }
}

TEST_F(LearnedPhraseFileTest, RecordAppendsTheLineAsTyped)
{
    struct Case
    {
        const char* name;
        std::string before;
        std::string phrase;
        std::string after;
    };
    const Case cases[] = {
        {"empty file", "", "a b", "a b\r\n"},
        {"after lines", "x\r\n", " y ", "x\r\n y \r\n"},
        {"joins an unterminated last line", "abc", "d e", "abcd e\r\n"},
        {"cuts at byte 26 near the end",
         "a\r\n\x1a"
         "junk",
         "b c", "a\r\nb c\r\n"},
        {"cuts at the first byte 26 of the tail",
         "a\x1a"
         "b\x1a",
         "c d", "ac d\r\n"},
        {"byte 26 at the edge of the window", "\x1a" + std::string(127, 'x'), "p q", "p q\r\n"},
        {"byte 26 beyond the window stays", "\x1a" + std::string(128, 'x'), "p q",
         "\x1a" + std::string(128, 'x') + "p q\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(kName, c.before);
        file.Record(c.phrase);
        EXPECT_EQ(ReadBytes(kName), c.after);
    }
}

TEST_F(LearnedPhraseFileTest, FileCheckCreatesOnlyWhatIsMissing)
{
    file.FileCheck();
    ASSERT_TRUE(std::filesystem::is_regular_file(kName));
    EXPECT_EQ(ReadBytes(kName), "");
    WriteBytes(kName, "keep\r\n");
    file.FileCheck();
    EXPECT_EQ(ReadBytes(kName), "keep\r\n");
}

TEST_F(LearnedPhraseFileTest, FollowsTheCurrentDirectory)
{
    std::filesystem::create_directory("other");
    WriteBytes(kName, "here\r\n");
    std::filesystem::current_path("other");
    EXPECT_EQ(ErrorCodeOf([&] { file.Record("a b"); }), 2);
    file.FileCheck();
    file.Record("a b");
    EXPECT_EQ(ReadBytes(kName), "a b\r\n");
    EXPECT_EQ(ReadBytes("../user.vrk"), "here\r\n");
}

TEST_F(LearnedPhraseFileTest, MissingFile)
{
    ScriptedRandom random;
    random.script = {1};
    std::string recalled = "before";
    EXPECT_EQ(ErrorCodeOf([&] { file.Record("a b"); }), 2);
    EXPECT_FALSE(std::filesystem::exists(kName)); // recording never creates the file
    EXPECT_EQ(ErrorCodeOf([&] { file.Recall(random, recalled); }), 2);
    EXPECT_EQ(recalled, "before");
}

TEST_F(LearnedPhraseFileTest, DirectoryInPlaceOfTheFile)
{
    std::filesystem::create_directory(kName);
    file.FileCheck(); // reports nothing
    ScriptedRandom random;
    random.script = {1};
    std::string recalled = "before";
    EXPECT_EQ(ErrorCodeOf([&] { file.Record("a b"); }), 5);
    EXPECT_EQ(ErrorCodeOf([&] { file.Recall(random, recalled); }), 5);
    EXPECT_EQ(recalled, "before");
}

#ifndef _WIN32

TEST_F(LearnedPhraseFileTest, DiskFull)
{
    std::filesystem::create_symlink("/dev/full", kName);
    try {
        file.Record("a b");
        FAIL() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), 112);
        EXPECT_STREQ(error.what(), "I/O error 112");
    }
    // The device reads as endless zero bytes; the recall takes the file as empty
    // instead of counting lines for ever.
    const int result = RunInChild([&] {
        ::alarm(10);
        ScriptedRandom random;
        random.script = {0};
        std::string recalled = "before";
        file.Recall(random, recalled);
        return recalled.empty() ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
}

TEST_F(LearnedPhraseFileTest, ReadOnlyFileStopsRecordingButNotRecall)
{
    WriteBytes(kName, "old line\r\n");
    std::filesystem::permissions(kName, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    std::filesystem::permissions(dir_, std::filesystem::perms::all);
    // Root ignores file modes, so the check runs as an unprivileged user.
    const int result = RunInChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            return 100;
        }
        const int code = ErrorCodeOf([&] { file.Record("a b"); });
        ScriptedRandom random;
        random.script = {1};
        std::string recalled;
        file.Recall(random, recalled);
        return recalled == "old line" ? code : 101;
    });
    EXPECT_EQ(result, 5);
    EXPECT_EQ(ReadBytes(kName), "old line\r\n");
}

TEST_F(LearnedPhraseFileTest, FailedWriteLeavesNoPartialLine)
{
    const std::string before = "first\r\nsecond\x1a";
    WriteBytes(kName, before);
    // The file size limit lets a few bytes through and then fails the write.
    const int result = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 3, before.size() + 3};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 100;
        }
        return ErrorCodeOf([&] { file.Record("a long phrase that does not fit"); });
    });
    EXPECT_EQ(result, EFBIG);
    // Cut at the byte 26 as always, but nothing of the new line is left.
    EXPECT_EQ(ReadBytes(kName), "first\r\nsecond");
}

#else

TEST_F(LearnedPhraseFileTest, AnotherProgramHoldingTheFileIsASharingViolation)
{
    WriteBytes(kName, "old line\r\n");
    const HANDLE holder = ::CreateFileA(kName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ScriptedRandom random;
    random.script = {1};
    std::string recalled;
    EXPECT_EQ(ErrorCodeOf([&] { file.Record("a b"); }), 32);
    EXPECT_EQ(ErrorCodeOf([&] { file.Recall(random, recalled); }), 32);
    ::CloseHandle(holder);
    EXPECT_EQ(ReadBytes(kName), "old line\r\n");
}

TEST_F(LearnedPhraseFileTest, ReadOnlyFileStopsRecordingButNotRecall)
{
    WriteBytes(kName, "old line\r\n");
    ASSERT_TRUE(::SetFileAttributesA(kName, FILE_ATTRIBUTE_READONLY));
    const HANDLE probe = ::CreateFileA(kName, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        ::CloseHandle(probe);
        ::SetFileAttributesA(kName, FILE_ATTRIBUTE_NORMAL);
        GTEST_SKIP() << "this system lets us write a read-only file (wine run by root)";
    }
    EXPECT_EQ(ErrorCodeOf([&] { file.Record("a b"); }), 5);
    ScriptedRandom random;
    random.script = {1};
    std::string recalled;
    file.Recall(random, recalled);
    EXPECT_EQ(recalled, "old line");
    ::SetFileAttributesA(kName, FILE_ATTRIBUTE_NORMAL);
}

#endif
