// The board as a picture for paper, and the heading that names its puzzle.
#pragma once

#include <cstdint>
#include <string>

#include "core/puzzle_record.h"
#include "platform/desktop.h"
#include "platform/picture.h"

namespace ga {

// How much of the serial number a heading names: the window title the first
// two parts, paper all five, from which the puzzle can be recreated.
enum class SerialShown { kFirstTwoParts, kAllParts };

// The puzzle as the window title or paper names it: "Advanced, sn :
// 75BCD15-20000008" for a generated or recreated puzzle of class 0..7, the
// class name alone for one built by hand.
std::string puzzleHeading(int puzzleClass, const SerialParts& serial, SerialShown shown);

// The board as it shows now: the clues, the player's values and candidate
// lists. Open cells are read from their texts, as the cell being typed in has
// not stored what it shows yet.
BoardPicture boardPicture(Desktop& desktop, const PuzzleRecord& record, int puzzleClass);

// What the player is told when a picture could not be written or printed.
extern const char* const kPictureFailedText;
extern const char* const kPrintFailedText;

}  // namespace ga
