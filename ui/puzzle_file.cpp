#include "ui/puzzle_file.h"

#include "ui/atomic_file.h"

namespace ga {

const char* const kSaveFailedText = "failed to save data to a file";

namespace {

unsigned char* putInt32(unsigned char* at, uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) *at++ = static_cast<unsigned char>(value >> (8 * byte));
    return at;
}

unsigned char* putInt32s(unsigned char* at, const int32_t* values, int count) {
    for (int i = 0; i < count; ++i) at = putInt32(at, static_cast<uint32_t>(values[i]));
    return at;
}

}  // namespace

void encodePuzzleFile(const PuzzleFileHeader& header, const PuzzleRecord& record,
                      unsigned char (&bytes)[kPuzzleFileBytes]) {
    unsigned char* at = bytes;
    at = putInt32(at, static_cast<uint32_t>(header.headerSize));
    at = putInt32(at, static_cast<uint32_t>(header.finished));
    at = putInt32(at, static_cast<uint32_t>(header.puzzleClass));
    at = putInt32s(at, header.reserved, 5);
    at = putInt32s(at, record.answerGrid, kCells);
    at = putInt32s(at, record.openFlags, kCells);
    at = putInt32s(at, record.valueGrid, kCells);
    at = putInt32s(at, record.candidateNumbers, kCells);
    for (uint32_t part : record.serial) at = putInt32(at, part);
    putInt32(at, static_cast<uint32_t>(record.answerKnown));
}

int writePuzzleFile(const PuzzleFileHeader& header, const PuzzleRecord& record, const char* path) {
    unsigned char bytes[kPuzzleFileBytes];
    encodePuzzleFile(header, record, bytes);

    switch (replaceFileContent(path, bytes, sizeof bytes)) {
        case ReplaceResult::kWritten:
            return kPuzzleFileWritten;
        case ReplaceResult::kNotCreated:
            return kPuzzleFileNotCreated;
        case ReplaceResult::kNotWritten:
            break;
    }
    return kPuzzleFileNotWritten;
}

}  // namespace ga
