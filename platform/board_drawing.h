// A ladder step drawn over the board, and Help's pages: what to draw, not
// how. The logic makes them from the step's data; the desktop paints them
// over the window's cells, or over a picture of a board in Help.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/puzzle_record.h"
#include "platform/picture.h"

namespace ga {

struct BoardDrawing {
    // A cell's background under the drawing: the lines a fish rests on and
    // those it covers, its fins, and the sets of subsets, wings, rectangles
    // and almost locked sets, one colour each.
    enum class Tint : uint8_t { kNone, kBase, kCover, kFin, kFirstSet, kSecondSet, kThirdSet };
    static constexpr int kSetColours = 3;
    // How a chain goes from one node to the next.
    enum class Link : uint8_t {
        kStrong,  // if the first is off the second is on (solid)
        kWeak,    // if the first is on the second is off (dashed)
        kInner,   // the second was removed by an inner chain (dotted)
    };
    struct Cell {
        // The drawing covers the cell's own look and draws it anew: its
        // candidates (the board's, marked or not) or the value the step places.
        bool drawn = false;
        Tint tint = Tint::kNone;
        uint8_t placed = 0;                  // the value the step places here (green), else 0
        uint16_t candidates = 0;             // ValueMask drawn, in grey unless marked below
        uint16_t removed = 0;                // struck through in red
        uint16_t pattern[kSetColours] = {};  // in the highlight colour of set 1..3
    };
    // A chain's node: its value ringed in its cells, one ring around a group.
    struct Ring {
        uint8_t value = 0;
        bool on = false;
        uint8_t cellCount = 0;
        uint8_t cells[3] = {};
    };
    struct Arrow {
        uint16_t from = 0, to = 0;  // rings
        Link link = Link::kWeak;
        uint8_t branch = 0;  // a forcing chain's branch (0, 1, ...), each in a colour of its own
    };

    bool shown = false;
    Cell cells[kCells];
    std::vector<Ring> rings;
    std::vector<Arrow> arrows;
};

// A hint's second stage: the drawing, the step's whole words for a panel
// beside the board, and the text of the panel's button that opens the
// technique's Help page. An empty view (no drawing) takes both away.
struct StepView {
    BoardDrawing drawing;
    std::string words;
    std::string question;      // "What is an X-Wing?"
    int firstCellControl = 0;  // the control showing cell 0; the others follow row by row
};

// One page of Help: a title for the list, its text (paragraphs apart by an
// empty line) and, for a technique, an example board with its step drawn.
struct HelpPage {
    std::string title;
    std::string text;
    bool hasExample = false;
    BoardPicture example;
    BoardDrawing drawing;
};

struct HelpBook {
    std::vector<HelpPage> pages;
};

}  // namespace ga
