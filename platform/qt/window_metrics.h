// Sizes the window takes from its fonts. The window is laid out in dialog
// units of "Arial" 9 pt: a horizontal unit is a quarter of the font's average
// character width, a vertical one an eighth of its height, so the board keeps
// its proportions whatever the screen's resolution.
#pragma once

#include <QFont>
#include <QSize>

namespace ga {

// The window's client area: 240 x 270 dialog units.
QSize clientSizeInPixels();

// The size of `units` dialog units of `font`, rounded to the nearest pixel.
QSize dialogUnitsToPixels(QSize units, const QFont& font);

// "Arial" whose line (ascent plus descent) is `lineHeight` pixels high or, when
// no size gives exactly that, the largest that stays within it: a font asked
// for by its cell height rather than by its em size.
QFont arialOfLineHeight(int lineHeight);

}  // namespace ga
