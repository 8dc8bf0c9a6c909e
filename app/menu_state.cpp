#include "app/menu_state.h"

#include "app/command_ids.h"
#include "app/command_table.h"

namespace ga {

namespace {

constexpr int kNoPattern = -1;

// The column of the pattern table; modes 1 and 4 share one.
int patternColumn(int menuMode) {
    switch (menuMode) {
        case kMenuNoPuzzle:
            return 0;
        case kMenuPlaying:
        case kMenuLoaded:
            return 1;
        case kMenuSaved:
            return 2;
        case kMenuAnswerOpened:
            return 3;
        case kMenuHandBuildClues:
            return 4;
        case kMenuHandBuildAnswer:
            return 5;
        default:
            return kNoPattern;
    }
}

constexpr int kVisibleMistakes = 1;
constexpr int kAbsoluteMistakes = 2;

}  // namespace

void applyMenuPattern(Desktop& desktop, bool answerKnown, int menuMode) {
    const int column = patternColumn(menuMode);
    if (column == kNoPattern) return;
    for (const CommandRow& row : commandRows()) {
        const PatternRule rule = row.pattern.cell[column];
        if (rule == PatternRule::kUntouched) continue;
        desktop.enableMenuItem(row.id, rule == PatternRule::kEnable ||
                                           (rule == PatternRule::kByAnswer && answerKnown));
    }
}

void applyCompletion(Desktop& desktop, const CompletionResult& result, bool answerKnown) {
    if (result.answerAdopted) desktop.enableMenuItem(kCommandAbsoluteMistake, true);
    if (result.verdict == CompletionVerdict::kComplete ||
        result.verdict == CompletionVerdict::kCompleteOtherAnswer) {
        desktop.enableMenuItem(kCommandOpenAnswer, answerKnown);
    }
    desktop.enableMenuItem(kCommandSavePuzzle, true);
}

MenuSnapshot takeMenuSnapshot(Desktop& desktop) {
    MenuSnapshot snapshot;
    for (int command : menuItemCommands()) {
        snapshot.emplace_back(command, desktop.menuItemEnabled(command));
    }
    return snapshot;
}

void restoreMenu(Desktop& desktop, const MenuSnapshot& snapshot) {
    for (const auto& [command, enabled] : snapshot) desktop.enableMenuItem(command, enabled);
}

MenuSnapshot enterBusyMenu(Desktop& desktop) {
    MenuSnapshot before = takeMenuSnapshot(desktop);
    for (const CommandRow& row : commandRows()) {
        if (row.refusedWhileBusy && row.place != MenuPlace::kNone) {
            desktop.enableMenuItem(row.id, false);
        }
    }
    return before;
}

void setLevel(Desktop& desktop, int& level, int newLevel) {
    if (!isLevel(newLevel)) return;
    if (isLevel(level)) desktop.checkMenuItem(levelCommand(level), false);
    level = newLevel;
    desktop.checkMenuItem(levelCommand(level), true);
}

void setExpressMode(Desktop& desktop, int& expressMode, int requestedMode, bool answerKnown) {
    if (!isExpressMode(requestedMode)) return;
    if (isExpressMode(expressMode)) desktop.checkMenuItem(expressModeCommand(expressMode), false);
    expressMode =
        (requestedMode == kAbsoluteMistakes && !answerKnown) ? kVisibleMistakes : requestedMode;
    desktop.checkMenuItem(expressModeCommand(expressMode), true);
}

}  // namespace ga
