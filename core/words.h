// Words shared by every text that names cells, units and values: cells as
// "r4c2", units as "row 4", "column 2", "box 5", values from 1.
#pragma once

#include <cstdint>
#include <string>

namespace ga {

std::string digitText(int oneToNine);
std::string cellName(int cell);
// Units 0..26: rows, columns, boxes.
std::string unitName(int unit);

// "a", "a and b", "a, b and c".
template <typename NameOf>
std::string listed(int count, NameOf nameOf) {
    std::string text;
    for (int i = 0; i < count; i++) {
        if (i > 0) text += i + 1 == count ? " and " : ", ";
        text += nameOf(i);
    }
    return text;
}

// The values of a ValueMask, ascending: "1, 4 and 7", or with a separator "1, 4, 7".
std::string valueList(uint32_t values, const char* separator = nullptr);
std::string cellList(const uint8_t* cells, int count);

}  // namespace ga
