#include "core/ladder/families.h"

namespace ga {

bool findChainsStep(const LadderBoard&, const DigitCells&, Technique, LadderStep&) {
    return false;
}

std::string describeChainsStep(const LadderStep&) {
    return "";
}

}  // namespace ga
