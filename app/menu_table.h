// The main window's menu and accelerator keys as data, so the desktop builds
// them from one place and the tests can read what the player sees.
//
// An item's text carries its key hint after a tab ("Save Puzzle\tCtrl + S");
// "&" in a popup title marks its mnemonic letter. Every accelerator is a
// letter or digit with Ctrl and no other modifier. Keys act through the menu:
// the desktop must drop an accelerator whose item is greyed.
#pragma once

#include <vector>

namespace ga {

template <typename T>
struct TableView {
    const T* first = nullptr;
    int count = 0;

    const T* begin() const { return first; }
    const T* end() const { return first + count; }
    const T& operator[](int i) const { return first[i]; }
};

enum class MenuEntryKind { kItem, kSeparator, kSubPopup };

struct MenuEntry {
    MenuEntryKind kind;
    int command;                      // kItem: the command it sends; 0 otherwise
    const char* text;                 // kItem: text and hint; kSubPopup: its title; "" otherwise
    TableView<MenuEntry> subEntries;  // kSubPopup only
};

struct MenuPopup {
    const char* title;
    TableView<MenuEntry> entries;
};

// The popups of the menu bar, left to right.
TableView<MenuPopup> menuPopups();

// Every command that has a menu item, in menu order.
std::vector<int> menuItemCommands();
bool hasMenuItem(int command);

struct Accelerator {
    char key;  // '0'..'9' or 'A'..'Z'
    int command;
};

TableView<Accelerator> accelerators();

// Modifier bits of a key press as the desktop reports them.
enum KeyModifier : unsigned {
    kModifierCtrl = 1,
    kModifierShift = 2,
    kModifierAlt = 4,
    kModifierMeta = 8,
};

// The command of a key press, or 0 when no accelerator matches. A match needs
// exactly Ctrl, so Ctrl+Shift+U is not Ctrl+U. Lower-case letters count as
// their upper-case key.
int acceleratorCommand(char key, unsigned modifiers);

}  // namespace ga
