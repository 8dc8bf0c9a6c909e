// The puzzle file reader: any bytes are either accepted whole, and then encode
// back to the same bytes, or refused without touching the header and record.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "ui/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    PuzzleFileHeader header, untouchedHeader;
    untouchedHeader.finished = header.finished = 77;
    PuzzleRecord record{}, untouchedRecord{};
    if (decodePuzzleFile(data, size, header, record) != kPuzzleFileRead) {
        FUZZ_CHECK(std::memcmp(&header, &untouchedHeader, sizeof header) == 0);
        FUZZ_CHECK(std::memcmp(&record, &untouchedRecord, sizeof record) == 0);
        return 0;
    }
    FUZZ_CHECK(size == kPuzzleFileBytes && header.puzzleClass >= 0 && header.puzzleClass <= 8);
    for (int cell = 0; cell < kCells; ++cell)
        FUZZ_CHECK(record.valueGrid[cell] >= 0 && record.valueGrid[cell] <= 9);
    unsigned char again[kPuzzleFileBytes];
    encodePuzzleFile(header, record, again);
    FUZZ_CHECK(std::memcmp(again, data, size) == 0);
    return 0;
}
