// Serial numbers as typed into the recreate dialog or given to
// `gridatelier-cli recreate`: each line is an argument. Every part reads as a
// slow model of the reader says, an accepted number rebuilds a puzzle whose
// clues are its answer's, and a formatted number reads back as itself.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "generator/serial.h"
#include "tools/gridatelier-cli/serial_text.h"

namespace {

uint32_t slowPart(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && std::strchr(" \t\n\v\f\r", text[at]) && text[at]) ++at;
    if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) at += 2;
    uint64_t value = 0;
    for (; at < text.size() && text[at] && std::strchr("0123456789abcdefABCDEF", text[at]); ++at) {
        value =
            value * 16 + static_cast<uint64_t>(std::stoi(std::string(1, text[at]), nullptr, 16));
        if (value > UINT32_MAX) return UINT32_MAX;
    }
    return static_cast<uint32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    for (const std::string& argument : arguments)
        FUZZ_CHECK(readSerialPart(argument) == slowPart(argument));
    PuzzleRecord record{};
    if (!cli::readSerialArguments(arguments, record.serial)) return 0;
    uint32_t back[kSerialParts];
    FUZZ_CHECK(cli::readSerialArguments({cli::formatSerial(record.serial)}, back));
    FUZZ_CHECK(std::memcmp(back, record.serial, sizeof back) == 0);
    const int check = checkSerial(record.serial);
    FUZZ_CHECK(recreatePuzzle(record) == check);
    for (int cell = 0; check == kSerialAccepted && cell < kCells; ++cell) {
        FUZZ_CHECK(record.answerGrid[cell] >= 1 && record.answerGrid[cell] <= 9);
        FUZZ_CHECK(record.openFlags[cell] == 1 ||
                   record.valueGrid[cell] == record.answerGrid[cell]);
    }
    return 0;
}
