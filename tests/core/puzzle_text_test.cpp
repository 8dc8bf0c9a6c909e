// Puzzles read from the texts players paste, and written back as the clue line.
#include <gtest/gtest.h>

#include "core/puzzle_text.h"

namespace ga {
namespace {

const char* const kLine =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

TEST(PuzzleText, ReadsTheCommonFormsAndRefusesTheRest) {
    using S = PuzzleTextStatus;
    const std::string drawing =
        "+-------+-------+-------+\n| 4 . . | . . . | 8 . 5 |\n| . 3 . | . . . | . . . |\n"
        "| . . . | 7 . . | . . . |\n+-------+-------+-------+\n| * 2 * | * * * | * 6 * |\n"
        "| _ _ _ | _ 8 _ | 4 _ _ |\n| 0 0 0 | 0 1 0 | 0 0 0 |\n+-------+-------+-------+\n"
        "| . . . | 6 . 3 | . 7 . |\n| 5 . . | 2 . . | . . . |\n| 1 . 4 | . . . | . . . |\n";
    std::string nineLines;
    for (int row = 0; row < 9; ++row) nineLines += std::string(kLine + 9 * row, 9) + "\r\n";
    const struct {
        std::string text;
        PuzzleTextVerdict verdict;
    } cases[] = {
        // clang-format off
        {kLine, {}}, {nineLines, {}}, {drawing, {}},
        {"  4000008050300000000007000000200000600000804000000100000006030705002000001040000"
         "00\r\n", {}},
        {"", {S::kNoCells}}, {" \n---+---\n", {S::kNoCells}},
        {std::string(kLine, 80), {S::kCellCount, 0, 80}},
        {std::string(kLine) + "7", {S::kCellCount, 0, 82}},
        {nineLines + "123456789", {S::kCellCount, 0, 90}},
        {"\n" + std::string(kLine) + " # hard", {S::kBadCharacter, 2, 0, '#'}},
        // Lines without cells do not count; a puzzle on several lines has nine on each.
        {"\n\n" + nineLines.substr(0, 33) + "\n \t\n+-+\n" + nineLines.substr(33) + "\n", {}},
        {"\t" + std::string(kLine) + "\v\f\r\n\n", {}},
        {std::string(kLine, 40) + "\n" + std::string(kLine + 40), {S::kRowLength, 1, 40}},
        {std::string(kLine, 8) + "\n" + std::string(kLine + 8, 10) + "\n" + nineLines.substr(22),
         {S::kRowLength, 1, 8}},
        {nineLines.substr(0, 22) + nineLines.substr(23) + "5", {S::kRowLength, 3, 8}},
        // clang-format on
    };
    for (const auto& c : cases) {
        PuzzleRecord record{};
        resetRecord(record);
        const PuzzleTextVerdict verdict = readPuzzleText(c.text, record);
        EXPECT_TRUE(verdict.status == c.verdict.status && verdict.line == c.verdict.line &&
                    verdict.count == c.verdict.count && verdict.character == c.verdict.character)
            << c.text;
        const bool read = c.verdict.status == S::kPuzzle;
        EXPECT_EQ(clueLine(record), read ? kLine : std::string(kCells, '.')) << c.text;
    }
}

// A position as players post it: one digit a value, more the candidates left.
TEST(PencilMarks, ReadsGridsOnOneLineOrManyAndRefusesTheRest) {
    using S = PencilMarkStatus;
    // Row 1 holds the candidates; every other cell a value.
    std::string cells[kCells];
    for (int cell = 0; cell < kCells; ++cell) cells[cell] = std::to_string(cell % 9 + 1);
    cells[0] = "14";
    cells[4] = "2589";
    std::string oneLine, drawn = ".---------.\n";
    for (int cell = 0; cell < kCells; ++cell) {
        oneLine += (cell ? " " : "") + cells[cell];
        drawn += (cell % 9 == 0 ? "| " : "") + cells[cell] + (cell % 3 == 2 ? " | " : " ");
        if (cell % 9 == 8) drawn += cell == 26 || cell == 53 ? "\n:---+---:\n" : "\n";
    }
    drawn += ".---------.\n";
    std::string twelveFirst;  // twelve cells on the first line, the rest on the second
    for (int cell = 0; cell < kCells; ++cell)
        twelveFirst += cells[cell] + (cell == 11 ? "\n" : " ");
    const struct {
        std::string text;
        PencilMarkVerdict verdict;
    } cases[] = {
        {oneLine, {}},
        {drawn, {}},
        {"\r\n" + oneLine + " \t\r\n", {}},
        {std::string(kLine), {S::kNotMarks}},  // a clue line has no lists
        {"", {S::kNotMarks}},
        {oneLine.substr(0, oneLine.size() - 2), {S::kCellCount, 0, 80}},
        {oneLine + " 5", {S::kCellCount, 0, 82}},
        {"\n" + oneLine + " x", {S::kBadCharacter, 2, 0, 'x'}},
        {"12 " + oneLine.substr(3), {S::kPuzzle}},
        {"121" + oneLine.substr(2), {S::kBadCell, 1}},  // a digit twice
        {"140" + oneLine.substr(2), {S::kBadCell, 1}},
        {twelveFirst, {S::kRowLength, 1, 12}},
    };
    for (const auto& c : cases) {
        PuzzleRecord record{};
        resetRecord(record);
        const PencilMarkVerdict verdict = readPencilMarks(c.text, record);
        EXPECT_TRUE(verdict.status == c.verdict.status && verdict.line == c.verdict.line &&
                    verdict.count == c.verdict.count && verdict.character == c.verdict.character)
            << c.text << " gives " << static_cast<int>(verdict.status) << " line " << verdict.line
            << " count " << verdict.count;
        if (c.verdict.status != S::kPuzzle) {
            EXPECT_EQ(clueLine(record), std::string(kCells, '.'));
            continue;
        }
        // Values are clues; a list is an open cell's candidates, ascending.
        EXPECT_EQ(clueLine(record).substr(0, 9), ".234.6789");
        EXPECT_EQ(record.candidateNumbers[0], c.text.rfind("12 ", 0) == 0 ? 12 : 14);
        EXPECT_EQ(record.candidateNumbers[4], 2589);
        EXPECT_EQ(record.candidateNumbers[1], 0);
        EXPECT_EQ(clueLine(record).substr(9), [&] {
            std::string rest;
            for (int cell = 9; cell < kCells; ++cell) rest += cells[cell];
            return rest;
        }());
    }
}

}  // namespace
}  // namespace ga
