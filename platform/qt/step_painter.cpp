#include "platform/qt/step_painter.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace ga {

namespace {

using Tint = BoardDrawing::Tint;
using Link = BoardDrawing::Link;

using Inks = ThemePalette::Step;

QColor toColour(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// The tints are weak enough that the digits under them keep their contrast.
QColor tintColour(const Inks& inks, Tint tint) {
    if (tint == Tint::kNone) return Qt::transparent;
    const Rgba& shade = inks.tints[static_cast<int>(tint) - 1];
    return QColor(shade.red, shade.green, shade.blue, shade.alpha);
}

// Where value 1..9 sits in a cell: its place of a 3x3 block, row by row.
QRectF placeOf(const QRectF& cell, int value) {
    const qreal w = cell.width() / 3, h = cell.height() / 3;
    return QRectF(cell.left() + (value - 1) % 3 * w, cell.top() + (value - 1) / 3 * h, w, h);
}

QFont arialOfPixels(qreal pixels, QFont::Weight weight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setWeight(weight);
    return font;
}

void paintCandidates(QPainter& painter, const QRectF& cell, const BoardDrawing::Cell& shown,
                     const Inks& inks) {
    const QFont plain = arialOfPixels(cell.height() / 3 * 0.8, QFont::Normal);
    const QFont marked = arialOfPixels(cell.height() / 3 * 0.85, QFont::Bold);
    for (int value = 1; value <= 9; ++value) {
        const uint16_t bit = static_cast<uint16_t>(1u << (value - 1));
        if (!(shown.candidates & bit)) continue;
        const QRectF box = placeOf(cell, value);
        QColor ink = toColour(inks.candidate);
        bool stands = true;  // neither marked nor removed
        for (int set = 0; set < BoardDrawing::kSetColours; ++set) {
            if (!(shown.pattern[set] & bit)) continue;
            painter.setPen(Qt::NoPen);
            painter.setBrush(toColour(inks.discs[set]));
            const qreal r = std::min(box.width(), box.height()) * 0.45;
            painter.drawEllipse(box.center(), r, r);
            ink = toColour(inks.marked);
            stands = false;
        }
        if (shown.removed & bit) {
            ink = toColour(inks.removed);
            stands = false;
        }
        painter.setFont(stands ? plain : marked);
        painter.setPen(ink);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(box, Qt::AlignCenter, QString::number(value));
        if (shown.removed & bit) {
            painter.setPen(QPen(ink, std::max<qreal>(1, cell.width() / 32)));
            painter.drawLine(
                QPointF(box.left() + box.width() * 0.15, box.bottom() - box.height() * 0.2),
                QPointF(box.right() - box.width() * 0.15, box.top() + box.height() * 0.2));
        }
    }
}

void paintCell(QPainter& painter, const QRectF& cell, const BoardDrawing::Cell& shown,
               const Inks& inks) {
    if (shown.drawn) painter.fillRect(cell.adjusted(1, 1, -1, -1), toColour(inks.ground));
    if (shown.tint != Tint::kNone && (shown.drawn || !inks.tintsUnderText))
        painter.fillRect(cell.adjusted(1, 1, -1, -1), tintColour(inks, shown.tint));
    if (!shown.drawn) return;
    if (shown.placed != 0) {
        painter.setFont(arialOfPixels(cell.height() * 0.62, QFont::Bold));
        painter.setPen(toColour(inks.placed));
        painter.drawText(cell, Qt::AlignCenter, QString::number(shown.placed));
        return;
    }
    paintCandidates(painter, cell, shown, inks);
}

// The ring's shape: around the value's place in one cell, or around the
// places of all its cells.
QRectF ringBox(const CellPlace& place, const BoardDrawing::Ring& ring) {
    QRectF box;
    for (int i = 0; i < ring.cellCount; ++i) {
        const QRectF at = placeOf(place(ring.cells[i]), ring.value);
        box = i == 0 ? at : box.united(at);
    }
    return box;
}

// Where a line from the box's centre towards `towards` leaves the ellipse in it.
QPointF rim(const QRectF& box, QPointF towards) {
    const QPointF c = box.center();
    const qreal dx = towards.x() - c.x(), dy = towards.y() - c.y();
    const qreal a = box.width() / 2, b = box.height() / 2;
    const qreal length = std::sqrt(dx * dx / (a * a) + dy * dy / (b * b));
    if (length <= 0) return c;
    return QPointF(c.x() + dx / length, c.y() + dy / length);
}

void paintArrow(QPainter& painter, const QRectF& from, const QRectF& to, Link link,
                const QColor& ink, qreal width) {
    const QPointF start = rim(from, to.center());
    const QPointF end = rim(to, from.center());
    const QLineF line(start, end);
    if (line.length() < 1) return;
    // Bent a little, so that links along one line stay apart from the digits between.
    const QPointF middle = line.center() + QPointF(-line.dy(), line.dx()) * (0.12);
    QPen pen(ink, width);
    pen.setStyle(link == Link::kStrong ? Qt::SolidLine
                 : link == Link::kWeak ? Qt::DashLine
                                       : Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path(start);
    path.quadTo(middle, end);
    painter.drawPath(path);
    // The head, along the curve's last direction.
    const QLineF last(middle, end);
    const qreal angle = std::atan2(-last.dy(), last.dx());
    const qreal size = width * 4;
    QPolygonF head;
    head << end << end - QPointF(std::cos(angle - 0.45) * size, -std::sin(angle - 0.45) * size)
         << end - QPointF(std::cos(angle + 0.45) * size, -std::sin(angle + 0.45) * size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(head);
}

}  // namespace

void paintStepDrawing(QPainter& painter, const CellPlace& place, const BoardDrawing& drawing,
                      const ThemePalette::Step& inks) {
    if (!drawing.shown) return;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (int cell = 0; cell < kCells; ++cell)
        paintCell(painter, place(cell), drawing.cells[cell], inks);
    const qreal width = std::max<qreal>(1.5, place(0).width() / 22);
    std::vector<QRectF> boxes;
    boxes.reserve(drawing.rings.size());
    for (const BoardDrawing::Ring& ring : drawing.rings) {
        boxes.push_back(ringBox(place, ring));
        painter.setPen(QPen(toColour(ring.on ? inks.onRing : inks.offRing), width));
        painter.setBrush(Qt::NoBrush);
        if (ring.cellCount > 1) {
            painter.drawRoundedRect(boxes.back(), boxes.back().height() / 2,
                                    boxes.back().height() / 2);
        } else {
            painter.drawEllipse(boxes.back());
        }
    }
    for (const BoardDrawing::Arrow& arrow : drawing.arrows) {
        if (arrow.from >= boxes.size() || arrow.to >= boxes.size()) continue;
        const QColor ink =
            toColour(inks.links[arrow.branch % (sizeof inks.links / sizeof inks.links[0])]);
        paintArrow(painter, boxes[arrow.from], boxes[arrow.to], arrow.link, ink, width);
    }
    painter.restore();
}

}  // namespace ga
