#include "ui/puzzle_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cli/cli_runner.h"

namespace ga {
namespace {

using test::readFile;
using test::ScratchDir;

// The layout itself is checked from outside, on a generated puzzle's file;
// here it is the replacing that matters.
PuzzleRecord someRecord() {
    PuzzleRecord record{};
    record.serial[0] = 0x75BCD15;
    record.answerKnown = 1;
    return record;
}

// The files in a folder, so that a leftover temporary file shows.
int filesIn(const std::filesystem::path& folder) {
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
    return files;
}

TEST(PuzzleFile, ReplacesAnEarlierFileWithExactlyTheEncodedBytes) {
    ScratchDir dir;
    const std::filesystem::path path = dir.path() / "puzzle.ga";
    std::ofstream(path) << std::string(5000, 'x');

    PuzzleFileHeader header;
    header.puzzleClass = 3;
    const PuzzleRecord record = someRecord();
    ASSERT_EQ(writePuzzleFile(header, record, path.c_str()), kPuzzleFileWritten);

    unsigned char expected[kPuzzleFileBytes];
    encodePuzzleFile(header, record, expected);
    EXPECT_EQ(readFile(path),
              std::string(reinterpret_cast<const char*>(expected), sizeof expected));
    EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(PuzzleFile, AMissingFolderCreatesNothing) {
    ScratchDir dir;
    const std::filesystem::path path = dir.path() / "missing" / "puzzle.ga";
    EXPECT_EQ(writePuzzleFile(PuzzleFileHeader{}, someRecord(), path.c_str()),
              kPuzzleFileNotCreated);
    EXPECT_EQ(filesIn(dir.path()), 0);
}

TEST(PuzzleFile, AWriteThatFailsHalfWayLeavesTheEarlierFileIntact) {
    ScratchDir dir;
    const std::filesystem::path path = dir.path() / "puzzle.ga";
    const std::string earlier(kPuzzleFileBytes, 'e');
    std::ofstream(path) << earlier;

    // A file size limit below the file's size makes the write stop part way,
    // after the temporary file exists; EFBIG instead of the signal.
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = kPuzzleFileBytes / 2;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = writePuzzleFile(PuzzleFileHeader{}, someRecord(), path.c_str());
    const int failure = errno;
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, kPuzzleFileNotWritten);
    EXPECT_EQ(failure, EFBIG);
    EXPECT_EQ(readFile(path), earlier);
    EXPECT_EQ(filesIn(dir.path()), 1) << "the temporary file is removed";
}

}  // namespace
}  // namespace ga
