#include "generator/serial.h"

#include <cstdio>

#include "core/translation.h"
#include "generator/class_tables.h"
#include "generator/transforms.h"

namespace ga {

const uint32_t kSerialLowest[kSerialParts] = {123456789, 0x20000000, 0, 0, 0};
const uint32_t kSerialHighest[kSerialParts] = {987654321, 0xDFFFFFFF, 0x0FFFFFFF, 0x0FFFFFFF,
                                               0x0FFFFFFF};

const char* const kIllegalSerialText =
    QT_TRANSLATE_NOOP("Serial", "found the first serial number that's illegal");
const char* const kSerialOutOfRangeText =
    QT_TRANSLATE_NOOP("Serial", "found an illegal serial number out of range");

int isIllegalRelabelNumber(uint32_t value) {
    bool seen[10] = {};
    for (int digits = 0; digits < 9; ++digits) {
        const uint32_t digit = value % 10;
        if (digit == 0 || seen[digit]) return 1;
        seen[digit] = true;
        value /= 10;
    }
    return 0;
}

SerialCheck checkSerial(const SerialParts& parts) {
    if (isIllegalRelabelNumber(parts[kRelabelPart])) return kSerialIllegal;
    for (int part = 0; part < kSerialParts; ++part) {
        if (parts[part] < kSerialLowest[part] || parts[part] > kSerialHighest[part]) {
            return kSerialOutOfRange;
        }
    }
    return kSerialAccepted;
}

uint32_t readSerialPart(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string_view::npos) return 0;
    if (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X") at += 2;
    uint32_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0) break;
        if (value > 0x0FFFFFFFu) return 0xFFFFFFFFu;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

std::string formatSerial(const SerialParts& parts) {
    char text[kSerialParts * 9 + 1];
    std::snprintf(text, sizeof text, "%X-%X-%X-%X-%X", parts[0], parts[1], parts[2], parts[3],
                  parts[4]);
    return text;
}

const char* serialRefusalText(int check) {
    switch (check) {
        case kSerialIllegal:
            return kIllegalSerialText;
        case kSerialOutOfRange:
            return kSerialOutOfRangeText;
        default:
            return nullptr;
    }
}

SerialCheck recreatePuzzle(PuzzleRecord& record) {
    const SerialCheck check = checkSerial(record.serial);
    if (check != kSerialAccepted) return check;

    const int source = static_cast<int>(record.serial[kSourceAndTransformPart] >> kSourceShift);
    record.answerGrid = *classAnswer(source);

    record.openFlags.fill(0);
    record.valueGrid.fill(0);
    record.candidateNumbers.fill(0);
    record.answerKnown = 1;

    for (int j = 0; j < 3; ++j) {
        const uint32_t openBits = record.serial[kFirstCluePart + j];
        for (int i = 0; i < 27; ++i) {
            if (openBits & (1u << (i + 1))) record.openFlags[27 * j + i] = 1;
        }
    }

    replayTransforms(record);
    replayRelabel(record);

    for (int cell = 0; cell < kCells; ++cell) {
        if (record.openFlags[cell] == 0) record.valueGrid[cell] = record.answerGrid[cell];
    }
    return kSerialAccepted;
}

}  // namespace ga
