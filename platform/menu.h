// The main window's menu and accelerator keys as the logic describes them to
// the desktop, once, while it sets itself up (Desktop::setMenu).
//
// An item's text carries its key hint after a tab ("Save Puzzle\tCtrl + S");
// "&" in a popup title marks its mnemonic letter. Keys act through the menu:
// the desktop drops an accelerator whose item is greyed.
#pragma once

#include <string>
#include <vector>

namespace ga {

// Modifier bits of a key press as the desktop reports them.
enum KeyModifier : unsigned {
    kModifierCtrl = 1,
    kModifierShift = 2,
    kModifierAlt = 4,
    kModifierMeta = 8,
};

// The keys that have no character of their own.
constexpr char kKeyF1 = '\x01';
constexpr char kKeyEscape = '\x1b';

struct Accelerator {
    char key;            // '0'..'9', 'A'..'Z', kKeyF1 or kKeyEscape
    unsigned modifiers;  // KeyModifier bits, all of which must be held, and no other
    int command;
};

enum class MenuEntryKind { kItem, kSeparator, kSubPopup };

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::kItem;
    int command = 0;                 // kItem: the command it sends
    std::string text;                // kItem: text and hint; kSubPopup: its title
    bool checkable = false;          // kItem: carries a check mark, checked or not
    std::vector<MenuEntry> entries;  // kSubPopup only
};

struct MenuPopup {
    std::string title;
    std::vector<MenuEntry> entries;
};

struct MenuDescription {
    std::vector<MenuPopup> popups;  // left to right
    std::vector<Accelerator> accelerators;
};

// The command of a key press, or 0 when no accelerator matches. A match needs
// exactly the accelerator's modifiers, so Ctrl+Shift+U is not Ctrl+U.
// Lower-case letters count as their upper-case key.
inline int acceleratorCommand(const std::vector<Accelerator>& accelerators, char key,
                              unsigned modifiers) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    for (const Accelerator& accelerator : accelerators) {
        if (accelerator.key == key && accelerator.modifiers == modifiers)
            return accelerator.command;
    }
    return 0;
}

}  // namespace ga
