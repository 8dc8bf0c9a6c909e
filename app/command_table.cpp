#include "app/command_table.h"

#include <string>

#include "app/board_jobs.h"
#include "app/booklet_commands.h"
#include "app/command_ids.h"
#include "app/dialog_commands.h"
#include "app/file_commands.h"
#include "app/hand_build.h"
#include "app/ladder_commands.h"
#include "app/order_commands.h"
#include "app/picture_commands.h"
#include "app/play_commands.h"
#include "app/player_commands.h"
#include "app/puzzle_text_commands.h"
#include "app/window_commands.h"
#include "core/difficulty_class.h"
#include "core/translation.h"
#include "ui/about_dialog.h"
#include "ui/exit_dialog.h"

namespace ga {

namespace {

// --- handlers --------------------------------------------------------------------

// What a function named by a row is given: each parameter the part of the
// context its type names (the defaults as Settings&), an int the command's id.
struct ContextParts {
    CommandContext& c;
    int id;
    operator Desktop&() const { return c.desktop; }
    operator WindowState&() const { return c.state; }
    operator Settings&() const { return c.defaults; }
    operator JobControl&() const { return c.jobs; }
    operator int() const { return id; }
};

template <class R, class... Parts>
R callWith(R (*f)(Parts...), CommandContext& c, int id) {
    return f(static_cast<Parts>(ContextParts{c, id})...);
}
template <class R, class... Parts>
R callWith(R (JobControl::*f)(Parts...), CommandContext& c, int id) {
    return (c.jobs.*f)(static_cast<Parts>(ContextParts{c, id})...);
}

// The handler of a command that is one call of `F`.
template <auto F>
void call(CommandContext& c, int id) {
    callWith(F, c, id);
}

// The handler of a command whose job starts once `Ask` (a question or a
// dialog) says yes.
template <auto Ask>
void startAfter(CommandContext& c, int id) {
    if (callWith(Ask, c, id)) c.jobs.startJob(c.desktop, c.state, id);
}

void exitProgram(CommandContext& c, int) {
    // Either the exit question or the save question (which confirmSave asks
    // of a modified puzzle), never both.
    const Settings& current = c.state.settings;
    if (current.modified == 0 || current.neverConfirmSave != 0) {
        if (runExitDialog(c.desktop) != kDialogOkay) return;
    } else if (!confirmSave(c.desktop, c.state, c.defaults)) {
        return;
    }
    c.state.settings.modified = 0;
    c.window.onCloseRequest();
}

void cancelProgram(CommandContext& c, int) {
    if (!confirmSave(c.desktop, c.state, c.defaults)) return;
    c.state.settings.modified = 0;
    c.window.onCloseRequest();
}

void practice(CommandContext& c, int id) {
    if (choosePractice(c.desktop, c.state) && confirmSave(c.desktop, c.state, c.defaults))
        c.jobs.startJob(c.desktop, c.state, id);
}
void expressMode(CommandContext& c, int id) {
    chooseExpressMode(c.desktop, c.state, id - kCommandFirstExpressMode);
}
void level(CommandContext& c, int id) {
    chooseLevel(c.desktop, c.state, id - kCommandFirstLevel);
}
void colourMark(CommandContext& c, int id) {
    markCellInHand(c.desktop, c.state, static_cast<CellMark>(id - kCommandFirstColourMark + 1));
}
void clearCellMark(CommandContext& c, int) {
    markCellInHand(c.desktop, c.state, CellMark::kNone);
}
void help(CommandContext& c, int) {
    openHelp(c.desktop, c.state, Technique::kNone);
}
void techniqueHelp(CommandContext& c, int) {
    openHelp(c.desktop, c.state, hintTechnique(c.state));
}
void recentPuzzle(CommandContext& c, int id) {
    openRecentPuzzle(c.desktop, c.state, c.defaults, c.jobs, id - kCommandFirstRecentPuzzle);
}
void digitButton(CommandContext& c, int id) {
    chooseDigit(c.desktop, c.state, id - kFirstDigitButtonId + 1,
                c.state.player.preferences.clearNotesOnPlacement);
}

// --- the table ---------------------------------------------------------------------

using P = MenuPlace;
constexpr PatternRule E = PatternRule::kEnable;
constexpr PatternRule G = PatternRule::kGrey;
constexpr PatternRule A = PatternRule::kByAnswer;
constexpr PatternRule U = PatternRule::kUntouched;
constexpr bool kSeparator = true;
constexpr bool kBusyRefused = true;

// The commands that replace the puzzle or leave the board alone: open unless
// building by hand.
constexpr PatternCells kOutsideBuild = {E, E, U, U, G, U};
constexpr PatternCells kNoCells = {U, U, U, U, U, U};
// Undo and redo follow the board's history (showHistoryItems, after every command,
// cell event and notice); with no puzzle there is none.
constexpr PatternCells kByHistory = {G, U, U, U, U, U};
// No pattern enables Extra-terrestrial: a level of 7 only comes from the
// settings file.
constexpr PatternCells kNeverEnabled = {G, U, U, U, G, U};

constexpr CommandRow levelRow(int difficultyClass, bool separatorBefore) {
    return CommandRow{levelCommand(difficultyClass),
                      P::kLevel,
                      separatorBefore,
                      kClassNames[difficultyClass].menuName,
                      static_cast<char>('0' + difficultyClass),
                      false,
                      true,
                      difficultyClass == kHighestClass ? kNeverEnabled : kOutsideBuild,
                      kBusyRefused,
                      nullptr,
                      level};
}

constexpr CommandRow levelOrderRow(int level) {
    return CommandRow{kCommandFirstPuzzleByLevel + level,
                      P::kByLevel,
                      false,
                      kLevelNames[level],
                      0,
                      false,
                      false,
                      kOutsideBuild,
                      kBusyRefused,
                      prepareOrderJob,
                      startAfter<confirmSave>};
}

// The recent items: their texts are the files' paths, set as the list
// changes, and they are greyed and shown by it (showRecentPuzzles).
constexpr const char* kRecentItemTexts[kRecentPuzzleItems] = {
    "Recent Puzzle 1", "Recent Puzzle 2", "Recent Puzzle 3", "Recent Puzzle 4",
    "Recent Puzzle 5", "Recent Puzzle 6", "Recent Puzzle 7", "Recent Puzzle 8"};
constexpr CommandRow recentRow(int index) {
    return CommandRow{kCommandFirstRecentPuzzle + index,
                      P::kRecent,
                      false,
                      kRecentItemTexts[index],
                      0,
                      false,
                      false,
                      kNoCells,
                      kBusyRefused,
                      nullptr,
                      recentPuzzle};
}

constexpr CommandRow digitRow(int digit) {
    return CommandRow{digitButtonId(digit), P::kNone, false,      "", 0, false, false, kNoCells,
                      kBusyRefused,         nullptr,  digitButton};
}

// clang-format off
constexpr CommandRow kRows[] = {
//   id                         place       separator   text                                 key    shift  check  patterns 0 1,4 2 8 16 32  busy           job                    handler
    {kCommandLoadPuzzle,        P::kFile,    false,      QT_TRANSLATE_NOOP("Menu", "Load Puzzle"),                       'L',   false, false, kOutsideBuild,              kBusyRefused,  nullptr,               call<loadPuzzle>},
    {kCommandSavePuzzle,        P::kFile,    false,      QT_TRANSLATE_NOOP("Menu", "Save Puzzle"),                       'S',   false, false, {G, E, G, U, G, U},         kBusyRefused,  nullptr,               call<savePuzzle>},
    recentRow(0), recentRow(1), recentRow(2), recentRow(3), recentRow(4), recentRow(5), recentRow(6), recentRow(7),
    {kCommandExit,              P::kFile,    kSeparator, QT_TRANSLATE_NOOP("Menu", "Exit"),                              'X',   false, false, kNoCells,                   kBusyRefused,  nullptr,               exitProgram},
    {kCommandUndo,              P::kEdit,    false,      QT_TRANSLATE_NOOP("Menu", "Undo"),                              'Z',   false, false, kByHistory,                 kBusyRefused,  nullptr,               call<undoStep>},
    {kCommandRedo,              P::kEdit,    false,      QT_TRANSLATE_NOOP("Menu", "Redo"),                              'Y',   false, false, kByHistory,                 kBusyRefused,  nullptr,               call<redoStep>},
    {kCommandCopyPuzzle,        P::kEdit,    kSeparator, QT_TRANSLATE_NOOP("Menu", "Copy Puzzle"),                       'C',   true,  false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               call<copyPuzzle>},
    {kCommandPastePuzzle,       P::kEdit,    false,      QT_TRANSLATE_NOOP("Menu", "Paste Puzzle"),                      'V',   true,  false, kOutsideBuild,              kBusyRefused,  preparePasteJob,       call<&JobControl::startJob>},
    {kCommandPrint,             P::kEdit,    kSeparator, QT_TRANSLATE_NOOP("Menu", "Print..."),                          'P',   true,  false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               call<printBoard>},
    {kCommandExportPicture,     P::kEdit,    false,      QT_TRANSLATE_NOOP("Menu", "Export Picture..."),                 0,     false, false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               call<exportBoardPicture>},
    // New puzzles to paper: the board is left alone.
    {kCommandPrintPuzzles,      P::kEdit,    false,      QT_TRANSLATE_NOOP("Menu", "Print Puzzles..."),                  0,     false, false, kNoCells,                   kBusyRefused,  prepareBookletJob,     startAfter<chooseBooklet>},
    // The colour marks' keys are Alt + digit (kExtraKeys), named in the texts.
    {kCommandFirstColourMark,   P::kMarks,   false     , QT_TRANSLATE_NOOP("Menu", "Mark Cell Rose\tAlt + 1"),           0,    false, false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               colourMark},
    {kCommandFirstColourMark+1, P::kMarks,   false,      QT_TRANSLATE_NOOP("Menu", "Mark Cell Green\tAlt + 2"),          0,    false, false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               colourMark},
    {kCommandFirstColourMark+2, P::kMarks,   false,      QT_TRANSLATE_NOOP("Menu", "Mark Cell Orange\tAlt + 3"),         0,    false, false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               colourMark},
    {kCommandFirstColourMark+3, P::kMarks,   false,      QT_TRANSLATE_NOOP("Menu", "Mark Cell Lilac\tAlt + 4"),          0,    false, false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               colourMark},
    {kCommandClearCellMark,     P::kMarks,   false,      QT_TRANSLATE_NOOP("Menu", "Unmark Cell\tAlt + 0"),              0,    false, false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               clearCellMark},
    {kCommandClearColourMarks,  P::kMarks,   false,      QT_TRANSLATE_NOOP("Menu", "Clear Colour Marks"),                0,    false, false, {G, E, E, E, G, G},         kBusyRefused,  nullptr,               call<clearColourMarks>},
    {kCommandNewPuzzle,         P::kPuzzle,  false,      QT_TRANSLATE_NOOP("Menu", "New Puzzle"),                        'N',   false, false, kOutsideBuild,              kBusyRefused,  prepareNewPuzzleJob,   startAfter<confirmSave>},
    levelRow(0, false),
    levelRow(1, kSeparator),
    levelRow(2, false),
    levelRow(3, false),
    levelRow(4, false),
    levelRow(5, kSeparator),
    levelRow(6, false),
    levelRow(7, false),
    levelOrderRow(0), levelOrderRow(1), levelOrderRow(2), levelOrderRow(3), levelOrderRow(4),
    {kCommandPracticeTechnique, P::kPuzzle,  false,      QT_TRANSLATE_NOOP("Menu", "Practice a Technique..."),           0,    false, false, kOutsideBuild,              kBusyRefused,  prepareOrderJob,       practice},
    {kCommandHandBuildPuzzle,   P::kPuzzle,  kSeparator, QT_TRANSLATE_NOOP("Menu", "Hand-build Puzzle"),                 'H',   false, false, kOutsideBuild,              kBusyRefused,  nullptr,               call<startHandBuild>},
    // Recreating replaces the puzzle like "New Puzzle".
    {kCommandRecreatePuzzle,    P::kPuzzle,  false,      QT_TRANSLATE_NOOP("Menu", "Recreate from Serial Number..."),    0,    false, false, kOutsideBuild,              kBusyRefused,  nullptr,               call<recreateFromSerial>},
    {kCommandPause,             P::kPuzzle,  kSeparator, QT_TRANSLATE_NOOP("Menu", "Pause"),                             'T',   true,  true,  {G, E, E, G, G, G},         kBusyRefused,  nullptr,               call<togglePause>},
    {kCommandStatistics,        P::kPuzzle,  false,      QT_TRANSLATE_NOOP("Menu", "Statistics..."),                     0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               call<showStatistics>},
    {kCommandShowCandidates,    P::kSolve,   false,      QT_TRANSLATE_NOOP("Menu", "Show Candidates"),                   'C',   false, false, {G, E, U, G, E, E},         kBusyRefused,  nullptr,               call<showAllCandidates>},
    {kCommandFillInCandidates,  P::kSolve,   false,      QT_TRANSLATE_NOOP("Menu", "Fill In Candidates"),                'F',   true,  false, {G, E, E, G, G, G},         kBusyRefused,  nullptr,               call<fillInCandidates>},
    {kCommandPencilMarks,       P::kSolve,   kSeparator, QT_TRANSLATE_NOOP("Menu", "Pencil Marks"),                      'P',   false, false, {G, E, U, G, G, E},         kBusyRefused,  prepareSolveJob,       call<&JobControl::startJob>},
    {kCommandBacktracking,      P::kSolve,   false,      QT_TRANSLATE_NOOP("Menu", "Backtracking"),                      'B',   false, false, {G, E, U, G, G, E},         kBusyRefused,  prepareSolveJob,       call<&JobControl::startJob>},
    {kCommandCheckSolvable,     P::kSolve,   kSeparator, QT_TRANSLATE_NOOP("Menu", "Check Solvable"),                    'U',   false, false, {G, E, U, G, E, E},         kBusyRefused,  prepareCheckJob,       call<&JobControl::startJob>},
    // The hint names a key that has no accelerator; the item is menu-only.
    {kCommandCheckMultiple,     P::kSolve,   false,      QT_TRANSLATE_NOOP("Menu", "Check Multiple\tCtrl + Shift + U"),  0,    false, false, {G, E, U, G, E, E},         kBusyRefused,  prepareCheckJob,       call<&JobControl::startJob>},
    {kCommandOpenAnswer,        P::kSolve,   kSeparator, QT_TRANSLATE_NOOP("Menu", "Open Answer"),                       'O',   false, false, {G, A, U, G, G, U},         kBusyRefused,  nullptr,               call<openAnswer>},
    // The hint and its step look at the board being played; the rating at the
    // clues, which an opened answer leaves as they were.
    {kCommandHint,              P::kSolve,   kSeparator, QT_TRANSLATE_NOOP("Menu", "Hint"),                              'I',   false, false, {G, E, E, G, G, G},         kBusyRefused,  prepareLadderJob,      call<giveHint>},
    {kCommandApplyHint,         P::kSolve,   false,      QT_TRANSLATE_NOOP("Menu", "Apply Hint"),                        'I',   true,  false, {G, E, E, G, G, G},         kBusyRefused,  prepareLadderJob,      call<applyHint>},
    {kCommandRatePuzzle,        P::kSolve,   false,      QT_TRANSLATE_NOOP("Menu", "Rate Puzzle"),                       0,     false, false, {G, E, E, E, G, G},         kBusyRefused,  prepareLadderJob,      call<ratePuzzle>},
    {kCommandEraseSolving,      P::kExpress, false,      QT_TRANSLATE_NOOP("Menu", "Erase Solving And Candidates"),      'R',   false, false, {G, E, U, E, E, E},         kBusyRefused,  nullptr,               call<eraseSolving>},
    {kCommandNotExpressMistake, P::kExpress, kSeparator, QT_TRANSLATE_NOOP("Menu", "Not Express Mistake"),               'E',   false, true,   {G, E, U, G, G, U},         kBusyRefused,  nullptr,               expressMode},
    {kCommandVisibleMistake,    P::kExpress, false,      QT_TRANSLATE_NOOP("Menu", "Visible Mistake"),                   'V',   false, true,   {G, E, U, G, G, U},         kBusyRefused,  nullptr,               expressMode},
    {kCommandAbsoluteMistake,   P::kExpress, false,      QT_TRANSLATE_NOOP("Menu", "Absolute Mistake"),                  'A',   false, true,   {G, A, U, G, G, U},         kBusyRefused,  nullptr,               expressMode},
    {kCommandDefaultSettings,   P::kOption,  false,      QT_TRANSLATE_NOOP("Menu", "Default Settings"),                  'D',   false, false, kOutsideBuild,              kBusyRefused,  nullptr,               call<changeDefaultSettings>},
    // Recording regions leaves the board alone like "Default Settings".
    {kCommandRecordRegions,     P::kOption,  false,      QT_TRANSLATE_NOOP("Menu", "Record Regions of Multi Answer..."), 0,    false, false, kOutsideBuild,              kBusyRefused,  prepareRegionJob,      startAfter<chooseRegionRecording>},
    {kCommandPreferences,       P::kOption,  false,      QT_TRANSLATE_NOOP("Menu", "Preferences..."),                    0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               call<changePreferences>},
    // "About" is in no pattern and never greyed, not even while a job runs.
    {kCommandAbout,             P::kOption,  kSeparator, QT_TRANSLATE_NOOP("Menu", "About"),                             'T',   false, false, kNoCells,                   false,         nullptr,               call<runAboutDialog>},
    {kCommandHelp,              P::kOption,  false,      QT_TRANSLATE_NOOP("Menu", "Help\tF1"),                          0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               help},
    // Without a menu item: the dialog's cancel and the hand-build buttons.
    {kCommandTechniqueHelp,     P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               techniqueHelp},
    // Practising the same technique again, after a practice puzzle's finish.
    {kCommandPracticeAgain,     P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  prepareOrderJob,       startAfter<confirmSave>},
    // Escape or the button shown while a puzzle is made to order: it runs during the job.
    {kCommandStopMaking,        P::kNone,    false,      QT_TRANSLATE_NOOP("Menu", "Stop Making a Puzzle"),              0,    false, false, kNoCells,                   false,         nullptr,               call<&JobControl::stopMaking>},
    {kCommandOpenHandedFile,    P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               call<openHandedPuzzle>},
    // A collection's list rates its rows as it stands open; its finish box offers the next puzzle.
    {kCommandRateCollection,    P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  prepareCollectionJob,  call<&JobControl::startJob>},
    {kCommandNextInCollection,  P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               call<openNextInCollection>},
    {kCommandCancel,            P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               cancelProgram},
    {kButtonRegister,           P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               call<pressRegister>},
    {kButtonWithoutAnswer,      P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               call<pressWithoutAnswer>},
    {kButtonCancelHandBuild,    P::kNone,    false,      "",                                  0,    false, false, kNoCells,                   kBusyRefused,  nullptr,               call<pressCancelHandBuild>},
    digitRow(1), digitRow(2), digitRow(3), digitRow(4), digitRow(5), digitRow(6), digitRow(7), digitRow(8), digitRow(9),
};
// clang-format on

struct Popup {
    MenuPlace place;
    const char* title;
    MenuPlace parent;  // kNone: on the menu bar
};

constexpr Popup kPopups[] = {
    // clang-format off
    {P::kFile, QT_TRANSLATE_NOOP("Menu", "File(&F)"), P::kNone},
    {P::kRecent, QT_TRANSLATE_NOOP("Menu", "Recent Puzzles"), P::kFile},
    {P::kEdit, QT_TRANSLATE_NOOP("Menu", "Edit(&D)"), P::kNone},
    {P::kMarks, QT_TRANSLATE_NOOP("Menu", "Colour Marks"), P::kEdit},
    {P::kPuzzle, QT_TRANSLATE_NOOP("Menu", "Puzzle(&P)"), P::kNone},
    {P::kLevel, QT_TRANSLATE_NOOP("Menu", "-- Level Setting"), P::kPuzzle},
    {P::kByLevel, QT_TRANSLATE_NOOP("Menu", "New Puzzle by Level"), P::kPuzzle},
    {P::kSolve, QT_TRANSLATE_NOOP("Menu", "Solve(&S)"), P::kNone},
    {P::kExpress, QT_TRANSLATE_NOOP("Menu", "Express(&E)"), P::kNone},
    {P::kOption, QT_TRANSLATE_NOOP("Menu", "Option(&O)"), P::kNone},
    // clang-format on
};

// Redo answers Ctrl+Shift+Z as well, as many programs have it; the colour
// marks have only these.
constexpr ExtraKey kExtraKeys[] = {
    {'Z', kModifierCtrl | kModifierShift, kCommandRedo},
    {'1', kModifierAlt, kCommandFirstColourMark},
    {'2', kModifierAlt, kCommandFirstColourMark + 1},
    {'3', kModifierAlt, kCommandFirstColourMark + 2},
    {'4', kModifierAlt, kCommandFirstColourMark + 3},
    {'0', kModifierAlt, kCommandClearCellMark},
    {kKeyF1, 0, kCommandHelp},
    {kKeyEscape, 0, kCommandStopMaking},
};

std::string keyName(char key, unsigned modifiers) {
    std::string name;
    if (modifiers & kModifierCtrl) name += translate("Keys", "Ctrl + ");
    if (modifiers & kModifierShift) name += translate("Keys", "Shift + ");
    if (modifiers & kModifierAlt) name += translate("Keys", "Alt + ");
    if (key == kKeyF1) return name + "F1";
    if (key == kKeyEscape) return name + translate("Keys", "Escape");
    return name + std::string(1, key);
}

// The levels' rows are named by the class and level tables.
const char* textContext(const CommandRow& row) {
    if (row.place == P::kLevel) return "Class";
    if (row.place == P::kByLevel) return "Level";
    return "Menu";
}

// A row's own key text, "Ctrl + Shift + U", in the words keyName() uses.
std::string shownKeys(const std::string& keys) {
    std::string shown;
    size_t start = 0;
    while (start < keys.size()) {
        size_t end = keys.find(" + ", start);
        end = end == std::string::npos ? keys.size() : end + 3;
        const std::string word = keys.substr(start, end - start);
        if (word == "Ctrl + " || word == "Shift + " || word == "Alt + ")
            shown += translate("Keys", word.c_str());
        else
            shown += word;
        start = end;
    }
    return shown;
}

std::string itemText(const CommandRow& row) {
    std::string text = translate(textContext(row), row.text);
    const size_t tab = text.find('\t');
    if (tab != std::string::npos) text = text.substr(0, tab + 1) + shownKeys(text.substr(tab + 1));
    if (row.key != 0)
        text += "\t" + keyName(row.key, row.shift ? kModifierCtrl | kModifierShift : kModifierCtrl);
    return text;
}

// The entries of the popup at `place`, its sub-popups placed where their first
// item falls in the rows.
std::vector<MenuEntry> popupEntries(MenuPlace place) {
    std::vector<MenuEntry> entries;
    std::vector<MenuPlace> placedChildren;
    for (const CommandRow& row : kRows) {
        if (row.place == place) {
            if (row.separatorBefore)
                entries.push_back(MenuEntry{MenuEntryKind::kSeparator, 0, "", false, {}});
            entries.push_back(
                MenuEntry{MenuEntryKind::kItem, row.id, itemText(row), row.checkable, {}});
            continue;
        }
        for (const Popup& child : kPopups) {
            if (child.place != row.place || child.parent != place) continue;
            bool placed = false;
            for (MenuPlace done : placedChildren) placed = placed || done == child.place;
            if (placed) continue;
            placedChildren.push_back(child.place);
            entries.push_back(MenuEntry{MenuEntryKind::kSubPopup, 0, translate("Menu", child.title),
                                        false, popupEntries(child.place)});
        }
    }
    return entries;
}

}  // namespace

CommandRows commandRows() {
    return CommandRows{kRows, static_cast<int>(sizeof kRows / sizeof kRows[0])};
}

const CommandRow* commandRow(int id) {
    for (const CommandRow& row : kRows) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

MenuDescription mainMenu() {
    MenuDescription menu;
    for (const Popup& popup : kPopups) {
        if (popup.parent == P::kNone)
            menu.popups.push_back(
                MenuPopup{translate("Menu", popup.title), popupEntries(popup.place)});
    }
    for (const CommandRow& row : kRows) {
        if (row.key == 0) continue;
        const unsigned modifiers = row.shift ? kModifierCtrl | kModifierShift : kModifierCtrl;
        menu.accelerators.push_back(Accelerator{row.key, modifiers, row.id});
    }
    for (const ExtraKey& extra : kExtraKeys)
        menu.accelerators.push_back(Accelerator{extra.key, extra.modifiers, extra.command});
    return menu;
}

std::vector<int> menuItemCommands() {
    std::vector<int> commands;
    for (const CommandRow& row : kRows) {
        if (row.place != P::kNone) commands.push_back(row.id);
    }
    return commands;
}

std::vector<KeyHelp> commandKeys() {
    std::vector<KeyHelp> keys;
    std::vector<std::string> named;
    for (const CommandRow& row : kRows) {
        const std::string text = itemText(row);
        const size_t tab = text.find('\t');
        if (row.place == P::kNone || tab == std::string::npos) continue;
        std::string what = text.substr(0, tab);
        if (what.size() > 3 && what.compare(what.size() - 3, 3, "...") == 0)
            what.resize(what.size() - 3);
        keys.push_back(KeyHelp{text.substr(tab + 1), what});
        named.push_back(keys.back().keys);
    }
    for (const ExtraKey& extra : kExtraKeys) {
        const std::string name = keyName(extra.key, extra.modifiers);
        bool known = false;
        for (const std::string& done : named) known = known || done == name;
        const CommandRow* row = commandRow(extra.command);
        if (known || row == nullptr) continue;
        std::string what = itemText(*row);
        what = what.substr(0, what.find('\t'));
        keys.push_back(KeyHelp{name, what});
    }
    return keys;
}

bool isJobNotice(int id) {
    const CommandRow* row = commandRow(id);
    return row != nullptr && row->job != nullptr;
}

}  // namespace ga
