// The main window's menu bar, built from the logic's description.
#pragma once

#include <map>

#include "platform/menu.h"

class QAction;
class QMenuBar;

namespace ga {

// Fills `bar` with the popups of `menu`. Every item's text keeps its key hint
// after the tab, which the menu shows in its shortcut column; the actions
// carry no shortcut of their own (the window translates the keys). Returns
// the items by command.
std::map<int, QAction*> buildMenuBar(QMenuBar& bar, const MenuDescription& menu);

}  // namespace ga
