#include "platform/qt/board_painter.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_text.h"
#include "platform/qt/window_metrics.h"

namespace ga {

namespace {

// The heading's band above the grid, as a share of the grid's side, and the
// share of the grid's width the heading may take.
constexpr qreal kHeadingShare = kPictureHeadingShare;
constexpr qreal kHeadingWidthShare = 0.96;
const QColor kInk(0, 0, 0);
const QColor kValueInk(30, 70, 170);
const QColor kCandidateInk(110, 110, 110);
// A PNG image: a grid of this many pixels with this margin all round.
constexpr int kImageGridSide = 900;
constexpr int kImageMargin = 45;
constexpr qreal kPageMarginMillimetres = 15;
constexpr int kPdfResolution = 300;

QFont arialOfPixels(qreal pixels, QFont::Weight weight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setWeight(weight);
    return font;
}

void drawLines(QPainter& painter, const QRectF& grid, int step, qreal width) {
    QPen pen(kInk, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    for (int line = 0; line <= 9; line += step) {
        const qreal x = grid.left() + grid.width() * line / 9;
        const qreal y = grid.top() + grid.height() * line / 9;
        painter.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
}

void paintCell(QPainter& painter, const QRectF& cell, const BoardPicture::Cell& shown) {
    using Mark = BoardPicture::Mark;
    const QString digits = toQt(shown.digits);
    switch (shown.mark) {
        case Mark::kEmpty:
            return;
        case Mark::kCandidates:
            // Over the whole cell, as the board's cells draw them.
            painter.setPen(kCandidateInk);
            paintPencilMarks(painter, cell.toRect(), digits);
            return;
        case Mark::kClue:
        case Mark::kValue: {
            const bool clue = shown.mark == Mark::kClue;
            painter.setFont(
                arialOfPixels(cell.height() * 0.62, clue ? QFont::Bold : QFont::Normal));
            painter.setPen(clue ? kInk : kValueInk);
            painter.drawText(cell, Qt::AlignCenter, digits);
            return;
        }
    }
}

// One page of the device's paintable area, which the painter's origin starts.
bool paintPage(QPagedPaintDevice& device, const BoardPicture& picture) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintBoardPicture(painter, QRectF(0, 0, device.width(), device.height()), picture);
    return painter.end();
}

bool writePdf(const BoardPicture& picture, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                    kPageMarginMillimetres, kPageMarginMillimetres),
                          QPageLayout::Millimeter);
    writer.setResolution(kPdfResolution);
    writer.setTitle(toQt(picture.heading));
    writer.setCreator(QStringLiteral("gridAtelier"));
    return paintPage(writer, picture);
}

bool writePng(const BoardPicture& picture, const QString& path) {
    const int width = kImageGridSide + 2 * kImageMargin;
    const int height = qRound(kImageGridSide * (1 + kHeadingShare)) + 2 * kImageMargin;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintBoardPicture(
        painter,
        QRectF(image.rect())
            .marginsRemoved(QMarginsF(kImageMargin, kImageMargin, kImageMargin, kImageMargin)),
        picture);
    painter.end();
    return image.save(path, "PNG");
}

// The print dialog over `owner`; its print to a file proposes `proposedFile`.
// True when the player printed, with `printedFile` the file printed to (empty
// for a printer).
bool askToPrint(QPrinter& printer, QWidget* owner, const QString& proposedFile,
                QString& printedFile) {
    // Naming a PDF file makes printing to it the dialog's first choice; a
    // printer, where there is one, stays first, and the file stays proposed.
    const QPrinter::OutputFormat format = printer.outputFormat();
    printer.setOutputFileName(proposedFile);
    printer.setOutputFormat(format);
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat) printedFile = printer.outputFileName();
    return true;
}

QPageSize bookletPageSize(const Booklet& booklet) {
    return QPageSize(QSizeF(booklet.paperWidth, booklet.paperHeight), QPageSize::Millimeter);
}

// Every page of the booklet on a device whose paintable area is the whole
// sheet; a sheet other than the booklet's takes it scaled to fit.
bool paintBooklet(QPagedPaintDevice& device, const Booklet& booklet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const qreal perMillimetre =
        std::min(device.width() / booklet.paperWidth, device.height() / booklet.paperHeight);
    const auto place = [perMillimetre](const PaperRect& r) {
        return QRectF(r.left * perMillimetre, r.top * perMillimetre, r.width * perMillimetre,
                      r.height * perMillimetre);
    };
    bool paged = true;
    for (size_t p = 0; p < booklet.pages.size(); ++p) {
        const PrintedPage& page = booklet.pages[p];
        if (p > 0 && !(paged = device.newPage())) break;
        for (const PlacedPicture& placed : page.pictures)
            paintBoardPicture(painter, place(placed.area), placed.picture);
        const QRectF footer = place(page.footerArea);
        painter.setFont(arialOfPixels(footer.height() * 0.6, QFont::Normal));
        painter.setPen(kCandidateInk);
        painter.drawText(footer, Qt::AlignCenter, toQt(page.footer));
    }
    return painter.end() && paged;
}

}  // namespace

