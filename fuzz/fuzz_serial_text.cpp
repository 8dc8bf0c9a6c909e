// Serial numbers as typed into the recreate dialog or given to
// `gridatelier-cli recreate`: each line is an argument. Every part reads as a
// slow model of the reader says, an accepted number rebuilds a puzzle whose
// clues are its answer's, and a formatted number reads back as itself.
#include <algorithm>
#include <cctype>
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
    std::size_t at = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) at += 2;
    uint64_t value = 0;
    for (; at < text.size() && std::isxdigit(static_cast<unsigned char>(text[at])); ++at)
        value = std::min<uint64_t>(value * 16 + std::stoul(text.substr(at, 1), nullptr, 16),
                                   UINT32_MAX);
    return static_cast<uint32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i)
        data[i] == '\n' ? arguments.emplace_back() : arguments.back() += static_cast<char>(data[i]);
    for (const std::string& argument : arguments)
        FUZZ_CHECK(readSerialPart(argument) == slowPart(argument));
    PuzzleRecord record{};
    if (!cli::readSerialArguments(arguments, record.serial)) return 0;
    SerialParts back;
    FUZZ_CHECK(cli::readSerialArguments({formatSerial(record.serial)}, back));
    FUZZ_CHECK(back == record.serial);
    const int check = checkSerial(record.serial);
    FUZZ_CHECK(recreatePuzzle(record) == check);
    for (int cell = 0; check == kSerialAccepted && cell < kCells; ++cell) {
        FUZZ_CHECK(record.answerGrid[cell] >= 1 && record.answerGrid[cell] <= 9);
        FUZZ_CHECK(record.openFlags[cell] == 1 ||
                   record.valueGrid[cell] == record.answerGrid[cell]);
    }
    return 0;
}
