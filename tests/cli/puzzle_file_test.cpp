#include "ui/puzzle_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/scratch_dir.h"

namespace ga {
namespace {

using testing::readFile;
using testing::ScratchDir;

// The layout itself is checked from outside, on a generated puzzle's file;
// here it is the replacing that matters. A leftover temporary file shows as a
// second file in the folder.
int filesIn(const std::filesystem::path& folder) {
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
    return files;
}

// An earlier, longer file is replaced by exactly the encoded bytes. A write
// that fails half way leaves the earlier file intact: a file size limit below
// the file's size stops it after the temporary file exists (EFBIG instead of
// the signal).
TEST(PuzzleFile, ReplacesTheEarlierFileOnlyWhenTheWriteSucceeds) {
    ScratchDir dir;
    const std::filesystem::path path = dir.path() / "puzzle.ga";
    std::ofstream(path) << std::string(5000, 'x');
    PuzzleFileHeader header;
    header.puzzleClass = 3;
    PuzzleRecord record{};
    record.serial[0] = 0x75BCD15;
    record.answerKnown = 1;
    ASSERT_EQ(writePuzzleFile(header, record, path.c_str()), kPuzzleFileWritten);
    unsigned char encoded[kPuzzleFileBytes];
    encodePuzzleFile(header, record, encoded);
    const std::string earlier(reinterpret_cast<const char*>(encoded), sizeof encoded);
    EXPECT_EQ(readFile(path), earlier);
    EXPECT_EQ(filesIn(dir.path()), 1);

    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = kPuzzleFileBytes / 2;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = writePuzzleFile(PuzzleFileHeader{}, PuzzleRecord{}, path.c_str());
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