QRectF boardPictureGrid(const QRectF& area, const BoardPicture& picture) {
    // The numbers take a margin of a third of a cell left of the grid and above it.
    const qreal margin = picture.coordinates ? 1.0 / 27 : 0;
    const qreal side =
        std::min(area.width() / (1 + margin), area.height() / (1 + kHeadingShare + margin));
    const qreal numbers = side * margin;
    return QRectF(area.left() + (area.width() - side + numbers) / 2,
                  area.top() + side * kHeadingShare + numbers, side, side);
}

void paintBoardPicture(QPainter& painter, const QRectF& area, const BoardPicture& picture) {
    const QRectF grid = boardPictureGrid(area, picture);
    const qreal side = grid.width();
    const qreal band = side * kHeadingShare;
    const qreal numbers = picture.coordinates ? side / 27 : 0;

    // A long class name with all five parts of a serial number is made
    // smaller to fit, rather than cut at the grid's edges.
    const QString text = toQt(picture.heading);
    QFont font = arialOfPixels(band * 0.45, QFont::DemiBold);
    const qreal width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    if (width > side * kHeadingWidthShare)
        font = arialOfPixels(std::floor(font.pixelSize() * side * kHeadingWidthShare / width),
                             QFont::DemiBold);
    painter.setFont(font);
    painter.setPen(kInk);
    const QRectF heading(grid.left(), area.top(), side, band * 0.8);
    painter.drawText(heading, Qt::AlignHCenter | Qt::AlignBottom, text);

    for (int cell = 0; cell < kCells; ++cell) {
        const QRectF place(grid.left() + side * columnOf(cell) / 9,
                           grid.top() + side * rowOf(cell) / 9, side / 9, side / 9);
        paintCell(painter, place, picture.cells[cell]);
    }
    if (picture.coordinates) {
        painter.setFont(arialOfPixels(numbers * 0.8, QFont::Normal));
        painter.setPen(kCandidateInk);
        for (int i = 0; i < 9; ++i) {
            const QString number = QString::number(i + 1);
            painter.drawText(
                QRectF(grid.left() - numbers, grid.top() + side * i / 9, numbers, side / 9),
                Qt::AlignCenter, number);
            painter.drawText(
                QRectF(grid.left() + side * i / 9, grid.top() - numbers, side / 9, numbers),
                Qt::AlignCenter, number);
        }
    }
    drawLines(painter, grid, 1, std::max<qreal>(1, side / 600));
    drawLines(painter, grid, 3, std::max<qreal>(3, side / 150));
}

void paintPencilMarks(QPainter& painter, const QRect& area, const QString& digits) {
    const int placeWidth = area.width() / 3;
    const int placeHeight = area.height() / 3;
    painter.setFont(arialOfLineHeight(placeHeight));
    for (QChar c : digits) {
        const int place = c.digitValue() - 1;  // a 0 is no value and has no place
        if (place < 0) continue;
        const QRect box(
            area.left() + (area.width() - 3 * placeWidth) / 2 + place % 3 * placeWidth,
            area.top() + (area.height() - 3 * placeHeight) / 2 + place / 3 * placeHeight,
            placeWidth, placeHeight);
        painter.drawText(box, Qt::AlignCenter, QString(c));
    }
}

PrintOutcome printBoardPicture(const BoardPicture& picture, QWidget* owner,
                               const QString& fileFolder, QString& printedFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("gridAtelier"));
    printer.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                     kPageMarginMillimetres, kPageMarginMillimetres),
                           QPageLayout::Millimeter);
    if (!askToPrint(printer, owner, fileFolder + QStringLiteral("gridAtelier.pdf"), printedFile))
        return PrintOutcome::kCancelled;
    return paintPage(printer, picture) ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
}

PrintOutcome printBooklet(const Booklet& booklet, QWidget* owner, const QString& fileFolder,
                          QString& printedFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQt(booklet.title));
    printer.setPageSize(bookletPageSize(booklet));
    // The booklet leaves its own margins: the painter starts at the paper's corner.
    printer.setFullPage(true);
    if (!askToPrint(printer, owner, fileFolder + QStringLiteral("gridAtelier puzzles.pdf"),
                    printedFile))
        return PrintOutcome::kCancelled;
    return paintBooklet(printer, booklet) ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
}

bool writeBookletPdf(const Booklet& booklet, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(bookletPageSize(booklet));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(kPdfResolution);
    writer.setTitle(toQt(booklet.title));
    writer.setCreator(QStringLiteral("gridAtelier"));
    return paintBooklet(writer, booklet);
}

bool writeBoardPicture(const BoardPicture& picture, const QString& path) {
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return writePdf(picture, path);
    return writePng(picture, path);
}

}  // namespace ga
