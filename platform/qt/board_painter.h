// The board's picture drawn by Qt: one painting for the printer, a PDF page
// and a PNG image. The grid has thin cell lines and bold box lines, the clues
// are bold black, the player's values regular blue and candidate lists small
// grey pencil marks; the heading stands above the grid.
#pragma once

#include <QRect>
#include <QRectF>
#include <QString>

#include "platform/picture.h"

class QPainter;
class QWidget;

namespace ga {

// Paints the heading and, below it, the grid as large as `area` allows,
// centred across it and at its top.
void paintBoardPicture(QPainter& painter, const QRectF& area, const BoardPicture& picture);

// Where paintBoardPicture puts the grid in `area`.
QRectF boardPictureGrid(const QRectF& area, const BoardPicture& picture);

// Candidate digits as pencil marks in the painter's pen: digit v at place v
// of a 3x3 block filling `area`, counted row by row, so that all nine fit.
void paintPencilMarks(QPainter& painter, const QRect& area, const QString& digits);

// The print dialog over `owner`, then the picture on one page. A print to a
// file proposes "gridAtelier.pdf" in `fileFolder`; `printedFile` is the file
// printed to, empty when the page went to a printer.
PrintOutcome printBoardPicture(const BoardPicture& picture, QWidget* owner,
                               const QString& fileFolder, QString& printedFile);

// A PDF page (A4, fitting Letter as well) for a path ending in ".pdf", a PNG
// image otherwise. False when the file could not be written.
bool writeBoardPicture(const BoardPicture& picture, const QString& path);

// A booklet: every page on the booklet's paper, each picture painted as
// paintBoardPicture paints it in its place, and the page number at its foot.
// The print dialog proposes "gridAtelier puzzles.pdf" in `fileFolder`, as
// printBoardPicture does.
PrintOutcome printBooklet(const Booklet& booklet, QWidget* owner, const QString& fileFolder,
                          QString& printedFile);
// The booklet as a PDF file. False when it could not be written.
bool writeBookletPdf(const Booklet& booklet, const QString& path);

}  // namespace ga
