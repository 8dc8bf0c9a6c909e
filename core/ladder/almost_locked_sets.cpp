#include "core/ladder/families.h"

namespace ga {

bool findAlmostLockedSetsStep(const LadderBoard&, const DigitCells&, Technique, LadderStep&) {
    return false;
}

std::string describeAlmostLockedSetsStep(const LadderStep&) {
    return "";
}

}  // namespace ga
