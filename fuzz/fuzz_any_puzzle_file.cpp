// Any puzzle file as the desktop and --in read it: the format told from the
// bytes, then that format's reader; whatever the bytes, a verdict and no harm.
#include "fuzz/puzzle_format_checks.h"
#include "ui/any_puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const AnyPuzzleFile file = readPuzzleFileAny(bytes, "puzzle");
    if (file.content.format == PuzzleFormat::kGaFile) {
        FUZZ_CHECK(file.content.ok() == (file.content.puzzles.size() == 1));
        return 0;
    }
    checkPuzzleFileContent(file.content, bytes);
    return 0;
}
