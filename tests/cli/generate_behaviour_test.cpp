// generate and recreate driven from outside: the line format, repeatability,
// the round trip through the serial number, the puzzle file and the refusals.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ga::test {
namespace {

struct GeneratedLine {
    std::string puzzle;
    std::string answer;
    std::string serial;
    uint32_t parts[5];
};

std::vector<GeneratedLine> generatedLines(const std::string& out) {
    const std::regex format("([1-9.]{81}) ([1-9]{81}) ([0-9A-F]{1,8}(-[0-9A-F]{1,8}){4})");
    std::vector<GeneratedLine> lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);) {
        std::smatch match;
        EXPECT_TRUE(std::regex_match(line, match, format)) << line;
        if (match.empty()) continue;
        GeneratedLine& generated =
            lines.emplace_back(GeneratedLine{match.str(1), match.str(2), match.str(3), {}});
        std::sscanf(generated.serial.c_str(), "%X-%X-%X-%X-%X", &generated.parts[0],
                    &generated.parts[1], &generated.parts[2], &generated.parts[3],
                    &generated.parts[4]);
    }
    return lines;
}

// The record the printed line describes, as the puzzle file holds it.
std::string recordBytesOf(const GeneratedLine& line) {
    std::string bytes;
    const auto put = [&bytes](uint32_t value) {
        for (int byte = 0; byte < 4; ++byte) bytes += static_cast<char>(value >> (8 * byte));
    };
    for (char c : line.answer) put(c - '0');
    for (char c : line.puzzle) put(c == '.' ? 1 : 0);
    for (char c : line.puzzle) put(c == '.' ? 0 : c - '0');
    for (int cell = 0; cell < 81; ++cell) put(0);
    for (uint32_t part : line.parts) put(part);
    put(1);
    return bytes;
}

class GenerateClassTest : public testing::TestWithParam<int> {};

