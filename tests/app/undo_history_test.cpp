// The edges of the board's history, one action after another: what undo and
// redo can reach and which board each brings back.
#include "app/undo_history.h"

#include <gtest/gtest.h>

namespace ga {
namespace {

TEST(UndoHistory, StepsEndAtTheBoardsStartAFreshEditAndTheLimit) {
    // e: a cell takes the value; m: the modified flag alone changes; u, r: undo,
    // redo; E: a thousand edits of the candidates; U: undo while it can. Then the
    // steps kept, whether undo and redo can, and the value brought back.
    // clang-format off
    const struct { char action; size_t steps; bool undo, redo; int value; } rows[] = {
        {'m', 0, false, false, 0}, {'e', 1, true, false, 1}, {'e', 2, true, false, 2},
        {'m', 2, true, false, 2}, {'u', 2, true, true, 1}, {'u', 2, false, true, 0},
        {'r', 2, true, true, 1}, {'e', 2, true, false, 3}, {'u', 2, true, true, 1},
        {'E', 1000, true, false, 1}, {'U', 1000, false, true, 1}, {'r', 1000, true, true, 3}};
    // clang-format on
    UndoHistory history;
    BoardState board;
    history.start(board);
    int shown = 0;
    for (const auto& row : rows) {
        if (row.action == 'm') board.modified ^= 1, history.follow(board);
        if (row.action == 'e') board.puzzle.valueGrid[0] = shown = row.value, history.follow(board);
        if (row.action == 'u' || row.action == 'U')
            shown = history.undo().before.puzzle.valueGrid[0];
        if (row.action == 'r') shown = history.redo().after.puzzle.valueGrid[0];
        for (int n = 0; row.action == 'E' && n < 1000; ++n)
            board.puzzle.candidateNumbers[0] = 12 + n, history.follow(board);
        while (row.action == 'U' && history.canUndo())
            shown = history.undo().before.puzzle.valueGrid[0];
        EXPECT_EQ(history.size(), row.steps) << &row - rows;
        EXPECT_TRUE(history.canUndo() == row.undo && history.canRedo() == row.redo) << &row - rows;
        EXPECT_EQ(shown, row.value) << &row - rows;  // U: the oldest step is gone, 0 lost
    }
}

}  // namespace
}  // namespace ga
