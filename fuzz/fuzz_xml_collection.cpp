// The puzzle file reader for an XML collection, hostile markup included: whatever the
// bytes, a verdict and no harm (see puzzle_format_checks.h).
#include "fuzz/puzzle_format_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return ga::fuzzPuzzleFormat(ga::PuzzleFormat::kXml, data, size);
}
