// The board's colours in each look the player can choose, as one table of
// plain RGB values (no toolkit needed), and the rules that turn what the
// logic decides (a mistake, a clue, the cell in hand, a colour mark) into a
// colour. Light is the board as it always was; Dark and High contrast keep
// every ink at a contrast ratio of at least `contrast` against each ground
// it is drawn on (the relative-luminance ratio of the web's accessibility
// guidelines: 4.5 for Dark, 7 for High contrast).
//
// Printed and exported pictures keep black on white whatever the look.
#pragma once

#include <cstdint>

#include "platform/desktop.h"

namespace ga {

struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb& a, const Rgb& b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
};
// A colour laid over what is beneath it, `alpha` of 255 covering it wholly.
struct Rgba {
    uint8_t red = 0, green = 0, blue = 0, alpha = 255;
};

// What a cell's text says; the look picks its colour.
enum class CellInk : uint8_t { kValue, kMistake, kCandidate };

struct ThemePalette {
    const char* name;
    double contrast;  // the least ratio of every ink to its grounds; 0 for Light
    // Light only: a plain open cell takes the desktop's field colour and a
    // clue its face colour, which also shades a clue's tints and marks; clue
    // texts, cell lines, the clock and the digit strip's digits take the
    // desktop's text colours. The values below for them are a usual light
    // desktop's, for reference.
    bool desktopGrounds;

    // --- the window's cells -------------------------------------------------
    Rgb window;     // the client area around the board
    Rgb field;      // a plain open cell
    Rgb clueShade;  // laid over every ground of a clue cell (a multiply), darkening it a little
    Rgb backgrounds[4];  // CellBackground kUnitInHand, kSameDigit, kHinted, kInHand (open cells)
    Rgb marks[kCellMarkCount];                        // a colour mark filling a plain cell
    Rgb markCorners[kCellMarkCount];                  // the mark's triangle over a tinted cell
    Rgb clueInk, valueInk, mistakeInk, candidateInk;  // a cell's texts (candidates: also notes)
    Rgb line;                                         // the cells' borders
    Rgb label;       // the clock, the status box's text, the pause cover
    Rgb coordinate;  // the row and column numbers

    // --- the digit strip ----------------------------------------------------
    struct Strip {
        Rgb ink, ground, border, checkedGround, checkedBorder;
    } strip;

    // --- a hint's drawing over the cells --------------------------------------
    struct Step {
        Rgb ground;     // under a cell the drawing draws anew
        Rgba tints[6];  // BoardDrawing::Tint kBase .. kThirdSet
        Rgb discs[3];   // behind a candidate of pattern set 1..3
        Rgb candidate;  // a candidate as it stands
        Rgb marked;     // a candidate of a pattern's set, on its disc
        Rgb removed;    // a candidate the step removes, struck through
        Rgb placed;     // the value the step places
        Rgb onRing, offRing;
        Rgb links[4];  // a forcing chain's branches, in turn
        // A cell the drawing leaves as it is takes its tint under its text
        // (into its ground) rather than over it, which would dim a light text.
        bool tintsUnderText;
    } step;

    // --- the program's other windows ------------------------------------------
    // The menus, dialogs, message boxes, the hint panel, Help, and the frame of
    // the main window itself. Light keeps the desktop's colours (a usual light
    // desktop's below, for reference).
    struct Windows {
        Rgb ground, text;                // a window, dialog or menu, and its words
        Rgb field, fieldText, otherRow;  // fields, lists, tables (every other row)
        Rgb button, buttonText;
        Rgb selection, selectionText;  // the chosen item of a list or menu, selected text
        Rgb greyed;                    // a greyed item's words, on every ground above
        Rgb link, placeholder;         // in a field
        Rgb tip, tipText;
        Rgb frame;     // the borders of fields, buttons and boxes
        Rgb progress;  // the progress bar's done part, on a field
    } windows;
};

const ThemePalette& themePalette(Theme theme);

// The contrast ratio of two colours, from 1 (alike) to 21 (black on white).
double contrastRatio(Rgb a, Rgb b);

// The desktop's own field and face colours, which Light's cells take.
struct DesktopGrounds {
    Rgb field{255, 255, 255};
    Rgb face{239, 239, 239};
};

// Whether a colour mark shows as a triangle in the corner (over a tint)
// rather than filling the cell.
bool markInCorner(CellBackground background, CellMark mark);

// The ground a cell shows: its tint, else the mark filling it, else its
// plain colour; a clue's is shaded.
Rgb cellGround(const ThemePalette& palette, const DesktopGrounds& desktop,
               CellBackground background, CellMark mark, bool clue);

// A clue cell's plain ground: the status box and push buttons wear it too.
Rgb faceColour(const ThemePalette& palette, const DesktopGrounds& desktop);

Rgb inkColour(const ThemePalette& palette, CellInk ink);

// A translucent colour laid over an opaque one.
Rgb laidOver(Rgba top, Rgb ground);

}  // namespace ga
