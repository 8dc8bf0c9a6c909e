// The main window's menu bar, built from the menu table.
#pragma once

#include <map>

class QAction;
class QMenuBar;

namespace ga {

// Fills `bar` with the popups of the menu table. Every item's text keeps its
// key hint after the tab, which the menu shows in its shortcut column; the
// actions carry no shortcut of their own (the window translates the keys).
// Returns the items by command.
std::map<int, QAction*> buildMenuBar(QMenuBar& bar);

}  // namespace ga
