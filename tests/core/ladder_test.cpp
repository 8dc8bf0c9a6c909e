// The human-style ladder: each technique on hand-made boards where it is the
// simplest step (the ladder's own examples), and whole walks through generated and
// hard puzzles where every step is judged by the exact solver's answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

#include "core/bits.h"
#include "core/difficulty_class.h"
#include "core/hint.h"
#include "core/ladder/examples.h"
#include "core/ladder/ladder.h"
#include "core/random.h"
#include "generator/generation.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace ga {
// Examples print as where they come from.
void PrintTo(const LadderExample& example, std::ostream* out) {
    *out << example.where;
}
}  // namespace ga

namespace ga::testing {
namespace {

// The first thing wrong with a step against the answer, "" when nothing is.
std::string stepFault(const LadderStep& step, const Grid& answer) {
    if (step.placedCell != kNoCell && step.placedValue != answer[step.placedCell])
        return "places " + std::to_string(step.placedValue) + " at cell " +
               std::to_string(step.placedCell);
    for (int cell = 0; cell < kCells; ++cell) {
        if (answer[cell] >= 1 && (step.eliminations[cell] & bitOfValue(answer[cell])))
            return "eliminates the answer at cell " + std::to_string(cell);
    }
    return "";
}

class LadderTable : public ::testing::TestWithParam<LadderExample> {};

// The named technique is the simplest step on the board, it does what the row
// says, in words, and it keeps the answer.
TEST_P(LadderTable, TheTechniqueIsTheNextStep) {
    const LadderExample& row = GetParam();
    LadderBoard board;
    Grid values{}, answer{};
    ASSERT_TRUE(exampleBoard(row, board)) << "malformed row";
    std::copy(board.values.begin(), board.values.end(), values.begin());
    ASSERT_EQ(countAnswers(values.data(), 2, answer.data()), 1) << "the values need one answer";
    for (int cell = 0; cell < kCells; ++cell) {
        ASSERT_TRUE(values[cell] || (board.candidates[cell] & bitOfValue(answer[cell])))
            << "the candidates of cell " << cell << " lack the answer";
    }
    const LadderStep step = nextLadderStep(board);
    EXPECT_STREQ(techniqueInfo(step.technique).name, row.technique.c_str());
    EXPECT_EQ(ladderStepResult(step), row.result);
    EXPECT_EQ(stepFault(step, answer), "");
    EXPECT_FALSE(ladderStepText(step).empty());
}

INSTANTIATE_TEST_SUITE_P(DataFiles, LadderTable, ::testing::ValuesIn(ladderExamples()),
                         [](const auto& info) { return info.param.where; });

// A language that says everything in capitals: a word that reaches the
// player without passing the catalogue shows up in lower case.
std::string inCapitals(const char*, const char* text) {
    std::string capitals = text;
    for (char& c : capitals) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return capitals;
}

struct CapitalsInstalled {
    CapitalsInstalled() { installCatalogue(inCapitals); }
    ~CapitalsInstalled() { installCatalogue(nullptr); }
};

// What is left in lower case once the cell notation ("r4c7", grouped "r12c3")
// is taken out.
std::string untranslated(const std::string& text) {
    static const std::regex kNotation("r[1-9]+c[1-9]+");
    std::string left;
    for (char c : std::regex_replace(text, kNotation, ""))
        if (std::islower(static_cast<unsigned char>(c))) left += c;
    return left;
}

// Every word of every technique's hint passes the catalogue, while the names
// files and the command line use stay English.
TEST(LadderWords, EveryShownWordPassesTheCatalogue) {
    std::vector<std::pair<LadderStep, std::string>> steps;
    for (const LadderExample& row : ladderExamples()) {
        LadderBoard board;
        ASSERT_TRUE(exampleBoard(row, board)) << row.where;
        steps.emplace_back(nextLadderStep(board), row.technique);
    }
    LadderRating rating;
    rating.solved = true;
    rating.hardest = Technique::kXYWing;
    rating.counts[static_cast<int>(Technique::kHiddenSingle)] = 30;
    rating.counts[static_cast<int>(Technique::kXYWing)] = 1;
    const std::string englishRating = ratingText(rating);

    const CapitalsInstalled capitals;
    for (const auto& [step, technique] : steps) {
        SCOPED_TRACE(technique);
        Hint hint;
        hint.kind = HintKind::kStep;
        hint.step = step;
        for (const std::string& text :
             {ladderStepText(step), ladderStepText(step, StepWords::kWhole), ladderStepLead(step),
              hintText(hint, HintStage::kWhole)}) {
            EXPECT_EQ(untranslated(text), "") << text;
        }
        EXPECT_EQ(techniqueInfo(step.technique).name, technique);
        EXPECT_EQ(shownTechniqueName(step.technique), inCapitals("", technique.c_str()));
    }
    for (int kind = 0; kind <= static_cast<int>(HintKind::kFinished); ++kind) {
        Hint hint;
        hint.kind = static_cast<HintKind>(kind);
        hint.value = 0x92;
        hint.cellCount = 3;
        hint.cells[1] = 40;
        hint.cells[2] = 80;
        if (hint.kind == HintKind::kStep) continue;
        EXPECT_EQ(untranslated(hintText(hint, HintStage::kLead)), "");
    }
    EXPECT_EQ(ratingText(rating), englishRating);
    EXPECT_EQ(untranslated(shownRatingCounts(rating)), "");
    EXPECT_STREQ(levelName(Level::kFiendish), "Fiendish");
    EXPECT_EQ(shownLevelName(Level::kFiendish), "FIENDISH");
    EXPECT_STREQ(className(7), "Extra-Terrestrial");
    EXPECT_EQ(shownClassName(7), "EXTRA-TERRESTRIAL");
    EXPECT_EQ(shownClassNames(0, 1), (std::vector<std::string>{"PRACTICE", "NOVICE"}));
}

// Walks the ladder from the clues to the end; every step must keep the answer
// and the walk must reach it.
void walkToTheAnswer(const Grid& clues, const std::string& name) {
    SCOPED_TRACE(name + " " + textOf(clues));
    Grid answer{};
    ASSERT_EQ(countAnswers(clues.data(), 2, answer.data()), 1);
    LadderBoard board;
    loadLadderBoard(clues.data(), true, board);
    for (int number = 1; countEmpty(board) > 0; ++number) {
        const LadderStep step = nextLadderStep(board);
        if (step.technique == Technique::kNone) FAIL() << "gave up at step " << number;
        ASSERT_EQ(stepFault(step, answer), "")
            << "step " << number << " " << techniqueInfo(step.technique).name << ": "
            << ladderStepText(step);
        applyLadderStep(board, step);
    }
    for (int cell = 0; cell < kCells; ++cell) ASSERT_EQ(board.values[cell], answer[cell]);
}

// A few puzzles of every class, the same ones on every run.
TEST(LadderWalk, GeneratedPuzzlesOfEveryClass) {
    constexpr int kPerClass = 3;
    seedRandomWith(17);
    for (int difficultyClass = kLowestClass; difficultyClass <= kHighestClass; ++difficultyClass) {
        for (int i = 0; i < kPerClass; ++i) {
            PuzzleRecord record;
            ProgressMeter meter;
            ASSERT_EQ(generatePuzzle(record, difficultyClass, meter), kGenerated);
            Grid clues{};
            for (int cell = 0; cell < kCells; ++cell)
                clues[cell] = record.openFlags[cell] ? 0 : record.answerGrid[cell];
            walkToTheAnswer(clues, "class " + std::to_string(difficultyClass));
        }
    }
}

// Hard puzzles of the kind that need the upper rungs, from ladder_walk.txt.
TEST(LadderWalk, HardPuzzles) {
    std::ifstream in(GA_LADDER_WALK_FILE);
    std::string text;
    int walked = 0;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.size() < kCells || text[0] == '#') continue;
        walkToTheAnswer(gridFromText(text.substr(0, kCells)), "line " + std::to_string(line));
        walked++;
    }
    EXPECT_GT(walked, 0);
}

