#include "core/ladder/ladder.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/words.h"

namespace ga {

namespace {

using Finder = bool (*)(const LadderBoard&, const DigitCells&, Technique, LadderStep&);
using Describer = std::string (*)(const LadderStep&, StepWords);

struct TechniqueRow {
    TechniqueInfo info;
    Finder find;
    Describer describe;
};

const TechniqueRow kTechniqueRows[] = {
#define GA_TECHNIQUE_ROW(id, name, word, rung, weight, level, family) \
    {{name, word, rung, weight, Level::k##level}, find##family##Step, describe##family##Step},
    GA_LADDER_TECHNIQUES(GA_TECHNIQUE_ROW)
#undef GA_TECHNIQUE_ROW
};
static_assert(sizeof kTechniqueRows / sizeof kTechniqueRows[0] == kTechniqueCount);

const TechniqueInfo kNoTechnique = {"none", "none", 0, 0, Level::kEasy};

constexpr int kFirstUniquenessRung = 7;
// Up to here the techniques have everyday names, said in lower case.
constexpr int kLastPlainWordsRung = 3;

bool changesBoard(const LadderStep& step) {
    if (step.placedCell != kNoCell) return true;
    for (uint16_t mask : step.eliminations) {
        if (mask != 0) return true;
    }
    return false;
}

// What a person calls the pattern to look for, with its article: the simple
// patterns in everyday words ("a hidden single", "a pointing pair"), the
// named ones by their names ("an X-Wing").
std::string patternWords(const LadderStep& step) {
    const TechniqueInfo& info = techniqueInfo(step.technique);
    const int lockedCells = step.cells.count();
    switch (step.technique) {
        case Technique::kPointing:
        case Technique::kClaiming: {
            std::string words = step.technique == Technique::kPointing ? "pointing" : "claiming";
            if (lockedCells == 2 || lockedCells == 3)
                words += lockedCells == 2 ? " pair" : " triple";
            return "a " + words;
        }
        case Technique::kSimpleColouring:
            return "simple colouring";
        default:
            break;
    }
    std::string words = info.name;
    if (info.rung <= kLastPlainWordsRung) {
        for (char& c : words) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    // "X" is said "ex" and "ALS" "a-l-s": both take "an"; "Unique" and
    // "Unit" start with "you" and take "a".
    const bool an = std::strchr("AEIOX", info.name[0]) != nullptr;
    return (an ? "an " : "a ") + words;
}

// The lead names a fish's base units, else the first unit of a step.
int leadUnitCount(const LadderStep& step) {
    if (step.unitCount == 0) return 0;
    return step.baseUnitCount > 1 ? step.baseUnitCount : 1;
}

// Without a unit, the lead names the cell a chain starts from, else the
// first cell the step rests on.
int leadCell(const LadderStep& step) {
    if (step.nodeCount > 0 && step.nodes[0].cellCount > 0) return step.nodes[0].cells[0];
    return step.cells.empty() ? kNoCell : step.cells.first();
}

}  // namespace

const TechniqueInfo& techniqueInfo(Technique technique) {
    int index = static_cast<int>(technique);
    return index < kTechniqueCount ? kTechniqueRows[index].info : kNoTechnique;
}

LadderStep nextLadderStep(const LadderBoard& board, int highestRung) {
    const DigitCells where = digitCells(board);
    for (int index = 0; index < kTechniqueCount; index++) {
        const TechniqueRow& row = kTechniqueRows[index];
        if (row.info.rung > highestRung) break;
        if (row.info.rung == kFirstUniquenessRung && !board.uniqueAnswer) continue;
        LadderStep step;
        const Technique technique = static_cast<Technique>(index);
        if (row.find(board, where, technique, step) && changesBoard(step)) {
            step.technique = technique;
            return step;
        }
    }
    return LadderStep{};
}

void applyLadderStep(LadderBoard& board, const LadderStep& step) {
    for (int cell = 0; cell < kCells; cell++) {
        board.candidates[cell] =
            static_cast<uint16_t>(board.candidates[cell] & ~step.eliminations[cell]);
    }
    if (step.placedCell != kNoCell) placeValue(board, step.placedCell, step.placedValue);
}

std::string ladderStepText(const LadderStep& step, StepWords words) {
    int index = static_cast<int>(step.technique);
    if (index >= kTechniqueCount) return "";
    return kTechniqueRows[index].describe(step, words);
}

std::string ladderStepLead(const LadderStep& step) {
    const std::string pattern = patternWords(step);
    const int units = leadUnitCount(step);
    if (units > 0) {
        return "look at " + listed(units, [&](int i) { return unitName(step.units[i]); }) + ": " +
               pattern;
    }
    const int cell = leadCell(step);
    return cell != kNoCell ? "look at " + cellName(cell) + ": " + pattern : "look for " + pattern;
}

CellSet ladderStepLeadCells(const LadderStep& step) {
    CellSet cells;
    const int units = leadUnitCount(step);
    for (int i = 0; i < units; i++) cells |= unitSet(step.units[i]);
    if (units == 0 && leadCell(step) != kNoCell) cells.add(leadCell(step));
    return cells;
}

std::string ladderStepResult(const LadderStep& step) {
    if (step.placedCell != kNoCell) {
        return cellName(step.placedCell) + " takes " + digitText(step.placedValue);
    }
    std::string text;
    for (int cell = 0; cell < kCells; cell++) {
        if (step.eliminations[cell] == 0) continue;
        if (!text.empty()) text += "; ";
        text += cellName(cell) + " loses " + valueList(step.eliminations[cell]);
    }
    return text;
}

LadderRating rateWithLadder(LadderBoard board, int highestRung, ProgressMeter* meter) {
    LadderRating rating;
    const int emptyAtStart = countEmpty(board);
    if (meter != nullptr) meter->set(0, emptyAtStart, 0);
    for (;;) {
        const int empty = countEmpty(board);
        if (meter != nullptr && emptyAtStart - empty != meter->current) {
            meter->current = emptyAtStart - empty;
            meter->report();
        }
        if (empty == 0) {
            rating.solved = true;
            return rating;
        }
        const LadderStep step = nextLadderStep(board, highestRung);
        if (!board.uniqueAnswer && !rating.uniquenessSkipped &&
            (step.technique == Technique::kNone ||
             techniqueInfo(step.technique).rung > kFirstUniquenessRung)) {
            LadderBoard unique = board;
            unique.uniqueAnswer = true;
            const LadderStep probe = nextLadderStep(unique, kFirstUniquenessRung);
            rating.uniquenessSkipped = techniqueInfo(probe.technique).rung == kFirstUniquenessRung;
        }
        if (step.technique == Technique::kNone) return rating;
        const TechniqueInfo& info = techniqueInfo(step.technique);
        rating.score += info.weight;
        rating.steps++;
        rating.counts[static_cast<int>(step.technique)]++;
        if (rating.hardest == Technique::kNone || info.rung >= techniqueInfo(rating.hardest).rung) {
            if (rating.hardest == Technique::kNone ||
                info.weight > techniqueInfo(rating.hardest).weight) {
                rating.hardest = step.technique;
            }
        }
        applyLadderStep(board, step);
    }
}

bool walkLadderTo(LadderBoard& board, Technique technique) {
    const int highestRung = techniqueInfo(technique).rung;
    for (;;) {
        const LadderStep step = nextLadderStep(board, highestRung);
        if (step.technique == technique) return true;
        if (step.technique == Technique::kNone) return false;
        applyLadderStep(board, step);
    }
}

const char* levelName(Level level) {
    const int index = static_cast<int>(level);
    return index >= 0 && index < kPuzzleLevelCount ? kLevelNames[index] : "";
}

namespace {

// A score at or above the limit of the hardest technique's level lifts the
// puzzle one level (Easy to Medium, ..., Fiendish to Extreme): about the top
// tenth of the scores of each level's puzzles, generated and public; so does
// a path of this many Hard and Fiendish steps, the top twentieth of the Hard
// puzzles'.
constexpr int kScoreLimits[kPuzzleLevelCount - 1] = {600, 1000, 1150, 1450};
constexpr int kLongPath = 6;

}  // namespace

Level puzzleLevel(const LadderRating& rating) {
    if (!rating.solved) return Level::kExtreme;
    // The hardest by rung need not be the highest level: a Jellyfish is
    // harder to see than the XY-Wing on a higher rung.
    int level = 0, longSteps = 0;
    for (int index = 0; index < kTechniqueCount; index++) {
        if (rating.counts[index] == 0) continue;
        const Level of = kTechniqueRows[index].info.level;
        level = std::max(level, static_cast<int>(of));
        if (of == Level::kHard || of == Level::kFiendish) longSteps += rating.counts[index];
    }
    if (level == kPuzzleLevelCount - 1) return Level::kExtreme;
    const bool lifted = rating.score >= kScoreLimits[level] || longSteps >= kLongPath;
    return static_cast<Level>(level + (lifted ? 1 : 0));
}

std::string ratingText(const LadderRating& rating) {
    const std::string counts = ratingCounts(rating);
    return std::to_string(rating.score) + " " + levelName(puzzleLevel(rating)) + " " +
           techniqueInfo(rating.hardest).name + (counts.empty() ? "" : " " + counts);
}

std::string ratingCounts(const LadderRating& rating) {
    std::string text;
    // Steps are counted per count word, in the order the words first appear.
    const char* words[kTechniqueCount];
    int wordCounts[kTechniqueCount] = {}, wordCount = 0;
    for (int index = 0; index < kTechniqueCount; index++) {
        if (rating.counts[index] == 0) continue;
        const char* word = kTechniqueRows[index].info.countWord;
        int w = 0;
        while (w < wordCount && std::string(words[w]) != word) w++;
        if (w == wordCount) words[wordCount++] = word;
        wordCounts[w] += rating.counts[index];
    }
    for (int w = 0; w < wordCount; w++) {
        text += (w == 0 ? "" : ", ") + std::to_string(wordCounts[w]) + " " + words[w];
    }
    return text;
}

}  // namespace ga
