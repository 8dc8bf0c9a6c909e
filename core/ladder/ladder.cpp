#include "core/ladder/ladder.h"

#include <algorithm>

#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/words.h"

namespace ga {

namespace {

using Finder = bool (*)(const LadderBoard&, const DigitCells&, SolvingContext&, LadderStep&);
using Describer = std::string (*)(const LadderStep&, StepWords);

struct TechniqueRow {
    TechniqueInfo info;
    Finder find;
    Describer describe;
};

const TechniqueRow kTechniqueRows[] = {
#define GA_TECHNIQUE_ROW(id, name, word, rung, weight, level, finder, describer) \
    {{name, word, rung, weight, Level::k##level}, finder, describer},
    GA_LADDER_TECHNIQUES(GA_TECHNIQUE_ROW)
#undef GA_TECHNIQUE_ROW
};
static_assert(sizeof kTechniqueRows / sizeof kTechniqueRows[0] == kTechniqueCount);

const TechniqueInfo kNoTechnique = {QT_TRANSLATE_NOOP("Technique", "none"),
                                    QT_TRANSLATE_NOOP("Count", "none"), 0, 0, Level::kEasy};

constexpr int kFirstUniquenessRung = 7;

bool changesBoard(const LadderStep& step) {
    if (step.placedCell != kNoCell) return true;
    for (uint16_t mask : step.eliminations) {
        if (mask != 0) return true;
    }
    return false;
}

// What a person calls the pattern to look for, with its article: the simple
// patterns in everyday words ("a hidden single", "a pointing pair"), the
// named ones by their names ("an X-Wing"). One text a technique, so that a
// language gives each its own article. In the order of techniques.h.
const char* const kPatternWords[] = {
    QT_TRANSLATE_NOOP("Hint", "a full house"),
    QT_TRANSLATE_NOOP("Hint", "a hidden single"),
    QT_TRANSLATE_NOOP("Hint", "a naked single"),
    //: locked candidates pointing out of a box, when they are not a pair or a triple
    QT_TRANSLATE_NOOP("Hint", "a pointing"),
    //: locked candidates a line claims for a box, when they are not a pair or a triple
    QT_TRANSLATE_NOOP("Hint", "a claiming"),
    QT_TRANSLATE_NOOP("Hint", "a naked pair"),
    QT_TRANSLATE_NOOP("Hint", "a hidden pair"),
    QT_TRANSLATE_NOOP("Hint", "a naked triple"),
    QT_TRANSLATE_NOOP("Hint", "a hidden triple"),
    QT_TRANSLATE_NOOP("Hint", "a naked quad"),
    QT_TRANSLATE_NOOP("Hint", "a hidden quad"),
    QT_TRANSLATE_NOOP("Hint", "an X-Wing"),
    QT_TRANSLATE_NOOP("Hint", "a Finned X-Wing"),
    QT_TRANSLATE_NOOP("Hint", "a Sashimi X-Wing"),
    QT_TRANSLATE_NOOP("Hint", "a Swordfish"),
    QT_TRANSLATE_NOOP("Hint", "a Finned Swordfish"),
    QT_TRANSLATE_NOOP("Hint", "a Sashimi Swordfish"),
    QT_TRANSLATE_NOOP("Hint", "a Jellyfish"),
    QT_TRANSLATE_NOOP("Hint", "a Skyscraper"),
    QT_TRANSLATE_NOOP("Hint", "a 2-String Kite"),
    QT_TRANSLATE_NOOP("Hint", "a Turbot Fish"),
    QT_TRANSLATE_NOOP("Hint", "an Empty Rectangle"),
    QT_TRANSLATE_NOOP("Hint", "an XY-Wing"),
    QT_TRANSLATE_NOOP("Hint", "an XYZ-Wing"),
    QT_TRANSLATE_NOOP("Hint", "a W-Wing"),
    QT_TRANSLATE_NOOP("Hint", "a Unique Rectangle Type 1"),
    QT_TRANSLATE_NOOP("Hint", "a Unique Rectangle Type 2"),
    QT_TRANSLATE_NOOP("Hint", "a Unique Rectangle Type 4"),
    QT_TRANSLATE_NOOP("Hint", "simple colouring"),
    QT_TRANSLATE_NOOP("Hint", "an X-Chain"),
    QT_TRANSLATE_NOOP("Hint", "an XY-Chain"),
    QT_TRANSLATE_NOOP("Hint", "an Alternating Inference Chain"),
    QT_TRANSLATE_NOOP("Hint", "an ALS-XZ"),
    QT_TRANSLATE_NOOP("Hint", "an ALS-XY-Wing"),
    QT_TRANSLATE_NOOP("Hint", "a Cell Forcing Chain"),
    QT_TRANSLATE_NOOP("Hint", "a Unit Forcing Chain"),
    QT_TRANSLATE_NOOP("Hint", "a Contradiction Forcing Chain"),
    QT_TRANSLATE_NOOP("Hint", "a Nested Forcing Chain"),
};
static_assert(sizeof kPatternWords / sizeof kPatternWords[0] == kTechniqueCount);

std::string patternWords(const LadderStep& step) {
    const int lockedCells = step.cells.count();
    const bool pair = lockedCells == 2, triple = lockedCells == 3;
    switch (step.technique) {
        case Technique::kPointing:
            if (pair) return translate("Hint", "a pointing pair");
            if (triple) return translate("Hint", "a pointing triple");
            break;
        case Technique::kClaiming:
            if (pair) return translate("Hint", "a claiming pair");
            if (triple) return translate("Hint", "a claiming triple");
            break;
        default:
            break;
    }
    const int index = static_cast<int>(step.technique);
    return index < kTechniqueCount ? translate("Hint", kPatternWords[index]) : "";
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

std::string shownTechniqueName(Technique technique) {
    return translate("Technique", techniqueInfo(technique).name);
}

LadderStep nextLadderStep(const LadderBoard& board, int highestRung) {
    SolvingContext context;
    return nextLadderStep(board, highestRung, context);
}

LadderStep nextLadderStep(const LadderBoard& board, int highestRung, SolvingContext& context) {
    context.lookAt(board);
    const DigitCells& where = context.where();
    for (int index = 0; index < kTechniqueCount; index++) {
        const TechniqueRow& row = kTechniqueRows[index];
        if (row.info.rung > highestRung) break;
        if (row.info.rung == kFirstUniquenessRung && !board.uniqueAnswer) continue;
        LadderStep step;
        const Technique technique = static_cast<Technique>(index);
        if (row.find(board, where, context, step) && changesBoard(step)) {
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
        return filled(translate("Hint", "look at %1: %2"),
                      {listed(units, [&](int i) { return unitName(step.units[i]); }), pattern});
    }
    const int cell = leadCell(step);
    return cell != kNoCell ? filled(translate("Hint", "look at %1: %2"), {cellName(cell), pattern})
                           //: %1 the pattern to look for: "a hidden single", "an X-Wing"
                           : filled(translate("Hint", "look for %1"), {pattern});
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
        return filled(translate("Hint", "%1 takes %2"),
                      {cellName(step.placedCell), digitText(step.placedValue)});
    }
    const std::string loses = translate("Hint", "%1 loses %2"), clauses = clausePattern();
    std::string text;
    for (int cell = 0; cell < kCells; cell++) {
        if (step.eliminations[cell] == 0) continue;
        const std::string lost =
            filled(loses, {cellName(cell), valueList(step.eliminations[cell])});
        text = text.empty() ? lost : filled(clauses, {text, lost});
    }
    return text;
}

LadderRating rateWithLadder(LadderBoard board, int highestRung, ProgressMeter* meter) {
    SolvingContext context;
    return rateWithLadder(board, context, highestRung, meter);
}

LadderRating rateWithLadder(LadderBoard board, SolvingContext& context, int highestRung,
                            ProgressMeter* meter) {
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
        const LadderStep step = nextLadderStep(board, highestRung, context);
        if (!board.uniqueAnswer && !rating.uniquenessSkipped &&
            (step.technique == Technique::kNone ||
             techniqueInfo(step.technique).rung > kFirstUniquenessRung)) {
            LadderBoard unique = board;
            unique.uniqueAnswer = true;
            const LadderStep probe = nextLadderStep(unique, kFirstUniquenessRung, context);
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
    SolvingContext context;
    const int highestRung = techniqueInfo(technique).rung;
    for (;;) {
        const LadderStep step = nextLadderStep(board, highestRung, context);
        if (step.technique == technique) return true;
        if (step.technique == Technique::kNone) return false;
        applyLadderStep(board, step);
    }
}

const char* levelName(Level level) {
    const int index = static_cast<int>(level);
    return index >= 0 && index < kPuzzleLevelCount ? kLevelNames[index] : "";
}

std::string shownLevelName(Level level) {
    const char* name = levelName(level);
    return *name != '\0' ? translate("Level", name) : "";
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

namespace {

// Calls count(steps, word) per count word, in the order the words first appear.
template <typename Count>
void forEachCount(const LadderRating& rating, Count count) {
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
    for (int w = 0; w < wordCount; w++) count(wordCounts[w], words[w]);
}

}  // namespace

std::string ratingCounts(const LadderRating& rating) {
    std::string text;
    forEachCount(rating, [&](int steps, const char* word) {
        text += (text.empty() ? "" : ", ") + std::to_string(steps) + " " + word;
    });
    return text;
}

std::string shownRatingCounts(const LadderRating& rating) {
    std::string text;
    //: %1 a number of steps, %2 the count word they are counted under ("33 single")
    const std::string pattern = translate("Count", "%1 %2");
    const std::string comma = jointPattern(Joiner::kComma);
    forEachCount(rating, [&](int steps, const char* word) {
        const std::string count =
            filled(pattern, {std::to_string(steps), translate("Count", word)});
        text = text.empty() ? count : filled(comma, {text, count});
    });
    return text;
}

}  // namespace ga
