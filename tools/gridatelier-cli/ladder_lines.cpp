#include "tools/gridatelier-cli/ladder_lines.h"

#include "core/ladder/ladder.h"
#include "core/searches.h"

namespace ga::cli {
namespace {

// 0, 1 or 2 (several) answers, or kCountGaveUp.
int countForLadder(PuzzleRecord& record) {
    loadClues(record);
    if (hasDuplicate(record.valueGrid)) return 0;
    return countAnswers(record, 2, kWaitingCountNodes);
}

}  // namespace

bool rateLine(PuzzleRecord& record, OutputLine& line) {
    // First a walk without uniqueness techniques, which stays short even on a
    // puzzle with many answers. When it reaches a full grid, its steps prove
    // that grid the only answer, and when no uniqueness step was there to be
    // taken on the way, it is the very walk that knowing so would give: the
    // count, which costs as much as the walk on an easy puzzle, is not needed.
    loadClues(record);
    const bool clash = hasDuplicate(record.valueGrid);
    LadderBoard board;
    loadLadderBoardFromRecord(record, false, board);
    LadderRating rating = clash ? LadderRating{} : rateWithLadder(board);
    if (clash || !rating.solved || rating.uniquenessSkipped) {
        const int answers = countForLadder(record);
        if (answers != 1) {
            line.addText(answers == 0   ? "not rated: the puzzle has no answer"
                         : answers == 2 ? "not rated: the puzzle has several answers"
                                        : "not rated: its answers could not be counted quickly");
            return false;
        }
        board.uniqueAnswer = true;
        rating = rateWithLadder(board);
    }
    if (!rating.solved) {
        line.addText("not rated: the ladder stopped before the answer (" + ratingText(rating) +
                     ")");
        return false;
    }
    line.addText(ratingText(rating));
    return true;
}

void ladderExplainLines(PuzzleRecord& record, OutputLine& line) {
    LadderBoard board;
    loadLadderBoardFromRecord(record, countForLadder(record) == 1, board);
    for (int number = 1; countEmpty(board) > 0; ++number) {
        const LadderStep step = nextLadderStep(board);
        if (step.technique == Technique::kNone) break;
        line.addNumber(number);
        line.addText(": ");
        line.addText(ladderStepText(step));
        line.endLine();
        applyLadderStep(board, step);
    }
    line.addText(countEmpty(board) == 0 ? "= 0 " : "= 1 ");
    for (int cell = 0; cell < kCells; ++cell) line.addCell(board.values[cell]);
}

}  // namespace ga::cli
