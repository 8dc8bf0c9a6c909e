// Serial numbers read from the command line (generator/serial.h shows them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/puzzle_record.h"

namespace ga::cli {

// The five parts from the command line: either one argument "A-B-C-D-E" split
// at its dashes, or five arguments, each read by ga::readSerialPart. False, with
// `parts` untouched, for any other number of arguments or dash-separated pieces.
bool readSerialArguments(const std::vector<std::string>& arguments, SerialParts& parts);

}  // namespace ga::cli
