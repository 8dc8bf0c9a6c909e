// gridatelier-cli driven from outside: output formats, input handling,
// usage errors and the CSV file of the region search.
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
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            grid += static_cast<char>('1' + (3 * (row % 3) + row / 3 + column) % 9);
        }
    }
    return grid;
}

std::string withCellsEmptied(std::string grid, const std::vector<int>& cells) {
    for (int cell : cells) grid[cell] = '.';
    return grid;
}

const std::string kAnswer = patternGrid();
// Each row lacks one cell, which its row alone decides.
const std::string kEasy = withCellsEmptied(kAnswer, {0, 10, 20, 30, 40, 50, 60, 70, 80});
const std::string kEmpty(81, '.');
// The first band of the answer: many ways to complete it.
const std::string kManyAnswers = kAnswer.substr(0, 27) + std::string(54, '.');
// The same band with two 1s in its first row.
const std::string kContradictory = "11" + kAnswer.substr(2, 25) + std::string(54, '.');

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct OutputCase {
    const char* name;
    std::vector<std::string> args;
    std::string puzzle;
    std::string expectedLine;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

class CliOutputTest : public testing::TestWithParam<OutputCase> {};

TEST_P(CliOutputTest, PrintsOneLinePerPuzzle) {
    const OutputCase& c = GetParam();
    const CliRun run = runCli(c.args, c.puzzle + "\n");
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, c.expectedLine + "\n");
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CliOutputTest,
    testing::Values(
        OutputCase{
            "CandidatesOfAnEmptyGrid", {"candidates"}, kEmpty, "2" + repeated(" 123456789", 81)},
        // The logic fills the one gap at both depths, so nothing is left to show.
        OutputCase{"CandidatesOfANearlyFullGrid",
                   {"candidates"},
                   withCellsEmptied(kAnswer, {40}),
                   "0" + repeated(" 0", 81)},
        OutputCase{"SolveByPencilMarks", {"solve"}, kEasy, "0 " + kAnswer},
        OutputCase{
            "SolveByBacktracking", {"solve", "--method", "backtrack"}, kEasy, "0 " + kAnswer},
        // A duplicate among the clues: the grid is given back as it came.
        OutputCase{"SolveAContradiction",
                   {"solve", "--method", "pencil"},
                   kContradictory,
                   "1 " + kContradictory},
        OutputCase{"SolvableEasy", {"check", "--solvable"}, kEasy, "0"},
        OutputCase{"SolvableContradiction", {"check", "--solvable"}, kContradictory, "1"},
        OutputCase{"SolvableManyAnswers", {"check", "--solvable"}, kManyAnswers, "0"},
        OutputCase{"MultipleEasy", {"check", "--multiple"}, kEasy, "0"},
        OutputCase{"MultipleContradiction", {"check", "--multiple"}, kContradictory, "2"},
        OutputCase{
            "MultipleManyAnswers", {"--seed", "11", "check", "--multiple"}, kManyAnswers, "1"},
        OutputCase{"MultipleEmptyGrid", {"--seed", "12", "check", "--multiple"}, kEmpty, "1"}),
    [](const testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

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

TEST(CliInput, NoPuzzlesIsNoError) {
    const CliRun run = runCli({"solve"}, "# nothing here\n\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, "");
}

TEST(CliInput, KeepsTheOrderOverManyPuzzles) {
    std::string input;
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        const bool easy = i % 3 != 0;
        input += (easy ? kEasy : kContradictory) + "\n";
        expected += easy ? "0 " + kAnswer + "\n" : "1 " + kContradictory + "\n";
    }
    const CliRun run = runCli({"solve"}, input);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, expected);
}

TEST(CliSeed, TheSameSeedGivesTheSameOutputWhereverItStands) {
    const std::string input = kManyAnswers + "\n" + kEmpty + "\n";
    const CliRun first = runCli({"--seed", "4242", "solve", "--method", "backtrack"}, input);
    const CliRun again = runCli({"solve", "--method", "backtrack", "--seed", "4242"}, input);
    const CliRun other = runCli({"--seed", "4243", "solve", "--method", "backtrack"}, input);
    ASSERT_EQ(first.exitStatus, 0) << first.err;
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.name;
}

class CliUsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageTest, ExitsWithTwoAndTheUsage) {
    const CliRun run = runCli(GetParam().args, kEasy + "\n");
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("gridatelier-cli: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Usage: gridatelier-cli"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, CliUsageTest,
    testing::Values(UsageCase{"NoCommand", {}}, UsageCase{"UnknownCommand", {"frobnicate"}},
                    UsageCase{"UnknownOption", {"solve", "--fast"}},
                    UsageCase{"UnknownMethod", {"solve", "--method", "guess"}},
                    UsageCase{"StrayArgument", {"candidates", "puzzles.txt"}},
                    UsageCase{"CheckWithoutKind", {"check"}},
                    UsageCase{"CheckWithBothKinds", {"check", "--solvable", "--multiple"}},
                    UsageCase{"NegativeSeed", {"--seed", "-1", "solve"}},
                    UsageCase{"WordForSeed", {"solve", "--seed", "many"}},
                    UsageCase{"RegionsWithoutCsv",
                              {"regions", "--level", "1", "--count", "2", "--max", "8"}},
                    UsageCase{"RegionsCountNotANumber",
                              {"regions", "--level", "1", "--count", "x", "--max", "8", "--csv",
                               "unused.csv"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST(CliUsage, HelpGoesToStandardOutput) {
    const CliRun run = runCli({"--help"});
    EXPECT_EQ(run.exitStatus, 0);
    for (const char* command : {"candidates", "solve", "check", "regions", "--seed"}) {
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
    }
}

struct RefusedRegionCase {
    const char* name;
    const char* level;
    const char* count;
    const char* maxCells;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RefusedRegionCase& c, std::ostream* os) {
    *os << c.name;
}

class CliRegionRefusalTest : public testing::TestWithParam<RefusedRegionCase> {};

TEST_P(CliRegionRefusalTest, RefusesBeforeWritingAnything) {
    const RefusedRegionCase& c = GetParam();
    ScratchDir dir;
    const std::filesystem::path csv = dir.path() / "regions.csv";
    const CliRun run = runCli({"regions", "--level", c.level, "--count", c.count, "--max",
                               c.maxCells, "--csv", csv.string()});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Usage:"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(csv));
}

INSTANTIATE_TEST_SUITE_P(Values, CliRegionRefusalTest,
                         testing::Values(RefusedRegionCase{"NegativeCount", "1", "-1", "16"},
                                         RefusedRegionCase{"NegativeMax", "1", "10", "-3"},
                                         RefusedRegionCase{"MaxBeyondTheGrid", "1", "10", "82"},
                                         RefusedRegionCase{"HugeMax", "1", "10", "2147483647"},
                                         RefusedRegionCase{"LevelTooHigh", "5", "10", "16"},
                                         RefusedRegionCase{"NegativeLevel", "-1", "10", "16"}),
                         [](const testing::TestParamInfo<RefusedRegionCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(CliRegions, ReportsAFileThatCannotBeCreated) {
    ScratchDir dir;
    const std::filesystem::path csv = dir.path() / "no such folder" / "regions.csv";
    const CliRun run =
        runCli({"regions", "--level", "2", "--count", "3", "--max", "16", "--csv", csv.string()});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "failed to open or create a csv file\n");
}

std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(CliRegions, WritesTheAnswerAndTheRegionsInTheCsvLayout) {
    ScratchDir dir;
    const std::filesystem::path csv = dir.path() / "regions.csv";
    const std::vector<std::string> args = {"--seed", "99",      "regions",   "--level",
                                           "2",      "--count", "12",        "--max",
                                           "16",     "--csv",   csv.string()};
    const CliRun run = runCli(args);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const int found = std::stoi(run.out);
    EXPECT_EQ(run.out, std::to_string(found) + "\n");
    EXPECT_GT(found, 0);
    EXPECT_LE(found, 12);

    const std::string text = readFile(csv);
    const std::vector<std::string> lines = crlfLines(text);
    ASSERT_EQ(lines.size(), 11u + found);
    const std::regex answerRow("([1-9],){9}");
    for (int row = 0; row < 9; ++row) {
        EXPECT_TRUE(std::regex_match(lines[row], answerRow)) << lines[row];
    }
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "record is " + std::to_string(found));
    int previousCount = 0;
    for (int i = 11; i < static_cast<int>(lines.size()); ++i) {
        std::vector<int> entries;
        std::istringstream fields(lines[i]);
        std::string field;
        while (std::getline(fields, field, ',')) entries.push_back(std::stoi(field));
        ASSERT_EQ(entries.size(), 17u) << lines[i];
        EXPECT_EQ(lines[i].back(), ',');
        const int count = entries[16];
        EXPECT_GE(count, previousCount) << "regions are ordered by size";
        previousCount = count;
        ASSERT_TRUE(count >= 1 && count <= 16) << lines[i];
        EXPECT_TRUE(entries[0] >= 0 && entries[count - 1] <= 80) << lines[i];
        EXPECT_TRUE(std::is_sorted(entries.begin(), entries.begin() + count,
                                   [](int a, int b) { return a <= b; }))
            << "cells ascending without repeats: " << lines[i];
        for (int k = count; k < 16; ++k) EXPECT_EQ(entries[k], 0) << lines[i];
    }

    const CliRun again = runCli(args);
    EXPECT_EQ(again.out, run.out);
    EXPECT_EQ(readFile(csv), text) << "the same seed makes the same file";
}

// Each sample puzzle carries what the deterministic commands answer for it:
// "pencil:R solvable:R multiple:R" after the 81 cells.
TEST(CliSamples, AnswerAsTheSampleFileSays) {
    std::ifstream file(GRIDATELIER_SAMPLE_PATH);
    ASSERT_TRUE(file) << GRIDATELIER_SAMPLE_PATH;
    const std::regex annotated("^(\\S{81})\\s+pencil:(\\d) solvable:(\\d) multiple:(\\d).*");
    std::string puzzles;
    std::string pencil;
    std::string solvable;
    std::string multiple;
    std::string line;
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
