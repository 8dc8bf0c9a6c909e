// Words for the sets a step rests on: "r4c7 and r4c8", "rows 2 and 7",
// built from the shared words so every family names things alike; and the
// start every named technique's sentence shares.
#pragma once

#include <string>

#include "core/ladder/cell_set.h"
#include "core/ladder/step.h"
#include "core/words.h"

namespace ga {

// "r4c7, r4c8 and r5c1", in ascending order.
inline std::string cellNames(CellSet cells) {
    uint8_t list[kCells];
    int count = 0;
    for (int cell : cellsOf(cells)) list[count++] = static_cast<uint8_t>(cell);
    return cellList(list, count);
}

// The cells a step takes candidates from.
inline CellSet eliminatedCells(const LadderStep& step) {
    CellSet cells;
    for (int cell = 0; cell < kCells; cell++) {
        if (step.eliminations[cell] != 0) cells.add(cell);
    }
    return cells;
}

// Units first..first+count-1 of a step of one kind: "rows 2 and 7" or "row 2".
inline std::string unitNames(const LadderStep& step, int first, int count) {
    if (count == 1) return unitName(step.units[first]);
    static const char* const kPlurals[] = {QT_TRANSLATE_NOOP("Hint", "rows %1"),
                                           QT_TRANSLATE_NOOP("Hint", "columns %1"),
                                           QT_TRANSLATE_NOOP("Hint", "boxes %1")};
    return filled(translate("Hint", kPlurals[step.units[first] / 9]),
                  {listed(count, [&](int i) { return digitText(step.units[first + i] % 9 + 1); })});
}

// The technique's name as the player reads it, before the rest of the
// sentence: "XY-Wing: ...", or with the value it is on, "X-Chain on 4: ...".
inline std::string namedStep(const LadderStep& step, const std::string& rest) {
    //: %1 the technique's name, %2 the rest of the sentence
    return filled(translate("Hint", "%1: %2"), {shownTechniqueName(step.technique), rest});
}
inline std::string namedStepOn(const LadderStep& step, const std::string& values,
                               const std::string& rest) {
    //: %1 the technique's name, %2 the value or values it is on, %3 the rest of the sentence
    return filled(translate("Hint", "%1 on %2: %3"),
                  {shownTechniqueName(step.technique), values, rest});
}

}  // namespace ga
