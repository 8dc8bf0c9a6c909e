#include "generator/generation.h"

#include <algorithm>

#include "core/random.h"
#include "core/regions.h"
#include "core/searches.h"
#include "core/solver.h"
#include "generator/serial.h"
#include "generator/transforms.h"

namespace ga {
namespace {

// The scattering level of the fresh answer's region search (threshold 5).
constexpr int kFreshRegionLevel = 2;

bool isClue(const PuzzleRecord& record, int cell) {
    return record.openFlags[cell] == 0;
}

int cluesInBox(const PuzzleRecord& record, int box) {
    int clues = 0;
    for (int position = 0; position < 9; ++position) {
        if (isClue(record, kUnitCells[18 + box][position])) ++clues;
    }
    return clues;
}

// Generation must never build on a grid of zeros, so a fill that gives up is
// simply tried again on a cleared record.
void makeFreshAnswer(PuzzleRecord& record, ProgressMeter& meter) {
    do {
        resetRecord(record);
    } while (fillAtRandom(record, meter) != kSearchSolved || !isSolved(record.valueGrid));
    record.answerGrid = record.valueGrid;
    record.valueGrid.fill(0);
    record.answerKnown = 1;
}

// The search leaves in valueGrid the second answer of the last Region it
// found, or, when it ran out of attempts, whatever its last attempt left; only
// a solved grid may become the answer, otherwise the fresh answer stays.
void takeAnswerFromSearch(PuzzleRecord& record) {
    if (isSolved(record.valueGrid)) record.answerGrid = record.valueGrid;
    record.valueGrid.fill(0);
}

// The pattern tables each of the classes 5..7 draws from, uniformly.
struct PatternChoice {
    int firstSource;
    int sources;
};
// There is no table 14, so "Extra-Terrestrial" keeps to the two hardest
// patterns rather than drawing a source that has no base and that recreation
// refuses.
constexpr PatternChoice kPatternChoices[] = {{10, 3}, {11, 3}, {12, 2}};

const PatternChoice& patternChoiceOf(int difficultyClass) {
    return kPatternChoices[difficultyClass - kLastLogicClass - 1];
}

int drawSource(int difficultyClass, int regionsFound) {
    if (difficultyClass <= kLastLogicClass) {
        const double tableChance =
            (0.25 - regionsFound * 0.25 / kRegionRowsPerTable) * difficultyClass;
        if (tableChance > drawUnit()) return 1 + chooseAmong(9);
        return kFreshSource;
    }
    const PatternChoice& choice = patternChoiceOf(difficultyClass);
    return choice.firstSource + chooseAmong(choice.sources);
}

bool tableFitsClass(int source, int difficultyClass) {
    if (isRegionSource(source)) return difficultyClass >= 1 && difficultyClass <= kLastLogicClass;
    if (!isPatternSource(source) || difficultyClass <= kLastLogicClass ||
        difficultyClass > kHighestClass) {
        return false;
    }
    const PatternChoice& choice = patternChoiceOf(difficultyClass);
    return source >= choice.firstSource && source < choice.firstSource + choice.sources;
}

void addClassClues(PuzzleRecord& record, int difficultyClass) {
    if (difficultyClass <= kLastLogicClass) {
        scatterClues(record, difficultyClass + 3);
        coverRowsAndColumns(record);
        coverValues(record);
        makeLogicSolvable(record);
    } else {
        scatterClues(record, difficultyClass + 1);
    }
}

// Records the clue set, disguises the puzzle and shows its clues.
void disguiseAndFinish(PuzzleRecord& record) {
    for (int j = 0; j < 3; ++j) {
        uint32_t openBits = 0;
        for (int i = 0; i < 27; ++i) {
            if (record.openFlags[27 * j + i] == 1) openBits |= 1u << (i + 1);
        }
        record.serial[kFirstCluePart + j] = openBits;
    }
    transformAtRandom(record);
    relabelAtRandom(record);
    for (int cell = 0; cell < kCells; ++cell) {
        record.valueGrid[cell] = isClue(record, cell) ? record.answerGrid[cell] : 0;
    }
    record.candidateNumbers.fill(0);
    record.answerKnown = 1;
}

void addSource(PuzzleRecord& record, int source) {
    record.serial[kSourceAndTransformPart] += static_cast<uint32_t>(source) << kSourceShift;
}

}  // namespace

GenerateResult generatePuzzle(PuzzleRecord& record, int difficultyClass, ProgressMeter& meter) {
    if (!isDifficultyClass(difficultyClass)) return kGenerationRefused;

    meter.showAtZero();
    makeFreshAnswer(record, meter);
    RegionRow regions[kFreshRegionCount] = {};
    const int regionsFound = searchRegions(record, &regions[0][0], kFreshRegionLevel,
                                           kFreshRegionCount, kRegionMaxCells, meter);
    meter.hide();

    if (difficultyClass <= kLastLogicClass) {
        for (int32_t& flag : record.openFlags) flag = 1;
    }
    const int source = drawSource(difficultyClass, regionsFound);
    if (source != kFreshSource) return buildPuzzleOnTable(record, difficultyClass, source);

    addSource(record, kFreshSource);
    takeAnswerFromSearch(record);
    placeRegionClues(record, regions, regionsFound);
    addClassClues(record, difficultyClass);
    disguiseAndFinish(record);
    return kGenerated;
}

GenerateResult buildPuzzleOnTable(PuzzleRecord& record, int difficultyClass, int source) {
    if (!tableFitsClass(source, difficultyClass)) return kGenerationRefused;

    resetRecord(record);
    record.answerKnown = 1;
    addSource(record, source);
    if (isRegionSource(source)) {
        const RegionTable table = regionTable(source);
        record.answerGrid = *table.answerGrid;
        placeRegionClues(record, table.regions, kRegionRowsPerTable);
    } else {
        const PatternTable table = patternTable(source);
        record.answerGrid = *table.answerGrid;
        record.openFlags = *table.openFlags;
    }
    addClassClues(record, difficultyClass);
    disguiseAndFinish(record);
    return kGenerated;
}

void placeRegionClues(PuzzleRecord& record, const RegionRow* rows, int rowCount) {
    rowCount = std::min(rowCount, kRegionRowsPerTable);
    bool hit[kRegionRowsPerTable] = {};
    for (;;) {
        int count[kCells] = {};
        int alive = 0;
        for (int row = 0; row < rowCount; ++row) {
            if (hit[row]) continue;
            const int cells = std::min<int>(rows[row][kRegionMaxCells], kRegionMaxCells);
            for (int k = 0; k < cells; ++k) ++count[rows[row][k]];
            ++alive;
        }
        if (rowCount < 1 || alive == 0) break;

        // The three leading cells by count; equal counts rank by ascending
        // cell index, so the choice depends on nothing but the counts.
        int ranked[3];
        int m = 0;
        bool taken[kCells] = {};
        for (; m < 3; ++m) {
            int best = -1;
            for (int cell = 0; cell < kCells; ++cell) {
                if (!taken[cell] && count[cell] > 0 && (best < 0 || count[cell] > count[best])) {
                    best = cell;
                }
            }
            if (best < 0) break;
            taken[best] = true;
            ranked[m] = best;
        }
        if (m == 0) break;  // only rows without cells are left

        const int chosen = ranked[chooseAmong(m)];
        record.openFlags[chosen] = 0;
        for (int row = 0; row < rowCount; ++row) {
            if (hit[row]) continue;
            const int cells = std::min<int>(rows[row][kRegionMaxCells], kRegionMaxCells);
            for (int k = 0; k < cells; ++k) {
                if (rows[row][k] == chosen) {
                    hit[row] = true;
                    break;
                }
            }
        }
    }
}

void coverRowsAndColumns(PuzzleRecord& record) {
    for (int byColumn = 0; byColumn < 2; ++byColumn) {
        // Lines are rows on the first pass and columns on the second.
        auto cellOf = [byColumn](int line, int along) {
            return byColumn ? along * 9 + line : line * 9 + along;
        };
        int bare[9];
        int length = 0;
        for (int line = 0; line < 9; ++line) {
            bool hasClue = false;
            for (int along = 0; along < 9; ++along) hasClue |= isClue(record, cellOf(line, along));
            if (!hasClue) bare[length++] = line;
        }
        while (length >= 2) {
            const int index = chooseAmong(length);
            const int line = bare[index];
            // The three boxes the line crosses; the first with the fewest
            // clues (leftmost for a row, topmost for a column).
            int bestThird = 0;
            int fewest = kCells;
            for (int third = 0; third < 3; ++third) {
                const int box = byColumn ? 3 * third + line / 3 : 3 * (line / 3) + third;
                const int clues = cluesInBox(record, box);
                if (clues < fewest) {
                    fewest = clues;
                    bestThird = third;
                }
            }
            record.openFlags[cellOf(line, 3 * bestThird + chooseAmong(3))] = 0;
            std::copy(bare + index + 1, bare + length, bare + index);
            --length;
        }
    }
}

void coverValues(PuzzleRecord& record) {
    bool occurs[10] = {};
    int present = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const int value = record.answerGrid[cell];
        if (isClue(record, cell) && value >= 1 && value <= 9 && !occurs[value]) {
            occurs[value] = true;
            ++present;
        }
    }
    for (int missing = 8 - present; missing > 0; --missing) {
        int value = 1;
        while (occurs[value]) ++value;
        occurs[value] = true;
        // A value absent from the clues stands only in open cells; drawing
        // stops at one of them, provided the answer holds the value at all.
        bool inAnswer = false;
        for (int cell = 0; cell < kCells; ++cell) inAnswer |= record.answerGrid[cell] == value;
        if (!inAnswer) continue;
        int cell;
        do {
            cell = chooseAmong(kCells);
        } while (isClue(record, cell) || record.answerGrid[cell] != value);
        record.openFlags[cell] = 0;
    }
}

}  // namespace ga
