#include "core/ladder/families.h"

namespace ga {

bool findFishStep(const LadderBoard&, const DigitCells&, Technique, LadderStep&) {
    return false;
}

std::string describeFishStep(const LadderStep&) {
    return "";
}

}  // namespace ga
