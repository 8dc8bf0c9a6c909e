// The identifiers shared by the menu, the accelerator keys, the buttons and
// the board's controls. A job's completion notice reuses the identifier of the
// command that started it, so the job commands below are also notice numbers.
// The board numbers its own controls; they are included here so that the
// whole numbering reads from this one header.
#pragma once

#include "ui/board_ids.h"

namespace ga {

// --- commands ------------------------------------------------------------------
constexpr int kCommandCancel = 2;  // closes like Exit, without the exit question
constexpr int kCommandExit = 1000;
constexpr int kCommandAbout = 1030;
constexpr int kCommandNewPuzzle = 1110;
constexpr int kCommandRecreatePuzzle = 1111;  // no menu item, no key
constexpr int kCommandSavePuzzle = 1112;
constexpr int kCommandLoadPuzzle = 1113;
constexpr int kCommandNotExpressMistake = 1114;
constexpr int kCommandVisibleMistake = 1115;
constexpr int kCommandAbsoluteMistake = 1116;
constexpr int kCommandEraseSolving = 1117;
constexpr int kCommandShowCandidates = 1118;
constexpr int kCommandOpenAnswer = 1119;
constexpr int kCommandCheckSolvable = 1120;
constexpr int kCommandCheckMultiple = 1121;
constexpr int kCommandPencilMarks = 1122;
constexpr int kCommandBacktracking = 1123;
constexpr int kCommandHandBuildPuzzle = 1124;
constexpr int kCommandDefaultSettings = 1125;
constexpr int kCommandRecordRegions = 1126;  // no menu item, no key

// Commands beyond the original menu: the edit popup, the hint and pictures.
constexpr int kCommandUndo = 1140;
constexpr int kCommandRedo = 1141;
constexpr int kCommandCopyPuzzle = 1142;
constexpr int kCommandPastePuzzle = 1143;
constexpr int kCommandPrint = 1144;
constexpr int kCommandExportPicture = 1145;
constexpr int kCommandHint = 1146;
constexpr int kCommandApplyHint = 1147;
constexpr int kCommandRatePuzzle = 1148;

// Commands of play: notes, colour marks, the clock, the player's files.
constexpr int kCommandFillInCandidates = 1149;
constexpr int kCommandPause = 1150;
constexpr int kCommandFirstColourMark = 1151;  // the four colours: 1151..1154
constexpr int kCommandLastColourMark = 1154;
constexpr int kCommandClearCellMark = 1155;
constexpr int kCommandClearColourMarks = 1156;
constexpr int kCommandStatistics = 1157;
constexpr int kCommandPreferences = 1158;
constexpr int kCommandHelp = 1159;           // F1
constexpr int kCommandTechniqueHelp = 1168;  // no menu item: the hint panel's question
constexpr int kCommandPrintPuzzles = 1169;   // Edit > Print Puzzles...: a booklet of new puzzles
// Puzzles made to order: Puzzle > New Puzzle by Level (Easy..Extreme) and
// Practice a Technique; the stop that the two offer while they run.
constexpr int kCommandFirstPuzzleByLevel = 1170;
constexpr int kCommandLastPuzzleByLevel = 1174;
constexpr int kCommandPracticeTechnique = 1175;
constexpr int kCommandPracticeAgain = 1176;      // no menu item: the same technique once more
constexpr int kCommandStopMaking = 1177;         // Escape, or the button shown while one is made
constexpr int kCommandFirstRecentPuzzle = 1160;  // File > Recent Puzzles, newest first
constexpr int kCommandLastRecentPuzzle = 1167;
constexpr int kRecentPuzzleItems = kCommandLastRecentPuzzle - kCommandFirstRecentPuzzle + 1;
// No menu item: opens the file the desktop handed over (WindowState::handedFile).
constexpr int kCommandOpenHandedFile = 1180;
// No menu item: a collection's list rates its rows (the job's notice), and
// the finish box offers the collection's next puzzle.
constexpr int kCommandRateCollection = 1181;
constexpr int kCommandNextInCollection = 1182;

// Level commands: 1210 + difficulty class 0..7. The last one, Extra-terrestrial,
// is listed in the menu but never enabled.
constexpr int kCommandFirstLevel = 1210;
constexpr int kCommandLastLevel = 1217;
constexpr int kCommandExtraTerrestrialLevel = kCommandLastLevel;
constexpr int kLevelCount = kCommandLastLevel - kCommandFirstLevel + 1;

// Express-mode commands: 1114 + express mode 0..2.
constexpr int kCommandFirstExpressMode = kCommandNotExpressMistake;
constexpr int kCommandLastExpressMode = kCommandAbsoluteMistake;
constexpr int kExpressModeCount = kCommandLastExpressMode - kCommandFirstExpressMode + 1;

constexpr bool isLevel(int level) {
    return level >= 0 && level < kLevelCount;
}
constexpr int levelCommand(int level) {
    return kCommandFirstLevel + level;
}
constexpr bool isExpressMode(int mode) {
    return mode >= 0 && mode < kExpressModeCount;
}
constexpr int expressModeCommand(int mode) {
    return kCommandFirstExpressMode + mode;
}

// --- hand-build buttons ---------------------------------------------------------
constexpr int kButtonRegister = 1311;  // labelled "Registre"
constexpr int kButtonWithoutAnswer = 1312;
constexpr int kButtonCancelHandBuild = 1313;

}  // namespace ga
