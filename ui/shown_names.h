// A statistics class as the dialogs show it: in the player's language.
// The English name stays what the statistics file keeps.
#pragma once

#include <string>

#include "core/difficulty_class.h"
#include "core/translation.h"

namespace ga {

// A statistics class as it is kept, shown: a difficulty class or a level of
// the puzzles made to order ("Own Puzzles" and the like count as classes).
inline std::string shownStatisticsClass(const std::string& name) {
    std::string shown = translate("Class", name.c_str());
    return shown != name ? shown : translate("Level", name.c_str());
}

}  // namespace ga
