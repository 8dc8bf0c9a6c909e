#include "core/ladder/families.h"

namespace ga {

bool findSingleDigitPatternsStep(const LadderBoard&, const DigitCells&, Technique, LadderStep&) {
    return false;
}

std::string describeSingleDigitPatternsStep(const LadderStep&) {
    return "";
}

}  // namespace ga
