#include "core/words.h"

#include "core/bits.h"
#include "core/puzzle_record.h"

namespace ga {

namespace {
const char* const kUnitWords[] = {"row ", "column ", "box "};
}

std::string digitText(int oneToNine) {
    return std::string(1, static_cast<char>('0' + oneToNine));
}

std::string cellName(int cell) {
    return "r" + digitText(rowOf(cell) + 1) + "c" + digitText(columnOf(cell) + 1);
}

std::string unitName(int unit) {
    return kUnitWords[unit / 9] + digitText(unit % 9 + 1);
}

std::string valueList(uint32_t values, const char* separator) {
    int list[9], count = 0;
    for (; values != 0; values = withoutLowestBit(values))
        list[count++] = lowestBitIndex(values) + 1;
    if (separator) {
        std::string text;
        for (int i = 0; i < count; i++) text += (i ? separator : "") + digitText(list[i]);
        return text;
    }
    return listed(count, [&](int i) { return digitText(list[i]); });
}

std::string cellList(const uint8_t* cells, int count) {
    return listed(count, [&](int i) { return cellName(cells[i]); });
}

}  // namespace ga
