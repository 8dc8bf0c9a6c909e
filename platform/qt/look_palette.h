// The application's colours in a look: every window the program opens (the
// main window's frame and menus, dialogs, message boxes, the hint panel,
// Help) takes them from the application, so one palette themes them all.
// Light keeps the desktop's own palette untouched.
#pragma once

#include <QPalette>
#include <QString>

#include "platform/theme_palette.h"

namespace ga {

// The look's palette; `desktop` itself for a look that keeps the desktop's
// colours.
QPalette lookPalette(const ThemePalette& look, const QPalette& desktop);

// What a palette cannot say, as a style sheet for one window: the borders of
// its menus, buttons, fields, lists and check boxes, which a style draws in
// a shade of the window's ground that a dark ground hides, drawn in the
// look's frame colour. Empty for a look that keeps the desktop's colours.
QString lookStyleSheet(const ThemePalette& look);

}  // namespace ga
