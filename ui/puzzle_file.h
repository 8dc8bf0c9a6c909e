// The puzzle file: a 32-byte header and the 1320-byte puzzle record, every
// integer 32-bit little-endian, 1352 bytes in all, with no magic number and
// no version. The desktop's "Save Puzzle" and the command line both write it.
//
//   offset  size  field
//        0     4  headerSize   32
//        4     4  finished     1 when the board was solved at the moment of saving
//        8     4  puzzleClass  0..7 generated or recreated, 8 hand-built
//       12    20  reserved     zero in every header the program builds
//       32  1320  record       answerGrid, openFlags, valueGrid, candidateNumbers,
//                              serial, answerKnown
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/difficulty_class.h"
#include "core/puzzle_record.h"

namespace ga {

constexpr int kPuzzleHeaderBytes = 32;
constexpr int kPuzzleRecordBytes = static_cast<int>(sizeof(PuzzleRecord));
constexpr int kPuzzleFileBytes = kPuzzleHeaderBytes + kPuzzleRecordBytes;

// As the program starts: headerSize 32, everything else 0.
struct PuzzleFileHeader {
    int32_t headerSize = kPuzzleHeaderBytes;
    int32_t finished = 0;
    int32_t puzzleClass = 0;
    int32_t reserved[5] = {};
};
static_assert(sizeof(PuzzleFileHeader) == kPuzzleHeaderBytes, "the header is eight int32");
static_assert(kPuzzleFileBytes == 1352, "the puzzle file is 1352 bytes");

enum PuzzleFileRead : int {
    kPuzzleFileRead = 0,
    kPuzzleFileUnreadable = 1,  // no regular file could be opened and read
    kPuzzleFileWrongSize = 2,
    kPuzzleFileBadValues = 3,  // a field outside the ranges decodePuzzleFile accepts
};

// The file's bytes, little-endian whatever the machine's byte order.
void encodePuzzleFile(const PuzzleFileHeader& header, const PuzzleRecord& record,
                      unsigned char (&bytes)[kPuzzleFileBytes]);

// Reads the file's bytes back. Only what this program could have written is
// accepted: exactly kPuzzleFileBytes bytes, headerSize 32, finished 0 or 1,
// class 0..8, every open flag 0 or 1, every answer and value 0..9, every clue's
// answer 1..9, answerKnown 0 or 1. A value outside those ranges would reach
// the board's display, the menu and the solver, none of which expect it.
// candidateNumbers and the serial are taken as they are: any number is a
// candidate list as typed (the board shows one above 9 and nothing otherwise)
// and any serial prints. The reserved header bytes are kept as read.
// Returns 0 when accepted; otherwise `header` and `record` are untouched.
PuzzleFileRead decodePuzzleFile(const unsigned char* bytes, std::size_t size,
                                PuzzleFileHeader& header, PuzzleRecord& record);

// Reads and decodes the file at `path`. Returns kPuzzleFileRead, or another
// PuzzleFileRead with `header` and `record` untouched.
PuzzleFileRead readPuzzleFile(const char* path, PuzzleFileHeader& header, PuzzleRecord& record);

// What the user is told when a puzzle file could not be saved or loaded.
extern const char* const kSaveFailedText;
extern const char* const kLoadFailedText;

enum PuzzleFileWrite : int {
    kPuzzleFileWritten = 0,
    kPuzzleFileNotCreated = 1,  // no file could be created in the target's folder
    kPuzzleFileNotWritten = 2,  // writing, flushing or the final rename failed
};

// Writes the file at `path`, replacing an existing one only once the new bytes
// are complete on disk: they go to a fresh file in the same folder, which is
// then renamed over the target. On failure the fresh file is removed, an
// earlier file at `path` is left as it was, and errno tells why.
PuzzleFileWrite writePuzzleFile(const PuzzleFileHeader& header, const PuzzleRecord& record,
                                const char* path);

// The same for any bytes: those of a puzzle file in another format.
PuzzleFileWrite writePuzzleFileBytes(const std::string& path, const unsigned char* bytes,
                                     std::size_t size);

}  // namespace ga
