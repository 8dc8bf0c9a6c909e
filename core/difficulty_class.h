// The difficulty classes and their names: 0 "Practice" .. 7
// "Extra-Terrestrial" for generated puzzles, 8 "Hand-build" for a puzzle
// entered by hand. The title, the status texts, the menu and the dialogs all
// name a class from here.
#pragma once

#include <string>
#include <vector>

namespace ga {

constexpr int kLowestClass = 0;
constexpr int kHighestClass = 7;
constexpr int kHandBuiltClass = 8;

constexpr bool isDifficultyClass(int difficultyClass) {
    return difficultyClass >= kLowestClass && difficultyClass <= kHighestClass;
}

struct ClassName {
    const char* name;
    const char* menuName;  // the level item's spelling
};

constexpr ClassName kClassNames[] = {
    {"Practice", "Practice"},       {"Novice", "Novice"},
    {"Beginner", "Beginner"},       {"Intermediate", "Intermediate"},
    {"Advanced", "Advanced"},       {"Expert", "Expert"},
    {"World Class", "World Class"}, {"Extra-Terrestrial", "Extra-terrestrial"},
    {"Hand-build", "Hand-build"},
};
static_assert(sizeof kClassNames / sizeof kClassNames[0] == kHandBuiltClass + 1,
              "one name per class, hand-built last");

// The name of class 0..8. A class outside that (only a foreign or damaged
// puzzle file carries one) is named "Unknown".
constexpr const char* className(int difficultyClass) {
    return difficultyClass >= kLowestClass && difficultyClass <= kHandBuiltClass
               ? kClassNames[difficultyClass].name
               : "Unknown";
}

// The names of the classes first..last, for a dialog's list.
inline std::vector<std::string> classNames(int first, int last) {
    std::vector<std::string> names;
    for (int c = first; c <= last; ++c) names.emplace_back(className(c));
    return names;
}

}  // namespace ga
