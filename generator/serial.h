// Serial numbers: the five parts that rebuild a puzzle made on a built-in
// table, their validation, and the rebuilding itself.
//
//   part 1  relabelling: decimal digits perm[1] .. perm[9]
//   part 2  bits 28..31 the base source (2..13 can be rebuilt), bits 0..26 the
//           transforms applied; bit 27 is ignored
//   part 3  clue set of cells 0..26 before the transforms: bit i + 1 set means
//           cell i is open; bit 0 is ignored
//   part 4  the same for cells 27..53
//   part 5  the same for cells 54..80
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/puzzle_record.h"

namespace ga {

// The lowest and highest value each part may take, inclusive.
extern const uint32_t kSerialLowest[kSerialParts];
extern const uint32_t kSerialHighest[kSerialParts];

extern const char* const kIllegalSerialText;     // part 1 is no permutation
extern const char* const kSerialOutOfRangeText;  // a part lies outside its range

constexpr int kSourceShift = 28;

// 1 unless the nine lowest decimal digits of value are 1..9, each once.
int isIllegalRelabelNumber(uint32_t value);

enum SerialCheck : int { kSerialAccepted = 0, kSerialIllegal = 1, kSerialOutOfRange = 2 };

// The relabel test first, then the ranges of parts 1 to 5 in order.
SerialCheck checkSerial(const SerialParts& parts);

// Reads a part as typed: leading white space, an optional "0x" or "0X", then
// hexadecimal digits up to the first other character; no digit reads as 0. A
// value beyond 32 bits reads as 0xFFFFFFFF, which no part accepts. No sign is
// taken: "-1" reads as 0. The recreate dialog and the command line both read
// parts this way.
uint32_t readSerialPart(std::string_view text);

// The five parts as shown: "%X-%X-%X-%X-%X".
std::string formatSerial(const SerialParts& parts);

// The text that refuses a serial number, or null for kSerialAccepted.
const char* serialRefusalText(int check);

// Rebuilds answerGrid, openFlags and valueGrid from the serial parts written
// into the record, clears candidateNumbers and sets answerKnown. Returns 0; a
// serial number that checkSerial refuses is refused with its result and the
// record is left untouched.
SerialCheck recreatePuzzle(PuzzleRecord& record);

}  // namespace ga
