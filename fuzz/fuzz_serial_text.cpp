// Serial numbers as `gridatelier-cli recreate` reads them: the input is the
// argument list, one argument per line, read and checked as the tool does,
// and the puzzle rebuilt when the number is accepted. Random text rarely
// makes an acceptable number, so the first 20 bytes are also turned into
// one that passes the checks by construction, which drives the rebuilding
// through every source and transform.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/puzzle_record.h"
#include "fuzz/fuzz_support.h"
#include "generator/serial.h"
#include "generator/transforms.h"
#include "tools/gridatelier-cli/serial_text.h"

namespace ga {
namespace {

using Parts = uint32_t[kSerialParts];

// readSerialPart as its header states it, written the slow way.
uint32_t expectedPart(std::string_view text) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    uint64_t value = 0;
    for (char c : text) {
        const char* digits = "0123456789abcdef";
        const char lower = (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
        const char* at = c == '\0' ? nullptr : std::strchr(digits, lower);
        if (!at) break;
        value = value * 16 + static_cast<uint64_t>(at - digits);
        if (value > UINT32_MAX) return UINT32_MAX;
    }
    return static_cast<uint32_t>(value);
}

std::vector<std::string> splitAt(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    for (std::size_t at; (at = text.find(separator)) != std::string_view::npos;) {
        pieces.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    pieces.emplace_back(text);
    return pieces;
}

int expectedCheck(const Parts& parts) {
    bool seen[10] = {};
    uint32_t digits = parts[kRelabelPart];
    for (int i = 0; i < 9; ++i, digits /= 10) {
        const uint32_t digit = digits % 10;
        if (digit == 0 || seen[digit]) return kSerialIllegal;
        seen[digit] = true;
    }
    for (int part = 0; part < kSerialParts; ++part)
        if (parts[part] < kSerialLowest[part] || parts[part] > kSerialHighest[part])
            return kSerialOutOfRange;
    return kSerialAccepted;
}

int countBits(uint32_t value) {
    int count = 0;
    for (; value != 0; value &= value - 1) ++count;
    return count;
}

// Checks the number, rebuilds the puzzle and checks what came out.
void checkRecreation(const Parts& parts) {
    const int check = checkSerial(parts);
    FUZZ_CHECK(check == expectedCheck(parts));
    FUZZ_CHECK((serialRefusalText(check) == nullptr) == (check == kSerialAccepted));

    PuzzleRecord record;
    std::memset(&record, 0x3C, sizeof record);
    std::memcpy(record.serial, parts, sizeof record.serial);
    const PuzzleRecord before = record;
    FUZZ_CHECK(recreatePuzzle(record) == check);
    if (check != kSerialAccepted) {
        FUZZ_CHECK(std::memcmp(&record, &before, sizeof record) == 0);
        return;
    }
    FUZZ_CHECK(std::memcmp(record.serial, parts, sizeof record.serial) == 0);
    FUZZ_CHECK(record.answerKnown == 1);
    FUZZ_CHECK(isSolved(record.answerGrid));
    int open = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        FUZZ_CHECK(record.openFlags[cell] == 0 || record.openFlags[cell] == 1);
        const bool clue = record.openFlags[cell] == 0;
        FUZZ_CHECK(record.valueGrid[cell] == (clue ? record.answerGrid[cell] : 0));
        FUZZ_CHECK(record.candidateNumbers[cell] == 0);
        open += !clue;
    }
    // The transforms move cells, never open or close one.
    int openBits = 0;
    for (int j = 0; j < 3; ++j) openBits += countBits(parts[kFirstCluePart + j] & 0x0FFFFFFEu);
    FUZZ_CHECK(open == openBits);
}

// The shown form reads back as the same number.
void checkFormatRoundTrip(const Parts& parts) {
    Parts back = {};
    FUZZ_CHECK(cli::readSerialArguments({cli::formatSerial(parts)}, back));
    FUZZ_CHECK(std::memcmp(back, parts, sizeof back) == 0);
}

void fuzzArguments(std::string_view input) {
    const std::vector<std::string> arguments = splitAt(input, '\n');
    for (const std::string& argument : arguments)
        FUZZ_CHECK(cli::readSerialPart(argument) == expectedPart(argument));

    const std::vector<std::string> pieces =
        arguments.size() == 1 ? splitAt(arguments[0], '-') : arguments;
    Parts parts;
    std::memset(parts, 0xEE, sizeof parts);
    const bool taken = cli::readSerialArguments(arguments, parts);
    FUZZ_CHECK(taken == (pieces.size() == kSerialParts));
    if (!taken) {
        for (uint32_t part : parts) FUZZ_CHECK(part == 0xEEEEEEEEu);
        return;
    }
    for (int part = 0; part < kSerialParts; ++part)
        FUZZ_CHECK(parts[part] == expectedPart(pieces[part]));
    checkFormatRoundTrip(parts);
    checkRecreation(parts);
}

uint32_t takeWord(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// An accepted number from 20 bytes: a relabelling picked by the first word,
// a source 2..13 and transforms by the second, clue sets by the rest.
void fuzzAcceptedNumber(const uint8_t* bytes) {
    Parts parts;
    uint32_t pick = takeWord(bytes);
    int digits[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 8; i > 0; --i) {
        const int j = static_cast<int>(pick % static_cast<uint32_t>(i + 1));
        pick /= static_cast<uint32_t>(i + 1);
        const int t = digits[i];
        digits[i] = digits[j];
        digits[j] = t;
    }
    parts[kRelabelPart] = 0;
    for (int digit : digits) parts[kRelabelPart] = parts[kRelabelPart] * 10 + digit;
    const uint32_t second = takeWord(bytes + 4);
    const uint32_t source = 2 + (second >> kSourceShift) % 12;
    parts[kSourceAndTransformPart] = (source << kSourceShift) | (second & 0x0FFFFFFFu);
    for (int j = 0; j < 3; ++j)
        parts[kFirstCluePart + j] = takeWord(bytes + 8 + 4 * j) & 0x0FFFFFFFu;
    FUZZ_CHECK(expectedCheck(parts) == kSerialAccepted);
    checkFormatRoundTrip(parts);
    checkRecreation(parts);
}

}  // namespace
}  // namespace ga

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ga::fuzzArguments(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= 20) ga::fuzzAcceptedNumber(data);
    return 0;
}
