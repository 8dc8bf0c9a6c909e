// Serial numbers as text: the five parts shown as "%X-%X-%X-%X-%X", and each
// part read the way the recreate dialog reads what is typed into its fields.
//
// The readers touch nothing but their arguments, so they can be fed anything
// (a fuzzer included).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/puzzle_record.h"

namespace ga::cli {

// Reads an unsigned hexadecimal number: an optional "0x" (or "0X"), then hex
// digits in either case up to the first other character, where reading stops
// and the rest is ignored. Nothing is skipped before it, white space included.
// Text without a leading digit (empty, "0x" alone, "g1", " 1") reads as 0.
// A value past 32 bits reads as 0xFFFFFFFF, which every part refuses, rather
// than wrapping round into one that some part might accept.
uint32_t readSerialPart(std::string_view text);

// The five parts from the command line: either one argument "A-B-C-D-E" split
// at its dashes, or five arguments, each read by readSerialPart. False, with
// `parts` untouched, for any other number of arguments or dash-separated pieces.
bool readSerialArguments(const std::vector<std::string>& arguments,
                         uint32_t (&parts)[kSerialParts]);

// "%X-%X-%X-%X-%X".
std::string formatSerial(const uint32_t (&parts)[kSerialParts]);

}  // namespace ga::cli
