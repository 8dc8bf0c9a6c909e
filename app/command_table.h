// Every command of the main window in one table: a row per command with its
// menu item and key, its cells of the menu-pattern table, whether it is
// refused while a job runs, the maker of the job it starts, and its handler.
// The menu and its keys, the menu patterns, the busy menu and the routing of
// commands are all read from the rows, so a new command is one row, and a
// handler only when it does more than call one function: the row can name
// that function, given the parts of the context it asks for.
#pragma once

#include <string>
#include <vector>

#include "app/jobs.h"
#include "platform/desktop.h"
#include "platform/menu.h"

namespace ga {

struct Settings;
struct WindowState;

// What a handler works on.
struct CommandContext {
    Desktop& desktop;
    WindowState& state;
    Settings& defaults;
    JobControl& jobs;
    WindowEvents& window;  // for the close flow
};

using CommandHandler = void (*)(CommandContext& context, int id);

// The popup a command's item sits in; the level popup sits in the puzzle popup.
enum class MenuPlace : char {
    kNone,
    kFile,
    kRecent,
    kEdit,
    kMarks,
    kPuzzle,
    kLevel,
    kByLevel,  // New Puzzle by Level, in the puzzle popup
    kSolve,
    kExpress,
    kOption
};

// A cell of the menu-pattern table: what the pattern does to the item.
enum class PatternRule : char {
    kUntouched,  // left as the previous call left it
    kEnable,
    kGrey,
    kByAnswer,  // enabled only when the puzzle's answer is known
};

// A row's cells of the pattern table, for menu modes 0, 1 and 4, 2, 8, 16, 32.
constexpr int kPatternColumns = 6;
struct PatternCells {
    PatternRule cell[kPatternColumns];
};

struct CommandRow {
    int id;
    MenuPlace place;       // kNone: no menu item
    bool separatorBefore;  // in its popup
    const char* text;      // the item's text, or with a key its text before the hint
    char key;              // Ctrl+key accelerator ('0'..'9', 'A'..'Z'), 0 for none
    bool shift;            // the key is Ctrl+Shift+key
    bool checkable;        // a level or express-mode item
    PatternCells pattern;
    bool refusedWhileBusy;  // greyed while a job runs; only "About" stays
    JobMaker job;           // makes the job the command starts (whose notice it is too)
    CommandHandler handler;
};

struct CommandRows {
    const CommandRow* first;
    int count;
    const CommandRow* begin() const { return first; }
    const CommandRow* end() const { return first + count; }
};

// A second key of a command that has one besides its row's.
struct ExtraKey {
    char key;
    unsigned modifiers;  // KeyModifier bits
    int command;
};

// The rows in menu order, commands without an item last.
CommandRows commandRows();
// The row of `id`, or nullptr.
const CommandRow* commandRow(int id);

// The menu bar and its keys, as the desktop is asked to build them.
MenuDescription mainMenu();
// Every command that has a menu item, in menu order.
std::vector<int> menuItemCommands();

// A key and what it does, for Help: every menu item's key in menu order,
// then the second keys.
struct KeyHelp {
    std::string keys;  // "Ctrl + Shift + C"
    std::string what;  // "Copy Puzzle"
};
std::vector<KeyHelp> commandKeys();

// Whether `id` can be a job's completion notice.
bool isJobNotice(int id);

}  // namespace ga
