// The fast unit analysis (subset tables, re-analysing only units whose masks
// changed) must compute exactly what the plain enumeration of every
// combination computes, on consistent and contradictory grids alike.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/bits.h"
#include "core/candidates.h"
#include "core/searches.h"
#include "generator/random.h"

namespace ga {
namespace {

UnitWork randomUnitWork(std::mt19937& rng, int& n) {
    UnitWork work;
    std::memset(&work, 0, sizeof work);
    initUnitWork(work);
    uint32_t open = rng() & 511;
    n = 0;
    for (int p = 0; p < 9; p++) {
        uint32_t mask = 0;
        int kind = static_cast<int>(rng() % 10);
        if (kind < 6) {
            mask = rng() & 511;
            if (rng() % 2) mask &= rng();
        } else if (kind < 8) {
            mask = 1u << (rng() % 9);
        }
        work.unitMask[p] = static_cast<int32_t>(mask);
        if (open >> p & 1) work.openCells[n++] = p;
    }
    for (int v = 0; v < 9; v++) {
        for (int i = 0; i < n; i++) {
            int p = work.openCells[i];
            if (work.unitMask[p] >> v & 1) work.valuePositions[v][work.valuePositions[v][9]++] = p;
        }
    }
    return work;
}

TEST(UnitAnalysisCrossCheck, FastAnalysisEqualsPlainEnumeration) {
    std::mt19937 rng(20261206);
    int removals = 0;
    for (int iteration = 0; iteration < 60000; iteration++) {
        int n;
        UnitWork fast = randomUnitWork(rng, n);
        UnitWork plain = fast;
        analyseUnit(fast, n);
        analyseUnitPlain(plain, n);
        ASSERT_EQ(0, std::memcmp(&fast, &plain, sizeof fast)) << "iteration " << iteration;
        removals += plain.changed;
    }
    EXPECT_GT(removals, 1000);  // the cases exercise the removal path, not just the shortcut
}

// Propagation as the plain loop: full passes over all 27 units every time.
void propagateWithFullPasses(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work) {
    while (true) {
        computeCandidates(record, candidates);
        do {
            work.changed = 0;
            analyseUnits(record, candidates, work);
        } while (work.changed != 0);
        int placed = 0;
        for (int cell = 0; cell < kCells; cell++) {
            uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]);
            if (record.valueGrid[cell] == 0 && isSingleBit(mask)) {
                record.valueGrid[cell] = valueOfSingleBit(mask);
                placed++;
            }
        }
        if (placed == 0) return;
    }
}

TEST(UnitAnalysisCrossCheck, PropagateEqualsFullPasses) {
    seedRandomWith(77);
    std::mt19937 rng(99);
    ProgressMeter meter;
    for (int trial = 0; trial < 300; trial++) {
        PuzzleRecord record;
        resetRecord(record);
        ASSERT_EQ(kSearchSolved, fillAtRandom(record, meter));
        int32_t answer[kCells];
        std::memcpy(answer, record.valueGrid, sizeof answer);
        resetRecord(record);
        int clues = 20 + static_cast<int>(rng() % 20);
        for (int i = 0; i < clues; i++) {
            int cell = static_cast<int>(rng() % kCells);
            record.openFlags[cell] = 0;
            record.answerGrid[cell] = answer[cell];
        }
        loadClues(record);
        // Some player entries, right or wrong, so contradictions occur too.
        for (int i = 0; i < trial % 6; i++) {
            int cell = static_cast<int>(rng() % kCells);
            if (record.valueGrid[cell] == 0)
                record.valueGrid[cell] = 1 + static_cast<int>(rng() % 9);
        }
        PuzzleRecord fast = record, plain = record;
        CandidateSet fastCandidates, plainCandidates;
        UnitWork fastWork, plainWork;
        initUnitWork(fastWork);
        initUnitWork(plainWork);
        propagate(fast, fastCandidates, fastWork);
        propagateWithFullPasses(plain, plainCandidates, plainWork);
        ASSERT_EQ(0, std::memcmp(fast.valueGrid, plain.valueGrid, sizeof fast.valueGrid))
            << "trial " << trial;
        ASSERT_EQ(0, std::memcmp(fastCandidates.cellMask, plainCandidates.cellMask,
                                 sizeof fastCandidates.cellMask))
            << "trial " << trial;
    }
}

}  // namespace
}  // namespace ga
