// Puzzle text as the clipboard hands it over: whatever the text, a verdict
// and no harm; a puzzle read keeps every digit of the text as a clue, writes
// a clue line that reads back to the same clues, and nothing else is written.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/puzzle_text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PuzzleRecord record;
    std::memset(&record, 0x5A, sizeof record);
    const PuzzleTextVerdict verdict = readPuzzleText(text, record);
    if (verdict.status != PuzzleTextStatus::kPuzzle) {
        PuzzleRecord untouched;
        std::memset(&untouched, 0x5A, sizeof untouched);
        FUZZ_CHECK(std::memcmp(&record, &untouched, sizeof record) == 0);
        return 0;
    }
    const long digits =
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
    long clues = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const bool clue = record.openFlags[cell] == 0;
        clues += clue;
        FUZZ_CHECK(clue ? record.answerGrid[cell] >= 1 && record.answerGrid[cell] <= 9
                        : record.answerGrid[cell] == 0);
    }
    FUZZ_CHECK(clues == digits && record.answerKnown == 0);
    const std::string line = clueLine(record);
    FUZZ_CHECK(line.size() == kCells);
    PuzzleRecord again;
    FUZZ_CHECK(readPuzzleText(line, again).status == PuzzleTextStatus::kPuzzle);
    FUZZ_CHECK(again.openFlags == record.openFlags);
    FUZZ_CHECK(clueLine(again) == line);
    return 0;
}
