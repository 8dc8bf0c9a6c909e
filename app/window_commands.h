// The commands the main window runs itself on its own thread (level, express
// mode, erase, show candidates, open answer, the start of a new puzzle, undo
// and redo), and the state they share with the rest of the window.
#pragma once

#include <string>

#include "app/booklet_commands.h"
#include "app/collection_commands.h"
#include "app/game_session.h"
#include "app/ladder_commands.h"
#include "app/menu_state.h"
#include "app/seen_board.h"
#include "app/undo_history.h"
#include "core/puzzle_record.h"
#include "platform/desktop.h"
#include "ui/board.h"
#include "ui/file_dialog.h"
#include "ui/preferences.h"
#include "ui/puzzle_file.h"
#include "ui/settings.h"
#include "ui/user_files.h"

namespace ga {

class JobControl;

// The player's files: where they live, and what was read of them.
struct PlayerFiles {
    UserFolders folders;  // empty paths: the files are not kept (tests)
    Preferences preferences;
    Statistics statistics;
    std::vector<std::string> recentPuzzles;  // newest first
    // One-line notices of files that could not be read, for the player.
    std::vector<std::string> notices;

    bool kept() const { return !folders.config.empty(); }
    std::string statisticsPath() const { return folders.data + "statistics.json"; }
    std::string preferencesPath() const { return folders.config + "preferences.conf"; }
    std::string recentPath() const { return folders.state + "recent-puzzles"; }
};

// What the window's handlers work on. While a job runs the worker never
// touches it: a job takes a copy of its inputs and its results are copied in
// by the window when it handles the job's notice.
struct WindowState {
    PuzzleRecord puzzle{};  // the one the board shows
    PuzzleFileHeader header;
    Settings settings;                // the current Settings
    int handBuildStage = 0;           // 0 not building, 1 the clues, 2 the answer
    PuzzleRecord handBuildBackup{};   // the puzzle a hand-build started from
    int modifiedBeforeHandBuild = 0;  // and whether it was unsaved
    // The file dialogs' last folder and the chosen CSV file; they live for the run.
    FileDialogMemory files;
    // The menu as it stood when hand-building started, for its Cancel.
    MenuSnapshot menuBeforeHandBuild;
    // The player's steps on the current board.
    UndoHistory history;
    // The cell being typed into, whose text the record takes only when it is
    // left, and the hinted cells: what the board's backgrounds show.
    BoardMarks marks;
    // The last hint and what is known of the puzzle's answers.
    LadderMemory ladder;
    // What the cells and the status box show.
    SeenBoard seen;
    // The digit strip's button shown checked, 0 for none.
    int checkedDigit = 0;
    // The game on this board: its clock, pause and help taken.
    GameSession game;
    // The player's own files beside the settings file.
    PlayerFiles player;
    // The technique last chosen to practise, kNone before the first.
    Technique practised = Technique::kNone;
    // A puzzle file the desktop handed over (the program started with it, or
    // a later copy was), waiting for kCommandOpenHandedFile.
    std::string handedFile;
    // The collection last opened as a list, and the player's progress in it.
    Collection collection;
    // The booklet last asked for in Print Puzzles.
    BookletRequest booklet;
    // The look the board is painted in, from the preferences (and the desktop's).
    Theme theme = Theme::kLight;
};

constexpr const char* kProgramName = "gridAtelier";

// "gridAtelier -- <class>, sn : <part 1>-<part 2>", the title of a new or
// recreated puzzle.
std::string newPuzzleTitle(int level, const SerialParts& serial);

// Stores the code in the current Settings and shows its text.
void setStatus(Desktop& desktop, WindowState& state, int statusCode);
// Shows the text of the stored code again.
void showStatusAgain(Desktop& desktop, WindowState& state);

// Shows `cells` with the hint background until the next edit: a cell left
// with another value or candidate list, or a command or job result that
// changes the board, clears them. An empty set clears them at once.
void highlightCells(Desktop& desktop, WindowState& state, const std::bitset<kCells>& cells);

// Sets `menuMode` and applies its pattern.
void enterMenuMode(Desktop& desktop, WindowState& state, int menuMode);

// 1210..1217: the class of the next new puzzle.
void chooseLevel(Desktop& desktop, WindowState& state, int difficultyClass);
// 1114..1116: how mistakes are shown; absolute mistakes need a known answer.
void chooseExpressMode(Desktop& desktop, WindowState& state, int expressMode);
// 1117: clears what was solved (and, while entering clues by hand, only the
// candidates of empty cells).
void eraseSolving(Desktop& desktop, WindowState& state);
// 1118: every empty open cell shows its candidates.
void showAllCandidates(Desktop& desktop, WindowState& state);
// 1119: every open cell shows the stored answer, when there is a usable one.
void openAnswer(Desktop& desktop, WindowState& state);
// 1110 as a command: hands the generation of a new puzzle to the worker.
void startNewPuzzle(Desktop& desktop, WindowState& state, JobControl& jobs);

// --- typing, undo and redo ----------------------------------------------------------
// The board as the player sees it: the record, with the cell in hand holding
// what leaving it would store of its text, and the status box's text.
BoardState seenBoard(const WindowState& state);

// Stores what a cell shows in the record: its notes as the candidate list,
// else its text by the typing rule (storeCellText). True when it changed.
bool storeSeenCell(PuzzleRecord& record, int cell, const SeenCell& seen);
// Shows a cell by the display rules, or its single candidate as a note when
// `singleNote` says the player made it one.
void showSeenCell(Desktop& desktop, const PuzzleRecord& record, int cell, bool singleNote);
// An edit made inside the cell in hand (a note, a value that cleared notes
// around it) becomes a step at once, and ends the hint.
void followPlayerEdit(Desktop& desktop, WindowState& state);

// A cell gaining and losing the focus; an edit that changed the board
// becomes a step of the history and clears the hinted cells.
void enterCell(Desktop& desktop, WindowState& state, int cellIndex);
void leaveCell(Desktop& desktop, WindowState& state, int cellIndex);

// Around every command and job notice `id`: an edit of the board (erase,
// show candidates, open answer, a solve) becomes a step, with what was typed
// into the cell in hand as a step of its own before it; any other command
// that changed the board, or the stage of hand-building, brought a new board
// and starts the history afresh, with no cell in hand. A save marks its place
// in the history. A command that changed the board clears the hinted cells.
// `busy`: a job runs, and the status box's text is the job's, which no place
// of the history takes.
struct BoardBeforeCommand {
    BoardState board;
    int handBuildStage = 0;
};
BoardBeforeCommand beginBoardCommand(Desktop& desktop, WindowState& state, int id, bool busy);
// Returns whether a new board came.
bool endBoardCommand(Desktop& desktop, WindowState& state, int id, const BoardBeforeCommand& before,
                     bool busy);

// 1140, 1141: the board as it was before the last step, or after the next
// one: values, candidates, fonts and colours, the modified flag, the status
// text shown with it, and the menu mode where the step changed it.
void undoStep(Desktop& desktop, WindowState& state);
void redoStep(Desktop& desktop, WindowState& state);

// "Undo" is enabled when there is a step to undo or a cell in hand (what is
// typed into it may be one), "Redo" when there is a step to redo; both are
// greyed while a job runs.
void showHistoryItems(Desktop& desktop, const WindowState& state, bool busy);

}  // namespace ga
