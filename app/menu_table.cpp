#include "app/menu_table.h"

#include "app/command_ids.h"

namespace ga {

namespace {

template <typename T, int N>
constexpr TableView<T> viewOf(const T (&table)[N]) {
    return TableView<T>{table, N};
}

constexpr MenuEntry item(int command, const char* text) {
    return MenuEntry{MenuEntryKind::kItem, command, text, {}};
}

constexpr MenuEntry separator() {
    return MenuEntry{MenuEntryKind::kSeparator, 0, "", {}};
}

constexpr MenuEntry subPopup(const char* title, TableView<MenuEntry> entries) {
    return MenuEntry{MenuEntryKind::kSubPopup, 0, title, entries};
}

constexpr MenuEntry kFileEntries[] = {
    item(kCommandLoadPuzzle, "Load Puzzle\tCtrl + L"),
    item(kCommandSavePuzzle, "Save Puzzle\tCtrl + S"),
    separator(),
    item(kCommandExit, "Exit\tCtrl + X"),
};

constexpr MenuEntry kLevelEntries[] = {
    item(levelCommand(0), "Practice\tCtrl + 0"),
    separator(),
    item(levelCommand(1), "Novice\tCtrl + 1"),
    item(levelCommand(2), "Beginner\tCtrl + 2"),
    item(levelCommand(3), "Intermediate\tCtrl + 3"),
    item(levelCommand(4), "Advanced\tCtrl + 4"),
    separator(),
    item(levelCommand(5), "Expert\tCtrl + 5"),
    item(levelCommand(6), "World Class\tCtrl + 6"),
    item(levelCommand(7), "Extra-terrestrial\tCtrl + 7"),
};

constexpr MenuEntry kPuzzleEntries[] = {
    item(kCommandNewPuzzle, "New Puzzle\tCtrl + N"),
    subPopup("-- Level Setting", viewOf(kLevelEntries)),
    separator(),
    item(kCommandHandBuildPuzzle, "Hand-build Puzzle\tCtrl + H"),
    item(kCommandRecreatePuzzle, "Recreate from Serial Number..."),
};

constexpr MenuEntry kSolveEntries[] = {
    item(kCommandShowCandidates, "Show Candidates\tCtrl + C"),
    separator(),
    item(kCommandPencilMarks, "Pencil Marks\tCtrl + P"),
    item(kCommandBacktracking, "Backtracking\tCtrl + B"),
    separator(),
    item(kCommandCheckSolvable, "Check Solvable\tCtrl + U"),
    // The hint names a key that has no accelerator; the item is menu-only.
    item(kCommandCheckMultiple, "Check Multiple\tCtrl + Shift + U"),
    separator(),
    item(kCommandOpenAnswer, "Open Answer\tCtrl + O"),
};

constexpr MenuEntry kExpressEntries[] = {
    item(kCommandEraseSolving, "Erase Solving And Candidates\tCtrl + R"),
    separator(),
    item(kCommandNotExpressMistake, "Not Express Mistake\tCtrl + E"),
    item(kCommandVisibleMistake, "Visible Mistake\tCtrl + V"),
    item(kCommandAbsoluteMistake, "Absolute Mistake\tCtrl + A"),
};

constexpr MenuEntry kOptionEntries[] = {
    item(kCommandDefaultSettings, "Default Settings\tCtrl + D"),
    item(kCommandRecordRegions, "Record Regions of Multi Answer..."),
    separator(),
    item(kCommandAbout, "About\tCtrl + T"),
};

constexpr MenuPopup kPopups[] = {
    {"File(&F)", viewOf(kFileEntries)},     {"Puzzle(&P)", viewOf(kPuzzleEntries)},
    {"Solve(&S)", viewOf(kSolveEntries)},   {"Express(&E)", viewOf(kExpressEntries)},
    {"Option(&O)", viewOf(kOptionEntries)},
};

constexpr Accelerator kAccelerators[] = {
    {'T', kCommandAbout},           {'X', kCommandExit},
    {'N', kCommandNewPuzzle},       {'0', levelCommand(0)},
    {'1', levelCommand(1)},         {'2', levelCommand(2)},
    {'3', levelCommand(3)},         {'4', levelCommand(4)},
    {'5', levelCommand(5)},         {'6', levelCommand(6)},
    {'7', levelCommand(7)},         {'S', kCommandSavePuzzle},
    {'L', kCommandLoadPuzzle},      {'E', kCommandNotExpressMistake},
    {'V', kCommandVisibleMistake},  {'A', kCommandAbsoluteMistake},
    {'R', kCommandEraseSolving},    {'C', kCommandShowCandidates},
    {'O', kCommandOpenAnswer},      {'U', kCommandCheckSolvable},
    {'P', kCommandPencilMarks},     {'B', kCommandBacktracking},
    {'H', kCommandHandBuildPuzzle}, {'D', kCommandDefaultSettings},
};

void collectCommands(TableView<MenuEntry> entries, std::vector<int>& commands) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntryKind::kItem) commands.push_back(entry.command);
        if (entry.kind == MenuEntryKind::kSubPopup) collectCommands(entry.subEntries, commands);
    }
}

}  // namespace

TableView<MenuPopup> menuPopups() {
    return viewOf(kPopups);
}

std::vector<int> menuItemCommands() {
    std::vector<int> commands;
    for (const MenuPopup& popup : menuPopups()) collectCommands(popup.entries, commands);
    return commands;
}

bool hasMenuItem(int command) {
    for (int menuCommand : menuItemCommands()) {
        if (menuCommand == command) return true;
    }
    return false;
}

TableView<Accelerator> accelerators() {
    return viewOf(kAccelerators);
}

int acceleratorCommand(char key, unsigned modifiers) {
    if (modifiers != kModifierCtrl) return 0;
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    for (const Accelerator& accelerator : accelerators()) {
        if (accelerator.key == key) return accelerator.command;
    }
    return 0;
}

}  // namespace ga
