// A pencil-mark grid as the clipboard or the command line hands it over:
// whatever the text, a verdict and no harm; a position read has a clue for
// every one-digit cell and a list of two or more digits, ascending, for
// every other, and nothing else is written.
#include <cstring>
#include <string_view>

#include "core/bits.h"
#include "core/puzzle_text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PuzzleRecord record;
    std::memset(&record, 0x5A, sizeof record);
    const PencilMarkVerdict verdict = readPencilMarks(text, record);
    if (verdict.status != PencilMarkStatus::kPuzzle) {
        PuzzleRecord untouched;
        std::memset(&untouched, 0x5A, sizeof untouched);
        FUZZ_CHECK(std::memcmp(&record, &untouched, sizeof record) == 0);
        return 0;
    }
    bool listed = false;
    for (int cell = 0; cell < kCells; ++cell) {
        FUZZ_CHECK(record.valueGrid[cell] == 0);
        if (record.openFlags[cell] == 0) {
            FUZZ_CHECK(record.answerGrid[cell] >= 1 && record.answerGrid[cell] <= 9);
            FUZZ_CHECK(record.candidateNumbers[cell] == 0);
            continue;
        }
        int previous = 0, digits = 0;
        for (const char c : std::to_string(record.candidateNumbers[cell])) {
            FUZZ_CHECK(c - '0' > previous);
            previous = c - '0';
            ++digits;
        }
        FUZZ_CHECK(digits >= 2);
        listed = true;
    }
    FUZZ_CHECK(listed && record.answerKnown == 0);
    return 0;
}
