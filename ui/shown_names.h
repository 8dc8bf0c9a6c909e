// The names of classes as the dialogs show them: in the player's language.
// The English names stay what files and statistics keep.
#pragma once

#include <string>
#include <vector>

#include "core/difficulty_class.h"
#include "core/translation.h"

namespace ga {

// The names of the classes first..last, for a dialog's list.
inline std::vector<std::string> shownClassNames(int first, int last) {
    std::vector<std::string> names;
    for (int c = first; c <= last; ++c) names.push_back(translate("Class", className(c)));
    return names;
}

// A statistics class as it is kept, shown: a difficulty class or a level of
// the puzzles made to order ("Own Puzzles" and the like count as classes).
inline std::string shownStatisticsClass(const std::string& name) {
    std::string shown = translate("Class", name.c_str());
    return shown != name ? shown : translate("Level", name.c_str());
}

}  // namespace ga
