// Puzzles read from the texts players paste, and written back as the clue line.
#include <gtest/gtest.h>

#include "core/puzzle_text.h"

namespace ga {
namespace {

const char* const kLine =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

TEST(PuzzleText, ReadsTheCommonFormsAndRefusesTheRest) {
    using S = PuzzleTextStatus;
    const std::string zeros =
        "  400000805030000000000700000020000060000080400000010000000603070500200000104000000\r\n";
    const std::string drawing =
        "+-------+-------+-------+\n"
        "| 4 . . | . . . | 8 . 5 |\n| . 3 . | . . . | . . . |\n| . . . | 7 . . | . . . |\n"
        "+-------+-------+-------+\n"
        "| * 2 * | * * * | * 6 * |\n| _ _ _ | _ 8 _ | 4 _ _ |\n| 0 0 0 | 0 1 0 | 0 0 0 |\n"
        "+-------+-------+-------+\n"
        "| . . . | 6 . 3 | . 7 . |\n| 5 . . | 2 . . | . . . |\n| 1 . 4 | . . . | . . . |\n"
        "+-------+-------+-------+\n";
    std::string nineLines;
    for (int row = 0; row < 9; ++row) nineLines += std::string(kLine + 9 * row, 9) + "\r\n";
    const std::string spaced = "4 . . . . . 8 . 5 " + std::string(kLine + 9);
    const struct {
        std::string text;
        S status;
        int line, count;
        char character;
    } cases[] = {
        {kLine, S::kPuzzle, 0, 0, 0},
        {zeros, S::kPuzzle, 0, 0, 0},
        {nineLines, S::kPuzzle, 0, 0, 0},
        {drawing, S::kPuzzle, 0, 0, 0},
        {spaced, S::kPuzzle, 0, 0, 0},
        {"", S::kNoCells, 0, 0, 0},
        {" \n---+---\n", S::kNoCells, 0, 0, 0},
        {std::string(kLine, 80), S::kCellCount, 0, 80, 0},
        {std::string(kLine) + "7", S::kCellCount, 0, 82, 0},
        {nineLines + "123456789", S::kCellCount, 0, 90, 0},
        {"\n" + std::string(kLine) + " # hard", S::kBadCharacter, 2, 0, '#'},
        {nineLines.substr(0, 22) + nineLines.substr(23) + "5", S::kRowLength, 3, 8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        PuzzleRecord record{};
        resetRecord(record);
        const PuzzleTextVerdict verdict = readPuzzleText(c.text, record);
        EXPECT_EQ(verdict.status, c.status);
        EXPECT_EQ(verdict.line, c.line);
        EXPECT_EQ(verdict.count, c.count);
        EXPECT_EQ(verdict.character, static_cast<unsigned char>(c.character));
        EXPECT_EQ(clueLine(record), c.status == S::kPuzzle ? kLine : std::string(kCells, '.'));
    }
}

}  // namespace
}  // namespace ga
