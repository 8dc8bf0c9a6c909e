// gridatelier-cli driven from outside: output formats, input handling, usage
// errors, failures and the CSV file of the region search.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ga::test {
namespace {

// A valid complete grid: each row is the one above shifted by three, each
// band by one.
std::string patternGrid() {
    std::string grid;
    for (int cell = 0; cell < 81; ++cell) {
        const int row = cell / 9, column = cell % 9;
        grid += static_cast<char>('1' + (3 * (row % 3) + row / 3 + column) % 9);
    }
    return grid;
}

std::string withCellsEmptied(std::string grid, const std::vector<int>& cells) {
    for (int cell : cells) grid[cell] = '.';
    return grid;
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

const std::string kAnswer = patternGrid();
// Each row lacks one cell, which its row alone decides.
const std::string kEasy = withCellsEmptied(kAnswer, {0, 10, 20, 30, 40, 50, 60, 70, 80});
const std::string kEmpty(81, '.');
// The first band of the answer: many ways to complete it.
const std::string kManyAnswers = kAnswer.substr(0, 27) + std::string(54, '.');
// The same band with two 1s in its first row.
const std::string kContradictory = "11" + kAnswer.substr(2, 25) + std::string(54, '.');

struct OutputCase {
    const char* name;
    const char* args;
    std::string input, output;
};

void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

class CliOutputTest : public ::testing::TestWithParam<OutputCase> {};

TEST_P(CliOutputTest, PrintsOneLinePerPuzzle) {
    const CliRun run = runCli(wordsOf(GetParam().args), GetParam().input);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, GetParam().output);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CliOutputTest,
    ::testing::Values(
        OutputCase{"CandidatesOfAnEmptyGrid", "candidates", kEmpty + "\n",
                   "2" + repeated(" 123456789", 81) + "\n"},
        // The logic fills the one gap at both depths, so nothing is left to show.
        OutputCase{"CandidatesOfANearlyFullGrid", "candidates",
                   withCellsEmptied(kAnswer, {40}) + "\n", "0" + repeated(" 0", 81) + "\n"},
        OutputCase{"SolveByPencilMarks", "solve", kEasy + "\n", "0 " + kAnswer + "\n"},
        OutputCase{"SolveByBacktracking", "solve --method backtrack", kEasy + "\n",
                   "0 " + kAnswer + "\n"},
        // A duplicate among the clues: the grid is given back as it came.
        OutputCase{"SolveAContradiction", "solve --method pencil", kContradictory + "\n",
                   "1 " + kContradictory + "\n"},
        OutputCase{"Solvable", "check --solvable",
                   kEasy + "\n" + kContradictory + "\n" + kManyAnswers + "\n", "0\n1\n0\n"},
        OutputCase{"Multiple", "--seed 11 check --multiple",
                   kEasy + "\n" + kContradictory + "\n" + kManyAnswers + "\n" + kEmpty + "\n",
                   "0\n2\n1\n1\n"},
        OutputCase{"NoPuzzles", "solve", "# nothing here\n\n", ""}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

TEST(CliInput, SkipsCommentsAndBlanksAndReportsBadLinesWithoutLosingTheRest) {
    const std::string input = "# three puzzles and some noise\n" +                 // line 1
                              kEasy + " trailing words are ignored\n" +            // 2
                              "\n" +                                               // 3
                              kEasy.substr(0, 80) + "\n" +                         // 4
                              kContradictory + "\r\n" +                            // 5
                              "   \t\n" +                                          // 6
                              kEasy.substr(0, 5) + "X" + kEasy.substr(6) + "\n" +  // 7
                              withCellsEmptied(kAnswer, {3}).replace(3, 1, "0");   // 8, no '\n'
    const CliRun run = runCli({"check", "--solvable"}, input);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out, "0\n1\n0\n");
    EXPECT_EQ(run.err,
              "line 4: only 80 cell characters, a puzzle needs 81\n"
              "line 7: character 6 is 'X', a cell must be 1-9, '.' or '0'\n");
}

// "FILE" stands for a path in a scratch folder, which must stay empty. A usage
// error exits with 2 and shows the usage, `err` telling how its first line
// starts; for other failures `err` is all of it.
struct FailureCase {
    const char* name;
    const char* args;
    int exitStatus;
    std::string err;
    int outLines;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class CliFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CliFailureTest, ReportsAndWritesNothing) {
    const FailureCase& c = GetParam();
    ScratchDir dir;
    std::vector<std::string> args = wordsOf(c.args);
    std::replace(args.begin(), args.end(), std::string("FILE"), dir / "missing/file");
    const CliRun run = runCli(args, kEasy + "\n");
    EXPECT_EQ(run.exitStatus, c.exitStatus);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), c.outLines) << run.out;
    if (c.exitStatus == 2) {
        EXPECT_EQ(run.err.rfind("gridatelier-cli: " + c.err, 0), 0u) << run.err;
        EXPECT_NE(run.err.find("\nUsage: gridatelier-cli"), std::string::npos) << run.err;
    } else {
        EXPECT_EQ(run.err, c.err + "\n");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

const std::string kIllegal = "found the first serial number that's illegal";
const std::string kOutOfRange = "found an illegal serial number out of range";

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailureTest,
    ::testing::Values(
        FailureCase{"NoCommand", "", 2, "", 0},
        FailureCase{"UnknownCommand", "frobnicate", 2, "", 0},
        FailureCase{"UnknownMethod", "solve --method guess", 2, "", 0},
        FailureCase{"CheckWithoutKind", "check", 2, "", 0},
        FailureCase{"CheckWithBothKinds", "check --solvable --multiple", 2, "", 0},
        FailureCase{"NegativeSeed", "--seed -1 solve", 2, "", 0},
        FailureCase{"WordForSeed", "solve --seed many", 2, "", 0},
        FailureCase{"RegionsWithoutCsv", "regions --level 1 --count 2 --max 8", 2, "", 0},
        FailureCase{"RegionsCountNotANumber", "regions --level 1 --count x --max 8 --csv FILE", 2,
                    "", 0},
        FailureCase{"RegionsNegativeCount", "regions --level 1 --count -1 --max 16 --csv FILE", 2,
                    "the count must not be negative", 0},
        FailureCase{"RegionsMaxBeyondTheGrid", "regions --level 1 --count 10 --max 82 --csv FILE",
                    2, "", 0},
        FailureCase{"RegionsHugeMax", "regions --level 1 --count 10 --max 2147483647 --csv FILE", 2,
                    "", 0},
        FailureCase{"RegionsNegativeLevel", "regions --level -1 --count 10 --max 16 --csv FILE", 2,
                    "", 0},
        FailureCase{"GenerateWithoutClass", "generate", 2, "", 0},
        FailureCase{"GenerateClassEight", "generate --class 8", 2, "", 0},
        FailureCase{"GenerateNegativeClass", "generate --class -1", 2, "", 0},
        FailureCase{"GenerateNoPuzzle", "generate --class 1 --count 0", 2, "", 0},
        FailureCase{"GenerateTwoIntoOneFile", "generate --class 5 --count 2 --ga FILE", 2,
                    "--ga saves a single puzzle, so it needs --count 1", 0},
        FailureCase{"RecreateWithoutSerial", "recreate", 2, "", 0},
        FailureCase{"RecreateTwoArguments", "recreate 75BCD15 20000000", 2,
                    "a serial number is one argument A-B-C-D-E or five arguments", 0},
        FailureCase{"RecreateSixArguments", "recreate 1 2 3 4 5 6", 2, "", 0},
        // The first problem found is reported: the relabelling before the ranges.
        FailureCase{"RecreateDigitTwice", "recreate 75BCD14-1FFFFFFF-10000000-0-0", 1, kIllegal, 0},
        FailureCase{"RecreateEmptyPartIsZero", "recreate -20000000-0-0-0", 1, kIllegal, 0},
        FailureCase{"RecreateFreshAnswer", "recreate 75BCD15-1FFFFFFF-0-0-0", 1, kOutOfRange, 0},
        FailureCase{"RecreatePartPastThirtyTwoBits", "recreate 75BCD15-20000000-0-100000000-0", 1,
                    kOutOfRange, 0},
        FailureCase{"CsvCannotBeCreated", "regions --level 2 --count 3 --max 16 --csv FILE", 1,
                    "failed to open or create a csv file", 0},
        // The puzzle is printed before its file fails, so it is not lost.
        FailureCase{"PuzzleFileCannotBeSaved", "generate --class 5 --ga FILE", 1,
                    "failed to save data to a file", 1}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(CliRegions, WritesTheCountAndTheSameCsvFileForTheSameSeed) {
    ScratchDir dir;
    std::vector<std::string> args =
        wordsOf("--seed 99 regions --level 2 --count 12 --max 16 --csv");
    args.push_back(dir / "regions.csv");
    const CliRun run = runCli(args);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const int found = std::stoi(run.out);
    EXPECT_EQ(run.out, std::to_string(found) + "\n");
    EXPECT_TRUE(found > 0 && found <= 12) << found;

    // Nine answer lines, an empty one, the record line, a line of 17 numbers per Region.
    const std::string text = readFile(args.back());
    EXPECT_NE(text.find(",\r\n\r\nrecord is " + std::to_string(found) + "\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11 + found);
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 81 + 17 * found);

    EXPECT_EQ(runCli(args).out, run.out);
    EXPECT_EQ(readFile(args.back()), text) << "the same seed makes the same file";
}

// Each sample puzzle carries what the deterministic commands answer for it:
// "pencil:R solvable:R multiple:R" after the 81 cells.
TEST(CliSamples, AnswerAsTheSampleFileSays) {
    std::ifstream file(GRIDATELIER_SAMPLE_PATH);
    ASSERT_TRUE(file) << GRIDATELIER_SAMPLE_PATH;
    const std::regex annotated("^(\\S{81})\\s+pencil:(\\d) solvable:(\\d) multiple:(\\d).*");
    std::string puzzles, pencil, solvable, multiple, line;
    while (std::getline(file, line)) {
        std::smatch match;
        if (line.empty() || line[0] == '#') continue;
        ASSERT_TRUE(std::regex_match(line, match, annotated)) << line;
        puzzles += line + "\n";
        pencil += match.str(2) + " ";
        solvable += match.str(3) + "\n";
        multiple += match.str(4) + "\n";
    }
    ASSERT_FALSE(puzzles.empty());

    const CliRun solveRun = runCli({"solve"}, puzzles);
    EXPECT_EQ(solveRun.exitStatus, 0) << solveRun.err;
    std::string solveCodes;
    std::istringstream solveLines(solveRun.out);
    while (std::getline(solveLines, line)) solveCodes += line.substr(0, 2);
    EXPECT_EQ(solveCodes, pencil);
    EXPECT_EQ(runCli({"check", "--solvable"}, puzzles).out, solvable);
    EXPECT_EQ(runCli({"--seed", "5", "check", "--multiple"}, puzzles).out, multiple);
}

}  // namespace
}  // namespace ga::test
