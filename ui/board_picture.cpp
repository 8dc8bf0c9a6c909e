#include "ui/board_picture.h"

#include <cstdio>

#include "core/difficulty_class.h"
#include "core/translation.h"
#include "generator/serial.h"
#include "ui/board.h"
#include "ui/board_ids.h"

namespace ga {

const char* const kPictureFailedText =
    QT_TRANSLATE_NOOP("Message", "failed to save the picture to a file");
const char* const kPrintFailedText = QT_TRANSLATE_NOOP("Message", "failed to print the picture");

std::string puzzleHeading(int puzzleClass, const SerialParts& serial, SerialShown shown) {
    const std::string name = translate("Class", className(puzzleClass));
    if (puzzleClass == kHandBuiltClass) return name;
    const std::string heading = name + ", sn : ";
    if (shown == SerialShown::kAllParts) return heading + formatSerial(serial);
    char firstTwo[2 * 9 + 1];
    std::snprintf(firstTwo, sizeof firstTwo, "%X-%X", serial[0], serial[1]);
    return heading + firstTwo;
}

BoardPicture boardPicture(Desktop& desktop, const PuzzleRecord& record, int puzzleClass) {
    using Mark = BoardPicture::Mark;
    BoardPicture picture;
    picture.heading = puzzleHeading(puzzleClass, record.serial, SerialShown::kAllParts);
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
