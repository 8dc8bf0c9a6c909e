#include "ui/step_drawing.h"

#include "core/ladder/techniques.h"

namespace ga {

namespace {

using Tint = BoardDrawing::Tint;

// The fish stand together in the ladder's list, from the X-Wing to the Jellyfish.
bool isFish(Technique technique) {
    return technique >= Technique::kXWing && technique <= Technique::kJellyfish;
}

void drawCell(BoardDrawing& drawing, const LadderBoard& board, int cell) {
    if (board.values[cell] != 0) return;
    BoardDrawing::Cell& shown = drawing.cells[cell];
    shown.drawn = true;
    shown.candidates = board.candidates[cell];
}

void tintUnits(BoardDrawing& drawing, const LadderStep& step) {
    const int base = step.baseUnitCount > 0 ? step.baseUnitCount : 1;
    for (int i = step.unitCount - 1; i >= 0; --i) {
        for (int cell : cellsOf(unitSet(step.units[i])))
            drawing.cells[cell].tint = i < base ? Tint::kBase : Tint::kCover;
    }
    if (!isFish(step.technique)) return;
    CellSet cover;
    for (int i = base; i < step.unitCount; ++i) cover |= unitSet(step.units[i]);
    for (int cell : cellsOf(step.cells & ~cover)) drawing.cells[cell].tint = Tint::kFin;
}

BoardDrawing::Link linkBetween(const ChainNode& from, const ChainNode& to) {
    if (to.inner) return BoardDrawing::Link::kInner;
    return !from.on && to.on ? BoardDrawing::Link::kStrong : BoardDrawing::Link::kWeak;
}

void drawChain(BoardDrawing& drawing, const LadderBoard& board, const LadderStep& step) {
    int branch = 0;
    for (int i = 0; i < step.nodeCount; ++i) {
        const ChainNode& node = step.nodes[i];
        if (i > 0 && node.startsBranch) ++branch;
        BoardDrawing::Ring ring;
        ring.value = node.value;
        ring.on = node.on;
        ring.cellCount = node.cellCount;
        for (int k = 0; k < node.cellCount; ++k) {
            ring.cells[k] = node.cells[k];
            drawCell(drawing, board, node.cells[k]);
        }
        drawing.rings.push_back(ring);
        if (i > 0 && !node.startsBranch) {
            drawing.arrows.push_back(BoardDrawing::Arrow{
                static_cast<uint16_t>(i - 1), static_cast<uint16_t>(i),
                linkBetween(step.nodes[i - 1], node), static_cast<uint8_t>(branch)});
        }
    }
}

}  // namespace

BoardDrawing stepDrawing(const LadderStep& step, const LadderBoard& board) {
    BoardDrawing drawing;
    drawing.shown = true;
    // Sets bring their own tints; their units would only blur them.
    if (step.setCount == 0) tintUnits(drawing, step);
    for (int cell : cellsOf(step.cells)) {
        drawCell(drawing, board, cell);
        // A chain shows its values by its rings.
        if (step.nodeCount == 0)
            drawing.cells[cell].pattern[0] |= board.candidates[cell] & step.values;
    }
    for (int i = 0; i < step.setCount && i < BoardDrawing::kSetColours; ++i) {
        const StepSet& set = step.sets[i];
        for (int cell : cellsOf(set.cells)) {
            drawCell(drawing, board, cell);
            BoardDrawing::Cell& shown = drawing.cells[cell];
            for (uint16_t& mask : shown.pattern) mask &= ~set.values;
            shown.pattern[i] |= board.candidates[cell] & set.values;
            shown.tint = static_cast<Tint>(static_cast<int>(Tint::kFirstSet) + i);
        }
    }
    drawChain(drawing, board, step);
    for (int cell = 0; cell < kCells; ++cell) {
        if (step.eliminations[cell] == 0) continue;
        drawCell(drawing, board, cell);
        drawing.cells[cell].removed = step.eliminations[cell] & board.candidates[cell];
    }
    if (step.placedCell != kNoCell) {
        drawCell(drawing, board, step.placedCell);
        drawing.cells[step.placedCell].placed = step.placedValue;
    }
    return drawing;
}

BoardPicture stepBoardPicture(const LadderBoard& board) {
    BoardPicture picture;
    for (int cell = 0; cell < kCells; ++cell) {
        if (board.values[cell] == 0) continue;
        picture.cells[cell].mark = BoardPicture::Mark::kClue;
        picture.cells[cell].digits = std::string(1, static_cast<char>('0' + board.values[cell]));
    }
    picture.coordinates = true;
    return picture;
}

}  // namespace ga
