// Saving over a symbolic link, which the puzzle file, the settings file and
// `generate --ga` all do through the one safe replacement: the link stays, the
// target gets the bytes and keeps its mode, and nothing else is left beside it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/scratch_dir.h"
#include "ui/puzzle_file.h"

namespace ga {
namespace {

namespace fs = std::filesystem;

TEST(PuzzleFile, SavingOverALinkReplacesItsTargetAndKeepsTheLinkAndTheMode) {
    // The link holds `link` ("": the full path of `target`, which gets the bytes).
    // clang-format off
    const struct { const char* link; const char* target; bool earlier; } cases[] = {
        {"data/puzzle.ga", "data/puzzle.ga", true}, {"chain.ga", "data/puzzle.ga", true},
        {"", "data/puzzle.ga", true}, {"data/new.ga", "data/new.ga", false}};
    // clang-format on
    PuzzleRecord record{};
    record.answerKnown = 1;
    unsigned char bytes[kPuzzleFileBytes];
    encodePuzzleFile(PuzzleFileHeader{}, record, bytes);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        testing::ScratchDir dir;
        fs::create_directory(dir.path() / "data");
        const std::string target = dir / c.target;
        if (c.earlier) {
            std::ofstream(target) << "earlier";
            ::chmod(target.c_str(), 0640);
        }
        fs::create_symlink("data/puzzle.ga", dir.path() / "chain.ga");
        fs::create_symlink(*c.link ? c.link : target.c_str(), dir.path() / "saved.ga");
        ASSERT_EQ(writePuzzleFile(PuzzleFileHeader{}, record, (dir / "saved.ga").c_str()),
                  kPuzzleFileWritten);
        EXPECT_TRUE(fs::is_symlink(dir.path() / "saved.ga"));
        EXPECT_EQ(testing::readFile(target), std::string(bytes, bytes + sizeof bytes));
        struct stat status;
        ASSERT_EQ(::stat(target.c_str(), &status), 0);
        EXPECT_TRUE(!c.earlier || (status.st_mode & 07777) == 0640) << std::oct << status.st_mode;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "data"), {}), 1);
    }
}

}  // namespace
}  // namespace ga
