// A step as drawn over the board, checked on every example board of the
// ladder against what the step itself says it does and rests on.
#include <gtest/gtest.h>

#include <string>

#include "core/ladder/examples.h"
#include "core/ladder/ladder.h"
#include "ui/step_drawing.h"

namespace ga::testing {
namespace {

using Tint = BoardDrawing::Tint;
using Link = BoardDrawing::Link;

bool hasWord(const std::string& name, const char* word) {
    return name.find(word) != std::string::npos;
}

TEST(StepDrawing, ShowsWhatEachExampleStepDoesAndRestsOn) {
    const std::vector<LadderExample> examples = ladderExamples();
    ASSERT_FALSE(examples.empty());
    for (const LadderExample& example : examples) {
        SCOPED_TRACE(example.where);
        LadderBoard board;
        ASSERT_TRUE(exampleBoard(example, board));
        const LadderStep step = nextLadderStep(board);
        const BoardDrawing drawing = stepDrawing(step, board);
        ASSERT_TRUE(drawing.shown);

        for (int cell = 0; cell < kCells; ++cell) {
            const BoardDrawing::Cell& shown = drawing.cells[cell];
            // Only empty cells are drawn anew, with the board's candidates.
            EXPECT_TRUE(board.values[cell] == 0 || !shown.drawn) << cell;
            EXPECT_TRUE(!shown.drawn || shown.placed != 0 ||
                        shown.candidates == board.candidates[cell])
                << cell;
            const uint16_t removed = step.eliminations[cell] & board.candidates[cell];
            EXPECT_EQ(shown.removed, removed) << cell;
            EXPECT_TRUE(removed == 0 || shown.drawn) << cell;
        }
        if (step.placedCell != kNoCell) {
            EXPECT_EQ(drawing.cells[step.placedCell].placed, step.placedValue);
        }

        // Every node is ringed where its value is drawn; links join
        // neighbouring nodes, never into a branch's first node, and a strong
        // link never leaves an on node nor a dotted one reach an on node.
        ASSERT_EQ(drawing.rings.size(), size_t{step.nodeCount});
        for (const BoardDrawing::Ring& ring : drawing.rings) {
            for (int i = 0; i < ring.cellCount; ++i) {
                const BoardDrawing::Cell& shown = drawing.cells[ring.cells[i]];
                EXPECT_TRUE(shown.drawn && (shown.candidates >> (ring.value - 1) & 1));
            }
        }
        int branchStarts = 0;
        for (int i = 1; i < step.nodeCount; ++i) branchStarts += step.nodes[i].startsBranch;
        if (step.nodeCount > 0) {
            EXPECT_EQ(drawing.arrows.size(), size_t(step.nodeCount - 1 - branchStarts));
        }
        for (const BoardDrawing::Arrow& arrow : drawing.arrows) {
            ASSERT_EQ(arrow.to, arrow.from + 1);
            EXPECT_FALSE(step.nodes[arrow.to].startsBranch);
            EXPECT_FALSE(arrow.link == Link::kStrong && drawing.rings[arrow.from].on);
            EXPECT_FALSE(arrow.link == Link::kInner && drawing.rings[arrow.to].on);
        }

        // A fish's fins lie outside its cover lines; only finned fish have them.
        const std::string name = techniqueInfo(step.technique).name;
        int fins = 0;
        CellSet cover;
        for (int i = step.baseUnitCount; i < step.unitCount; ++i) cover |= unitSet(step.units[i]);
        for (int cell = 0; cell < kCells; ++cell) {
            if (drawing.cells[cell].tint != Tint::kFin) continue;
            ++fins;
            EXPECT_FALSE(cover.has(cell)) << cell;
        }
        EXPECT_EQ(fins > 0, hasWord(name, "Finned") || hasWord(name, "Sashimi"));

        // Each almost locked set in a colour of its own, its values marked.
        for (int i = 0; i < step.setCount; ++i) {
            for (int cell : cellsOf(step.sets[i].cells)) {
                const BoardDrawing::Cell& shown = drawing.cells[cell];
                EXPECT_EQ(static_cast<int>(shown.tint), static_cast<int>(Tint::kFirstSet) + i);
                EXPECT_EQ(shown.pattern[i], board.candidates[cell] & step.sets[i].values);
            }
        }
    }
}

}  // namespace
}  // namespace ga::testing
