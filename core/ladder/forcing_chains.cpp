#include "core/ladder/families.h"

namespace ga {

bool findForcingChainsStep(const LadderBoard&, const DigitCells&, Technique, LadderStep&) {
    return false;
}

std::string describeForcingChainsStep(const LadderStep&) {
    return "";
}

}  // namespace ga
