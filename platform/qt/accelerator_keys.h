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

// The digit 1..9 a Shift + digit key press means as a note, by the key's
// place on the keyboard (main row or keypad) whatever the layout prints on it;
// 0 when the press is none. Without a key code from the platform (0, as
// offscreen), the key itself tells: a digit, a US shifted digit symbol, or a
// keypad key.
int noteDigitOfKeyEvent(const QKeyEvent& event);

}  // namespace ga
