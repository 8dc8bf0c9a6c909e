// Puzzle files are chosen by the user and may come from anywhere. The input
// goes through the decoder as it is and through the reader from a real file;
// it is also cut or zero-padded to the file's length, so that short inputs
// reach the field checks.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "ui/puzzle_file.h"

namespace ga {
namespace {

bool isFlag(int32_t v) {
    return v == 0 || v == 1;
}
bool isDigitOrEmpty(int32_t v) {
    return v >= 0 && v <= 9;
}

int32_t wordAt(const unsigned char* bytes, int index) {
    const unsigned char* at = bytes + 4 * index;
    return static_cast<int32_t>(static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
                                static_cast<uint32_t>(at[2]) << 16 |
                                static_cast<uint32_t>(at[3]) << 24);
}

// The rule of the header, read straight from the bytes.
bool acceptable(const unsigned char (&bytes)[kPuzzleFileBytes]) {
    constexpr int kRecord = kPuzzleHeaderBytes / 4;
    if (wordAt(bytes, 0) != kPuzzleHeaderBytes || !isFlag(wordAt(bytes, 1))) return false;
    if (wordAt(bytes, 2) < 0 || wordAt(bytes, 2) > kHandBuiltClass) return false;
    if (!isFlag(wordAt(bytes, kRecord + 4 * kCells + kSerialParts))) return false;
    for (int cell = 0; cell < kCells; ++cell) {
        const int32_t answer = wordAt(bytes, kRecord + cell);
        const int32_t open = wordAt(bytes, kRecord + kCells + cell);
        const int32_t value = wordAt(bytes, kRecord + 2 * kCells + cell);
        if (!isFlag(open) || !isDigitOrEmpty(answer) || !isDigitOrEmpty(value)) return false;
        if (open == 0 && answer == 0) return false;
    }
    return true;
}

struct Decoded {
    PuzzleFileHeader header;
    PuzzleRecord record;
};

// Filled with a pattern no decoder writes, to tell whether it was touched.
Decoded untouched() {
    Decoded d;
    std::memset(&d, 0xC3, sizeof d);
    return d;
}

bool same(const Decoded& a, const Decoded& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Decodes a file-sized image; an accepted one encodes back to the same bytes,
// as every field is kept as read.
void checkImage(const unsigned char (&image)[kPuzzleFileBytes]) {
    Decoded d = untouched();
    const int result = decodePuzzleFile(image, sizeof image, d.header, d.record);
    if (!acceptable(image)) {
        FUZZ_CHECK(result == kPuzzleFileBadValues && same(d, untouched()));
        return;
    }
    FUZZ_CHECK(result == kPuzzleFileRead);
    unsigned char again[kPuzzleFileBytes];
    encodePuzzleFile(d.header, d.record, again);
    FUZZ_CHECK(std::memcmp(again, image, sizeof image) == 0);
}

}  // namespace
}  // namespace ga

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;

    unsigned char image[kPuzzleFileBytes] = {};
    std::memcpy(image, data, size < sizeof image ? size : sizeof image);
    checkImage(image);

    // The bytes as they are, in memory and from a file.
    Decoded direct = untouched();
    const int result = decodePuzzleFile(data, size, direct.header, direct.record);
    if (size != sizeof image) {
        FUZZ_CHECK(result == kPuzzleFileWrongSize && same(direct, untouched()));
    } else {
        FUZZ_CHECK(result == (acceptable(image) ? kPuzzleFileRead : kPuzzleFileBadValues));
    }
    static fuzz::MemoryFile memory;
    memory.hold(data, size);
    Decoded fromFile = untouched();
    FUZZ_CHECK(readPuzzleFile(memory.path().c_str(), fromFile.header, fromFile.record) == result);
    FUZZ_CHECK(same(fromFile, direct));
    return 0;
}
