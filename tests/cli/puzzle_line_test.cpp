#include "tools/gridatelier-cli/puzzle_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace ga::cli {
namespace {

// 81 cells: clues 1..9 along the first row, '0' and '.' for the rest.
const std::string kSampleLine = "123456789" + std::string(36, '0') + std::string(36, '.');

struct LineCase {
    const char* name;
    std::string line;
    LineStatus status;
    int position;
    unsigned char character;
    std::string reason;  // checked when given
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class PuzzleLineTest : public ::testing::TestWithParam<LineCase> {};

// A line that holds no puzzle leaves the record as it was.
TEST_P(PuzzleLineTest, GivesTheVerdict) {
    const LineCase& c = GetParam();
    PuzzleRecord record, before;
    std::memset(&record, 0x55, sizeof record);
    std::memset(&before, 0x55, sizeof before);
    const LineVerdict verdict = parsePuzzleLine(c.line, record);
    EXPECT_EQ(verdict.status, c.status);
    if (c.status == LineStatus::kPuzzle) return;
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    if (c.status == LineStatus::kSkipped) return;
    EXPECT_EQ(verdict.position, c.position);
    EXPECT_EQ(verdict.character, c.character);
    if (!c.reason.empty()) {
        EXPECT_EQ(describeVerdict(verdict), c.reason);
    }
}

const std::string kNotACell = ", a cell must be 1-9, '.' or '0'";

INSTANTIATE_TEST_SUITE_P(
    Lines, PuzzleLineTest,
    ::testing::Values(
        LineCase{"Plain", kSampleLine, LineStatus::kPuzzle, 0, 0, ""},
        LineCase{"TrailingText", kSampleLine + "  rated 3.4, from the forum", LineStatus::kPuzzle,
                 0, 0, ""},
        LineCase{"CarriageReturn", kSampleLine + "\r", LineStatus::kPuzzle, 0, 0, ""},
        LineCase{"TabThenHash", kSampleLine + "\t#note", LineStatus::kPuzzle, 0, 0, ""},
        LineCase{"Empty", "", LineStatus::kSkipped, 0, 0, ""},
        LineCase{"WhiteSpaceOnly", " \t\r", LineStatus::kSkipped, 0, 0, ""},
        LineCase{"Comment", "# sample puzzles", LineStatus::kSkipped, 0, 0, ""},
        LineCase{"CommentedPuzzle", "#" + kSampleLine, LineStatus::kSkipped, 0, 0, ""},
        LineCase{"OneCellShort", kSampleLine.substr(0, 80), LineStatus::kTooShort, 80, 0,
                 "only 80 cell characters, a puzzle needs 81"},
        LineCase{"SpaceInside", kSampleLine.substr(0, 40) + " " + kSampleLine.substr(40),
                 LineStatus::kTooShort, 40, 0, ""},
        LineCase{"LeadingSpace", " " + kSampleLine, LineStatus::kTooShort, 0, 0,
                 "white space before the puzzle"},
        LineCase{"Letter", kSampleLine.substr(0, 10) + "x" + kSampleLine.substr(11),
                 LineStatus::kBadCharacter, 10, 'x', "character 11 is 'x'" + kNotACell},
        LineCase{"ControlByte", "\x01" + kSampleLine.substr(1), LineStatus::kBadCharacter, 0, 1,
                 "character 1 is byte 0x01" + kNotACell},
        LineCase{"NulByte", std::string(1, '\0') + kSampleLine.substr(1), LineStatus::kBadCharacter,
                 0, 0, ""},
        LineCase{"Utf8", kSampleLine.substr(0, 80) + "\xC3\xA9", LineStatus::kBadCharacter, 80,
                 0xC3, ""},
        LineCase{"MinusAsEmpty", kSampleLine.substr(0, 80) + "-", LineStatus::kBadCharacter, 80,
                 '-', ""},
        LineCase{"EightyTwoCells", kSampleLine + "5", LineStatus::kNoSeparator, 81, '5',
                 "character 82 is '5', the 81 cells must be followed by white space or the "
                 "line end"},
        LineCase{"TextGluedOn", kSampleLine + "#x", LineStatus::kNoSeparator, 81, '#', ""}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(PuzzleLine, FillsTheWholeRecordFromScratch) {
    PuzzleRecord record;
    std::memset(&record, 0x55, sizeof record);  // leftovers of an earlier puzzle
    ASSERT_EQ(parsePuzzleLine(kSampleLine, record).status, LineStatus::kPuzzle);
    for (int cell = 0; cell < kCells; ++cell) {
        const bool clue = cell < 9;
        EXPECT_EQ(record.answerGrid[cell], clue ? cell + 1 : 0) << cell;
        EXPECT_EQ(record.openFlags[cell], clue ? 0 : 1) << cell;
        EXPECT_EQ(record.valueGrid[cell], 0) << cell;
        EXPECT_EQ(record.candidateNumbers[cell], 0) << cell;
    }
    for (uint32_t part : record.serial) EXPECT_EQ(part, 0u);
    EXPECT_EQ(record.answerKnown, 0);
}

}  // namespace
}  // namespace ga::cli
