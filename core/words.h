// Words shared by every text that names cells, units and values: cells as
// "r4c2", units as "row 4", "column 2", "box 5", values from 1. The words
// and the joiners of lists are translated; the cell notation is not.
#pragma once

#include <cstdint>
#include <string>

#include "core/translation.h"

namespace ga {

std::string digitText(int oneToNine);
std::string cellName(int cell);
// Units 0..26: rows, columns, boxes.
std::string unitName(int unit);

// How the last two items of a list are joined: "a, b and c", "a, b or c",
// or "a, b, c".
enum class Joiner { kAnd, kOr, kComma };

// The pattern of a joint: "%1 and %2", "%1 or %2", "%1, %2".
std::string jointPattern(Joiner joiner);

// "a", "a and b", "a, b and c" (or with "or", or commas only).
template <typename NameOf>
std::string listed(int count, NameOf nameOf, Joiner joiner = Joiner::kAnd) {
    if (count <= 0) return "";
    std::string text = nameOf(0);
    if (count == 1) return text;
    const std::string comma = jointPattern(Joiner::kComma);
    const std::string last = joiner == Joiner::kComma ? comma : jointPattern(joiner);
    for (int i = 1; i < count; i++) text = filled(i + 1 == count ? last : comma, {text, nameOf(i)});
    return text;
}

// The pattern of two clauses of one sentence, each whole in itself: "%1; %2"
// ("r4c5 loses 1; r6c4 loses 2").
std::string clausePattern();

// "a or b".
std::string eitherOf(const std::string& a, const std::string& b);

// The values of a ValueMask, ascending: "1, 4 and 7" (or "1, 4 or 7", "1, 4, 7").
std::string valueList(uint32_t values, Joiner joiner = Joiner::kAnd);
// The values with a plain separator between them, no words: "147" with "".
std::string valueList(uint32_t values, const char* separator);
std::string cellList(const uint8_t* cells, int count);

// The singles, as every hint and explanation tells them: "r4c2: only 7 is
// left" (a cell with one candidate) and "row 4: 7 fits only in r4c3" (a value
// with one place in a unit), the place named as the caller names it.
std::string nakedSingleText(int cell, int value);
std::string hiddenSingleText(int unit, int value, const std::string& place);

}  // namespace ga
