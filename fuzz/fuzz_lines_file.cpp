// The puzzle file reader for the command line's own lines or a pencil-mark grid: whatever the
// bytes, a verdict and no harm (see puzzle_format_checks.h).
#include "fuzz/puzzle_format_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return ga::fuzzPuzzleFormat(ga::PuzzleFormat::kLines, data, size);
}
