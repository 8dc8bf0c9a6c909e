// Ctrl+letter and Ctrl+digit presses as the menu's accelerator table sees them.
#pragma once

#include <vector>

#include "platform/menu.h"

class QKeyEvent;

namespace ga {

// The command of the accelerator a key press (or its shortcut-override
// announcement) matches, or 0. Only the main keyboard's letters and digits
// count: a keypad digit is a key of its own, as it is to the accelerator table.
int acceleratorOfKeyEvent(const std::vector<Accelerator>& accelerators, const QKeyEvent& event);

}  // namespace ga