// The level: the hardest technique's, lifted at most once by a long way, and
// Extreme for whatever the ladder cannot finish.
TEST(PuzzleLevel, HardestTechniqueThenOneHigherForALongWay) {
    struct Case {
        Technique hardest;
        int steps;  // of the hardest technique
        int score;
        bool solved;
        Level level;
    };
    const Case cases[] = {
        {Technique::kHiddenSingle, 40, 0, true, Level::kEasy},
        {Technique::kHiddenSingle, 40, 1000000, true, Level::kMedium},
        {Technique::kNakedPair, 1, 0, true, Level::kMedium},
        {Technique::kXWing, 1, 0, true, Level::kHard},
        {Technique::kXWing, 1, 1000000, true, Level::kFiendish},
        {Technique::kXWing, 40, 0, true, Level::kFiendish},  // many Hard steps
        {Technique::kXChain, 1, 0, true, Level::kFiendish},
        {Technique::kXChain, 1, 1000000, true, Level::kExtreme},
        {Technique::kAlsXZ, 1, 0, true, Level::kExtreme},
        {Technique::kNakedPair, 1, 0, false, Level::kExtreme},
    };
    for (const Case& c : cases) {
        LadderRating rating;
        rating.hardest = c.hardest;
        rating.counts[static_cast<int>(c.hardest)] = c.steps;
        rating.steps = c.steps;
        rating.score = c.score;
        rating.solved = c.solved;
        EXPECT_EQ(puzzleLevel(rating), c.level)
            << techniqueInfo(c.hardest).name << " score " << c.score << " steps " << c.steps;
    }
}

}  // namespace
}  // namespace ga::testing
