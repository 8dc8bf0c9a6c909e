#include "core/ladder/families.h"

namespace ga {

bool findUniquenessStep(const LadderBoard&, const DigitCells&, Technique, LadderStep&) {
    return false;
}

std::string describeUniquenessStep(const LadderStep&) {
    return "";
}

}  // namespace ga
