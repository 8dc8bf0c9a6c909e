#include "core/ladder/families.h"

namespace ga {

bool findWingsStep(const LadderBoard&, const DigitCells&, Technique, LadderStep&) {
    return false;
}

std::string describeWingsStep(const LadderStep&) {
    return "";
}

}  // namespace ga
