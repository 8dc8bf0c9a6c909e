// A ladder step's drawing painted over cells, wherever they are: over the
// window's cells or over a picture of a board in Help. Tints go under the
// cells' looks; a drawn cell is painted anew with its candidates, the ones
// the step rests on highlighted, the ones it removes struck through in red
// and a placed value in green; a chain's nodes are ringed (on and off in two
// colours) and its links drawn as arrows, strong ones solid, weak ones dashed
// and those an inner chain gave dotted.
#pragma once

#include <QRectF>
#include <functional>

#include "platform/board_drawing.h"
#include "platform/theme_palette.h"

class QPainter;

namespace ga {

// Where a cell (0..80, row by row) is in the painter's coordinates.
using CellPlace = std::function<QRectF(int cell)>;

// In the look's inks; Help's example boards, pictures on paper, take Light's.
void paintStepDrawing(QPainter& painter, const CellPlace& place, const BoardDrawing& drawing,
                      const ThemePalette::Step& inks);

}  // namespace ga
