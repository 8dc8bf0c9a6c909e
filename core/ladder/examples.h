// The ladder's example boards: for each technique, boards taken from walks
// through public puzzle sets just before the ladder's next step is that
// technique, with what the step does. They ship inside the program (Help
// draws them) and the ladder's tests check every one.
//
// A file has one example per line, '#' lines being comments:
//   technique | 81 values ('.' empty) | 81 candidate lists ('-' filled) | result
#pragma once

#include <string>
#include <vector>

#include "core/ladder/board.h"

namespace ga {

struct EmbeddedText {
    const char* name;  // the file's name without its folder and extension
    const char* text;
};

struct LadderExample {
    std::string where;  // "fish_line12"
    std::string technique, values, candidates, result;
};

// Every example of every file, files in name order.
std::vector<LadderExample> ladderExamples();

// The example's board (its answer taken as known to be unique); false when
// the line is malformed.
bool exampleBoard(const LadderExample& example, LadderBoard& board);

}  // namespace ga
