#include "app/menu_state.h"

#include "app/command_ids.h"

namespace ga {

namespace {

enum class Rule : char {
    kUntouched,
    kEnable,
    kGrey,
    kByAnswer,  // enabled only when the puzzle's answer is known
};

// Columns of the pattern table, one per menu mode with a pattern; modes 1 and
// 4 share one.
enum PatternColumn : int {
    kColumnNoPuzzle,
    kColumnPlaying,
    kColumnSaved,
    kColumnAnswerOpened,
    kColumnHandBuildClues,
    kColumnHandBuildAnswer,
    kColumnCount,
    kNoPattern = -1,
};

struct PatternRow {
    int firstCommand;
    int lastCommand;
    Rule rules[kColumnCount];
};

constexpr Rule E = Rule::kEnable;
constexpr Rule G = Rule::kGrey;
constexpr Rule A = Rule::kByAnswer;
constexpr Rule U = Rule::kUntouched;  // left as the previous call left it

constexpr PatternRow kPatterns[] = {
    //                                                      0  1,4 2  8  16 32
    {kCommandNewPuzzle, kCommandNewPuzzle, {E, E, U, U, G, U}},
    {kCommandSavePuzzle, kCommandSavePuzzle, {G, E, G, U, G, U}},
    {kCommandLoadPuzzle, kCommandLoadPuzzle, {E, E, U, U, G, U}},
    {kCommandNotExpressMistake, kCommandNotExpressMistake, {G, E, U, G, G, U}},
    {kCommandVisibleMistake, kCommandVisibleMistake, {G, E, U, G, G, U}},
    {kCommandAbsoluteMistake, kCommandAbsoluteMistake, {G, A, U, G, G, U}},
    {kCommandEraseSolving, kCommandEraseSolving, {G, E, U, E, E, E}},
    {kCommandShowCandidates, kCommandShowCandidates, {G, E, U, G, E, E}},
    {kCommandOpenAnswer, kCommandOpenAnswer, {G, A, U, G, G, U}},
    {kCommandCheckSolvable, kCommandCheckSolvable, {G, E, U, G, E, E}},
    {kCommandCheckMultiple, kCommandCheckMultiple, {G, E, U, G, E, E}},
    {kCommandPencilMarks, kCommandPencilMarks, {G, E, U, G, G, E}},
    {kCommandBacktracking, kCommandBacktracking, {G, E, U, G, G, E}},
    {kCommandHandBuildPuzzle, kCommandHandBuildPuzzle, {E, E, U, U, G, U}},
    // Recreating replaces the puzzle like "New Puzzle"; recording regions
    // leaves the board alone like "Default Settings".
    {kCommandRecreatePuzzle, kCommandRecreatePuzzle, {E, E, U, U, G, U}},
    {kCommandDefaultSettings, kCommandDefaultSettings, {E, E, U, U, G, U}},
    {kCommandRecordRegions, kCommandRecordRegions, {E, E, U, U, G, U}},
    {levelCommand(0), levelCommand(6), {E, E, U, U, G, U}},
    // No pattern enables Extra-terrestrial: a level of 7 only comes from the
    // settings file.
    {kCommandExtraTerrestrialLevel, kCommandExtraTerrestrialLevel, {G, U, U, U, G, U}},
};

PatternColumn columnOf(int menuMode) {
    switch (menuMode) {
        case kMenuNoPuzzle:
            return kColumnNoPuzzle;
        case kMenuPlaying:
        case kMenuLoaded:
            return kColumnPlaying;
        case kMenuSaved:
            return kColumnSaved;
        case kMenuAnswerOpened:
            return kColumnAnswerOpened;
        case kMenuHandBuildClues:
            return kColumnHandBuildClues;
        case kMenuHandBuildAnswer:
            return kColumnHandBuildAnswer;
        default:
            return kNoPattern;
    }
}

constexpr int kVisibleMistakes = 1;
constexpr int kAbsoluteMistakes = 2;

void greyRange(Desktop& desktop, int firstCommand, int lastCommand) {
    for (int command = firstCommand; command <= lastCommand; ++command) {
        desktop.enableMenuItem(command, false);
    }
}

}  // namespace

void applyMenuPattern(Desktop& desktop, bool answerKnown, int menuMode) {
    const PatternColumn column = columnOf(menuMode);
    if (column == kNoPattern) return;
    for (const PatternRow& row : kPatterns) {
        const Rule rule = row.rules[column];
        if (rule == Rule::kUntouched) continue;
        const bool enabled = rule == Rule::kEnable || (rule == Rule::kByAnswer && answerKnown);
        for (int command = row.firstCommand; command <= row.lastCommand; ++command) {
            desktop.enableMenuItem(command, enabled);
        }
    }
}

void updateMenu(Desktop& desktop, bool jobBusy, int menuMode, bool answerKnown) {
    if (jobBusy) {
        desktop.enableMenuItem(kCommandExit, false);
        greyRange(desktop, kCommandNewPuzzle, kCommandRecordRegions);
        greyRange(desktop, kCommandFirstLevel, kCommandLastLevel);
        return;
    }
    desktop.enableMenuItem(kCommandExit, true);
    applyMenuPattern(desktop, answerKnown, menuMode);
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
