// Chains in words: "r1c1=5 → r1c7≠5 → r3c7=5", grouped nodes as "r1c12=5"
// (5 in r1c1 or r1c2), cut to what fits the status box.
#pragma once

#include <string>

#include "core/ladder/step.h"

namespace ga {

// About what the status box shows of a chain, in characters.
constexpr int kChainTextBudget = 160;

std::string chainNodeText(const ChainNode& node);

// The nodes joined by " → ", the tail left out past about `budget` characters
// and counted: "r1c1=5 → r1c7≠5 → … (+7 more links)".
std::string chainText(const ChainNode* nodes, int count, int budget = kChainTextBudget);
// The budget for the words asked for: kChainTextBudget, or no limit.
int chainTextBudget(StepWords words);

}  // namespace ga
