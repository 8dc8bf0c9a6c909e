#include "ui/board_picture.h"

#include <cstdio>

#include "core/difficulty_class.h"
#include "ui/board.h"
#include "ui/board_ids.h"

namespace ga {

const char* const kPictureFailedText = "failed to save the picture to a file";
const char* const kPrintFailedText = "failed to print the picture";

std::string puzzleHeading(int puzzleClass, const uint32_t (&serial)[kSerialParts]) {
    if (puzzleClass == kHandBuiltClass) return className(puzzleClass);
    char heading[128];
    std::snprintf(heading, sizeof heading, "%s, sn : %X-%X", className(puzzleClass), serial[0],
                  serial[1]);
    return heading;
}

BoardPicture boardPicture(Desktop& desktop, const PuzzleRecord& record, int puzzleClass) {
    using Mark = BoardPicture::Mark;
    BoardPicture picture;
    picture.heading = puzzleHeading(puzzleClass, record.serial);
    PuzzleRecord shown = record;
    for (int cell = 0; cell < kCells; ++cell) {
        const bool open = record.openFlags[cell] != 0;
        if (open) storeCellText(shown, cell, desktop.text(cellId(cell)));
        const std::string digits = cellDisplay(shown, cell).text;
        if (digits.empty()) continue;
        const Mark mark = !open                        ? Mark::kClue
                          : shown.valueGrid[cell] != 0 ? Mark::kValue
                                                       : Mark::kCandidates;
        picture.cells[cell] = BoardPicture::Cell{mark, digits};
    }
    return picture;
}

}  // namespace ga
