// The puzzle file reader for a single puzzle drawn with lines between the boxes: whatever the
// bytes, a verdict and no harm (see puzzle_format_checks.h).
#include "fuzz/puzzle_format_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return ga::fuzzPuzzleFormat(ga::PuzzleFormat::kSs, data, size);
}