// Each generated line is a puzzle of its answer, and a serial number of a
// built-in table recreates it, whichever way the parts are typed; one of a
// fresh answer is refused.
TEST_P(GenerateClassTest, PrintsPuzzlesThatTheirSerialNumbersRecreate) {
    const int difficultyClass = GetParam();
    const CliRun run = runCli({"--seed", std::to_string(300 + difficultyClass), "generate",
                               "--class", std::to_string(difficultyClass), "--count", "6"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<GeneratedLine> lines = generatedLines(run.out);
    ASSERT_EQ(lines.size(), 6u);

    int onRegionTables = 0;
    for (const GeneratedLine& line : lines) {
        std::string clues = line.answer;
        for (int cell = 0; cell < 81; ++cell) {
            if (line.puzzle[cell] == '.') clues[cell] = '.';
        }
        EXPECT_EQ(line.puzzle, clues) << "every clue is its answer's value";
        const uint32_t source = line.parts[1] >> 28;
        if (source >= 2 && source <= 9) ++onRegionTables;
        if (difficultyClass == 0) {
            EXPECT_EQ(source, 1u) << line.serial;
        } else if (difficultyClass >= 5) {
            EXPECT_TRUE(source >= 10 && source <= 13) << line.serial;
        }

        std::vector<std::string> args = {"recreate"};
        if (source % 2 == 0) {
            args.push_back(line.serial);
        } else {
            std::istringstream parts(line.serial);
            for (std::string part; std::getline(parts, part, '-');) args.push_back("0x" + part);
        }
        const CliRun again = runCli(args);
        if (source == 1) {
            EXPECT_EQ(again.exitStatus, 1);
            EXPECT_EQ(again.err, "found an illegal serial number out of range\n");
        } else {
            EXPECT_EQ(again.exitStatus, 0) << again.err;
            EXPECT_EQ(again.out, line.puzzle + " " + line.answer + "\n") << line.serial;
        }
    }
    // Advanced draws a region table most of the time; the round trip must meet one.
    EXPECT_TRUE(difficultyClass != 4 || onRegionTables > 0);
}

INSTANTIATE_TEST_SUITE_P(Classes, GenerateClassTest, testing::Range(0, 8));

TEST(Generate, TheSameSeedMakesTheSamePuzzles) {
    const CliRun first = runCli({"--seed", "42", "generate", "--class", "4", "--count", "3"});
    const CliRun again = runCli({"generate", "--count", "3", "--class", "4", "--seed", "42"});
    const CliRun other = runCli({"--seed", "43", "generate", "--class", "4", "--count", "3"});
    ASSERT_EQ(first.exitStatus, 0) << first.err;
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
}

TEST(Generate, SavesThePuzzleFileWithItsHeaderAndRecord) {
    ScratchDir dir;
    const std::filesystem::path path = dir.path() / "new.ga";
    const CliRun run = runCli({"--seed", "9", "generate", "--class", "6", "--ga", path.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::vector<GeneratedLine> lines = generatedLines(run.out);
    ASSERT_EQ(lines.size(), 1u);

    const std::string header = std::string("\x20\0\0\0\0\0\0\0\x06", 9) + std::string(23, '\0');
    EXPECT_EQ(readFile(path), header + recordBytesOf(lines[0]));
}

TEST(Generate, ReportsAPuzzleFileThatCannotBeSavedAfterPrintingThePuzzle) {
    ScratchDir dir;
    const std::filesystem::path path = dir.path() / "missing" / "new.ga";
    const CliRun run = runCli({"generate", "--class", "5", "--ga", path.string()});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(generatedLines(run.out).size(), 1u);
    EXPECT_EQ(run.err, "failed to save data to a file\n");
}

TEST(Generate, SavesNoFileForMoreThanOnePuzzle) {
    ScratchDir dir;
    const std::filesystem::path path = dir.path() / "new.ga";
    const CliRun run = runCli({"generate", "--class", "5", "--count", "2", "--ga", path.string()});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--count 1"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Recreate, RebuildsAStoredSerialNumber) {
    // The first built-in table with bands 0 and 1 swapped; base row 0, now row 3, open.
    const CliRun run = runCli({"recreate", "75BCD15-20000008-3FE-0-0"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::string answer = run.out.substr(82, 81);
    EXPECT_EQ(answer.substr(0, 45), "214685397376912548598374162123456789457891236");
    EXPECT_EQ(run.out,
              answer.substr(0, 27) + std::string(9, '.') + answer.substr(36) + " " + answer + "\n");
}

TEST(Recreate, RefusesWithTheFirstProblemItFinds) {
    const std::string illegal = "found the first serial number that's illegal\n";
    const std::string outOfRange = "found an illegal serial number out of range\n";
    const std::pair<const char*, std::string> cases[] = {
        {"75BCD14-20000000-0-0-0", illegal},   // 123456788
        {"3ADE68B2-20000000-0-0-0", illegal},  // 987654322, above the top too
        {"-20000000-0-0-0", illegal},          // an empty part reads as 0
        {"75BCD14-1FFFFFFF-10000000-0-0", illegal},
        {"42F69715-20000000-0-0-0", outOfRange},  // 1123456789: legal digits, too high
        {"75BCD15-1FFFFFFF-0-0-0", outOfRange},   // a fresh answer's source
        {"75BCD15-E0000000-0-0-0", outOfRange},
        {"75BCD15-20000000-0-0-10000000", outOfRange},
        {"75BCD15-20000000-0-100000000-0", outOfRange},
    };
    for (const auto& [serial, message] : cases) {
        const CliRun run = runCli({"recreate", serial});
        EXPECT_EQ(run.exitStatus, 1) << serial;
        EXPECT_EQ(run.out, "") << serial;
        EXPECT_EQ(run.err, message) << serial;
    }
}

TEST(GenerateAndRecreate, ABadCommandLineExitsWithTwoAndTheUsage) {
    const std::vector<std::string> cases[] = {
        {"generate"},
        {"generate", "--class", "8"},
        {"generate", "--class", "-1"},
        {"generate", "--class", "expert"},
        {"generate", "--class", "1", "--count", "0"},
        {"recreate"},
        {"recreate", "75BCD15", "20000000"},
        {"recreate", "75BCD15-20000000-0"},
        {"recreate", "1", "2", "3", "4", "5", "6"},
    };
    for (const std::vector<std::string>& args : cases) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitStatus, 2) << args.back();
        EXPECT_EQ(run.out, "") << args.back();
        EXPECT_NE(run.err.find("Usage: gridatelier-cli"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace ga::test
