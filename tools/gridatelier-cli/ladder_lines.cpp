#include "tools/gridatelier-cli/ladder_lines.h"

#include "core/bits.h"
#include "core/ladder/ladder.h"
#include "core/searches.h"
#include "core/words.h"

namespace ga::cli {
namespace {

// 0, 1 or 2 (several) answers, or kCountGaveUp.
int countForLadder(PuzzleRecord& record) {
    loadClues(record);
    if (hasDuplicate(record.valueGrid)) return 0;
    return countAnswers(record, 2, kWaitingCountNodes);
}

void addJsonText(std::string_view text, OutputLine& line) {
    line.add('"');
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            line.add('\\');
            line.add(c);
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char kHex[] = "0123456789abcdef";
            line.addText("\\u00");
            line.add(kHex[(c >> 4) & 0xf]);
            line.add(kHex[c & 0xf]);
        } else {
            line.add(c);
        }
    }
    line.add('"');
}

void addValues(uint32_t mask, OutputLine& line) {
    line.add('[');
    for (uint32_t left = mask; left != 0; left = withoutLowestBit(left)) {
        if (left != mask) line.addText(", ");
        line.addNumber(lowestBitIndex(left) + 1);
    }
    line.add(']');
}

void addCells(const CellSet& cells, OutputLine& line) {
    line.add('[');
    bool first = true;
    for (int cell : cellsOf(cells)) {
        if (!first) line.addText(", ");
        first = false;
        line.addNumber(cell);
    }
    line.add(']');
}

// How a chain's node leads to the next: "strong" (if it is not so, the next
// is: off, then on), "weak" (if it is, the next is not), or "none" for the
// last node of a branch.
const char* linkToNext(const LadderStep& step, int i) {
    if (i + 1 >= step.nodeCount || step.nodes[i + 1].startsBranch) return "none";
    return !step.nodes[i].on && step.nodes[i + 1].on ? "strong" : "weak";
}

void addStepJson(int number, const LadderStep& step, OutputLine& line) {
    const TechniqueInfo& info = techniqueInfo(step.technique);
    line.addText("{\"step\": ");
    line.addNumber(number);
    line.addText(", \"technique\": ");
    addJsonText(info.name, line);
    line.addText(", \"rung\": ");
    line.addNumber(info.rung);
    line.addText(", \"level\": ");
    addJsonText(levelName(info.level), line);
    line.addText(", \"placements\": [");
    if (step.placedCell != kNoCell) {
        line.addText("{\"cell\": ");
        line.addNumber(step.placedCell);
        line.addText(", \"value\": ");
        line.addNumber(step.placedValue);
        line.add('}');
    }
    line.addText("], \"eliminations\": [");
    bool first = true;
    for (int cell = 0; cell < kCells; ++cell) {
        if (step.eliminations[cell] == 0) continue;
        line.addText(first ? "{\"cell\": " : ", {\"cell\": ");
        first = false;
        line.addNumber(cell);
        line.addText(", \"values\": ");
        addValues(step.eliminations[cell], line);
        line.add('}');
    }
    line.addText("], \"values\": ");
    addValues(step.values, line);
    line.addText(", \"cells\": ");
    addCells(step.cells, line);
    line.addText(", \"units\": [");
    for (int i = 0; i < step.unitCount; ++i) {
        line.addText(i ? ", {\"unit\": " : "{\"unit\": ");
        line.addNumber(step.units[i]);
        line.addText(", \"name\": ");
        addJsonText(unitName(step.units[i]), line);
        line.addText(i < step.baseUnitCount   ? ", \"role\": \"base\"}"
                     : step.baseUnitCount > 0 ? ", \"role\": \"cover\"}"
                                              : "}");
    }
    line.addText("], \"nodes\": [");
    for (int i = 0; i < step.nodeCount; ++i) {
        const ChainNode& node = step.nodes[i];
        line.addText(i ? ", {\"cells\": [" : "{\"cells\": [");
        for (int c = 0; c < node.cellCount; ++c) {
            if (c) line.addText(", ");
            line.addNumber(node.cells[c]);
        }
        line.addText("], \"cell\": ");
        line.addNumber(node.cells[0]);
        line.addText(", \"value\": ");
        line.addNumber(node.value);
        line.addText(node.on ? ", \"on\": true" : ", \"on\": false");
        if (node.startsBranch) line.addText(", \"branch\": true");
        if (node.inner) line.addText(", \"inner\": true");
        line.addText(", \"link\": \"");
        line.addText(linkToNext(step, i));
        line.addText("\"}");
    }
    line.addText("], \"sets\": [");
    for (int i = 0; i < step.setCount; ++i) {
        line.addText(i ? ", {\"cells\": " : "{\"cells\": ");
        addCells(step.sets[i].cells, line);
        line.addText(", \"values\": ");
        addValues(step.sets[i].values, line);
        line.addText(", \"link\": ");
        line.addNumber(step.sets[i].link);
        line.add('}');
    }
    line.addText("], \"text\": ");
    addJsonText(ladderStepText(step, StepWords::kWhole), line);
    line.add('}');
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
    SolvingContext context;
    LadderRating rating = clash ? LadderRating{} : rateWithLadder(board, context);
    if (clash || !rating.solved || rating.uniquenessSkipped) {
        const int answers = countForLadder(record);
        if (answers != 1) {
            line.addText(answers == 0   ? "not rated: the puzzle has no answer"
                         : answers == 2 ? "not rated: the puzzle has several answers"
                                        : "not rated: its answers could not be counted quickly");
            return false;
        }
        board.uniqueAnswer = true;
        rating = rateWithLadder(board, context);
    }
    if (!rating.solved) {
        line.addText("not rated: the ladder stopped before the answer (" + ratingText(rating) +
                     ")");
        return false;
    }
    line.addText(ratingText(rating));
    return true;
}

namespace {

// Walks the ladder from the record's board, handing each step and its number
// to `tell` before taking it; the board where the walk ended.
template <typename Tell>
LadderBoard walkLadder(PuzzleRecord& record, Tell tell) {
    LadderBoard board;
    loadLadderBoardFromRecord(record, countForLadder(record) == 1, board);
    SolvingContext context;
    for (int number = 1; countEmpty(board) > 0; ++number) {
        const LadderStep step = nextLadderStep(board, kHighestRung, context);
        if (step.technique == Technique::kNone) break;
        tell(number, step);
        applyLadderStep(board, step);
    }
    return board;
}

}  // namespace

void ladderExplainLines(PuzzleRecord& record, OutputLine& line) {
    const LadderBoard board = walkLadder(record, [&line](int number, const LadderStep& step) {
        line.addNumber(number);
        line.addText(": ");
        line.addText(ladderStepText(step));
        line.endLine();
    });
    line.addText(countEmpty(board) == 0 ? "= 0 " : "= 1 ");
    for (int cell = 0; cell < kCells; ++cell) line.addCell(board.values[cell]);
}

void ladderJsonLines(PuzzleRecord& record, OutputLine& line) {
    const LadderBoard board = walkLadder(record, [&line](int number, const LadderStep& step) {
        addStepJson(number, step, line);
        line.endLine();
    });
    line.addText(countEmpty(board) == 0 ? "{\"result\": 0, \"grid\": \""
                                        : "{\"result\": 1, \"grid\": \"");
    for (int cell = 0; cell < kCells; ++cell) line.addCell(board.values[cell]);
    line.addText("\"}");
}

}  // namespace ga::cli
