// The simple chains of rung 8, which the chains family calls: simple
// colouring (one value's strong links coloured in turn), the X-Chain (one
// value, strong and weak links alternating) and the XY-Chain (cells with two
// candidates, each link a value the next cell must then lack). Each takes the
// shortest chain it finds.
#pragma once

#include <string>

#include "core/ladder/board.h"
#include "core/ladder/step.h"

namespace ga {

bool findSimpleColouring(const LadderBoard& board, const DigitCells& where, LadderStep& step);
bool findXChain(const LadderBoard& board, const DigitCells& where, LadderStep& step);
bool findXYChain(const LadderBoard& board, const DigitCells& where, LadderStep& step);

std::string describeSimpleColouring(const LadderStep& step, StepWords words);
std::string describeXChain(const LadderStep& step, StepWords words);
std::string describeXYChain(const LadderStep& step, StepWords words);

}  // namespace ga
