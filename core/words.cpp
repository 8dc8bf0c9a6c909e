#include "core/words.h"

#include "core/bits.h"
#include "core/puzzle_record.h"

namespace ga {

namespace {

const char* const kUnitWords[] = {QT_TRANSLATE_NOOP("Hint", "row %1"),
                                  QT_TRANSLATE_NOOP("Hint", "column %1"),
                                  QT_TRANSLATE_NOOP("Hint", "box %1")};

int valuesOf(uint32_t values, int (&list)[9]) {
    int count = 0;
    for (; values != 0; values = withoutLowestBit(values))
        list[count++] = lowestBitIndex(values) + 1;
    return count;
}

}  // namespace

std::string digitText(int oneToNine) {
    return std::string(1, static_cast<char>('0' + oneToNine));
}

std::string cellName(int cell) {
    return "r" + digitText(rowOf(cell) + 1) + "c" + digitText(columnOf(cell) + 1);
}

std::string unitName(int unit) {
    return filled(translate("Hint", kUnitWords[unit / 9]), {digitText(unit % 9 + 1)});
}

std::string jointPattern(Joiner joiner) {
    switch (joiner) {
        case Joiner::kAnd:
            return translate("Hint", "%1 and %2");
        case Joiner::kOr:
            return translate("Hint", "%1 or %2");
        case Joiner::kComma:
            break;
    }
    return translate("Hint", "%1, %2");
}

std::string clausePattern() {
    return translate("Hint", "%1; %2");
}

std::string eitherOf(const std::string& a, const std::string& b) {
    return filled(jointPattern(Joiner::kOr), {a, b});
}

std::string valueList(uint32_t values, Joiner joiner) {
    int list[9];
    const int count = valuesOf(values, list);
    return listed(
        count, [&](int i) { return digitText(list[i]); }, joiner);
}

std::string valueList(uint32_t values, const char* separator) {
    int list[9];
    const int count = valuesOf(values, list);
    std::string text;
    for (int i = 0; i < count; i++) text += (i ? separator : "") + digitText(list[i]);
    return text;
}

std::string cellList(const uint8_t* cells, int count) {
    return listed(count, [&](int i) { return cellName(cells[i]); });
}

std::string nakedSingleText(int cell, int value) {
    return filled(translate("Hint", "%1: only %2 is left"), {cellName(cell), digitText(value)});
}

std::string hiddenSingleText(int unit, int value, const std::string& place) {
    return filled(translate("Hint", "%1: %2 fits only in %3"),
                  {unitName(unit), digitText(value), place});
}

}  // namespace ga
