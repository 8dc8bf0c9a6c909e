// The difficulty classes and their names: 0 "Practice" .. 7
// "Extra-Terrestrial" for generated puzzles, 8 "Hand-build" for a puzzle
// entered by hand. The title, the status texts, the menu and the dialogs all
// name a class from here.
#pragma once

#include <string>
#include <vector>

#include "core/translation.h"

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

// The names stay English in files and on the command line; their
// translations (context "Class") are for the player to read.
constexpr ClassName kClassNames[] = {
    {QT_TRANSLATE_NOOP("Class", "Practice"), QT_TRANSLATE_NOOP("Class", "Practice")},
    {QT_TRANSLATE_NOOP("Class", "Novice"), QT_TRANSLATE_NOOP("Class", "Novice")},
    {QT_TRANSLATE_NOOP("Class", "Beginner"), QT_TRANSLATE_NOOP("Class", "Beginner")},
    {QT_TRANSLATE_NOOP("Class", "Intermediate"), QT_TRANSLATE_NOOP("Class", "Intermediate")},
    {QT_TRANSLATE_NOOP("Class", "Advanced"), QT_TRANSLATE_NOOP("Class", "Advanced")},
    {QT_TRANSLATE_NOOP("Class", "Expert"), QT_TRANSLATE_NOOP("Class", "Expert")},
    {QT_TRANSLATE_NOOP("Class", "World Class"), QT_TRANSLATE_NOOP("Class", "World Class")},
    {QT_TRANSLATE_NOOP("Class", "Extra-Terrestrial"),
     QT_TRANSLATE_NOOP("Class", "Extra-terrestrial")},
    {QT_TRANSLATE_NOOP("Class", "Hand-build"), QT_TRANSLATE_NOOP("Class", "Hand-build")},
};
static_assert(sizeof kClassNames / sizeof kClassNames[0] == kHandBuiltClass + 1,
              "one name per class, hand-built last");

// The name of class 0..8. A class outside that (only a foreign or damaged
// puzzle file carries one) is named "Unknown".
constexpr const char* className(int difficultyClass) {
    return difficultyClass >= kLowestClass && difficultyClass <= kHandBuiltClass
               ? kClassNames[difficultyClass].name
               : QT_TRANSLATE_NOOP("Class", "Unknown");
}

// The name the player reads: className in their language.
inline std::string shownClassName(int difficultyClass) {
    return translate("Class", className(difficultyClass));
}

// The names of the classes first..last, for a dialog's list.
inline std::vector<std::string> classNames(int first, int last) {
    std::vector<std::string> names;
    for (int c = first; c <= last; ++c) names.emplace_back(className(c));
    return names;
}
// The same as the player reads them.
inline std::vector<std::string> shownClassNames(int first, int last) {
    std::vector<std::string> names;
    for (int c = first; c <= last; ++c) names.push_back(shownClassName(c));
    return names;
}

}  // namespace ga
