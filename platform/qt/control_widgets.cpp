#include "platform/qt/control_widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QPolygonF>
#include <QPushButton>
#include <QString>
#include <QTextOption>
#include <QtMath>
#include <algorithm>

#include "platform/qt/board_painter.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_metrics.h"

namespace ga {

namespace {

bool isDigits(const QString& text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    }
    return !text.isEmpty();
}

QString digitsOf(const QString& text) {
    QString digits;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
    }
    return digits;
}

bool insertsCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// Whether the key would put a character other than a digit typed on its own
// into the cell. Ctrl with a letter goes on to the editing keys (the window's
// accelerators have had it first); Ctrl with a keypad digit would type it.
bool typesAnythingButADigit(const QKeyEvent& event) {
    if (!insertsCharacter(event)) return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return true;
    const bool digit = isDigits(event.text());
    if (modifiers & Qt::ControlModifier) return digit;
    return !digit;
}

// Read-only fields are painted on the face colour, as is usual on desktops.
void paintAsReadOnly(QWidget& control) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    control.setPalette(palette);
}

void makeThinBordered(QFrame& frame) {
    frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    frame.setLineWidth(1);
}

void centreMultiLine(QPlainTextEdit& edit) {
    QTextOption option = edit.document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit.document()->setDefaultTextOption(option);
    edit.document()->setDocumentMargin(0);
    edit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    makeThinBordered(edit);
}

// The lines of `text` broken at blanks to fit `width`; none when some word
// alone is wider.
QStringList linesBrokenAtBlanks(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        bool started = false;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            if (metrics.horizontalAdvance(word) > width) return {};
            const QString longer = started ? line + QLatin1Char(' ') + word : word;
            if (started && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
            started = true;
        }
        lines << line;
    }
    return lines;
}

}  // namespace

OpenCellEdit::OpenCellEdit(QWidget* parent) : QPlainTextEdit(parent) {
    centreMultiLine(*this);
    // Outside the board's own keys (the desktop's) no key brings the focus here.
    setFocusPolicy(Qt::ClickFocus);
    setTabChangesFocus(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhDigitsOnly);
}

void OpenCellEdit::setMistakeCue(bool cue) {
    if (cue == mistakeCue_) return;
    mistakeCue_ = cue;
    viewport()->update();
}

void OpenCellEdit::setShownAsNotes(bool notes) {
    notes_ = notes;
    if (notes) selectAll();
    viewport()->update();
}

void OpenCellEdit::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (!selectOnRelease_) return;
    selectOnRelease_ = false;
    selectAll();
}

void OpenCellEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        setPlainText(enteredText_);
        selectAll();
        event->accept();
        return;
    }
    const bool lineOrFieldKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                                event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (lineOrFieldKey || typesAnythingButADigit(*event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void OpenCellEdit::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return;
    insertPlainText(digitsOf(source->text()));
}

bool OpenCellEdit::showsPencilMarks() const {
    const QString text = toPlainText();
    if (notes_) return isDigits(text);
    return !hasFocus() && text.size() >= 2 && isDigits(text);
}

void OpenCellEdit::paintEvent(QPaintEvent* event) {
    if (showsPencilMarks()) {
        paintPencilMarks();
    } else {
        QPlainTextEdit::paintEvent(event);
        if (mistakeCue_) paintMistakeCue();
    }
    paintCellMarkCorner(*this, *viewport(), viewport()->rect());
}

void OpenCellEdit::paintMistakeCue() {
    // Across the middle of the cell, under the digit, a zigzag of a few waves
    // bold enough to be seen at a glance.
    const QRectF area = viewport()->rect();
    const qreal halfWave = std::max<qreal>(3, area.width() / 10);
    const qreal height = std::max<qreal>(3, area.height() / 12);
    const qreal pen = std::max<qreal>(2, area.width() / 20);
    const qreal bottom = area.bottom() - pen;
    const qreal left = area.left() + area.width() * 0.2, right = area.right() - area.width() * 0.2;
    QPolygonF line;
    for (int step = 0; left + step * halfWave <= right + 0.5; ++step)
        line << QPointF(left + step * halfWave, bottom - (step % 2) * height);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(palette().color(QPalette::Text), pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
}

void OpenCellEdit::paintPencilMarks() {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    ga::paintPencilMarks(painter, viewport()->rect(), toPlainText());
}

void OpenCellEdit::focusInEvent(QFocusEvent* event) {
    // Closing a menu gives the focus back without leaving the cell.
    if (event->reason() != Qt::PopupFocusReason) enteredText_ = toPlainText();
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void OpenCellEdit::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

ClueCellField::ClueCellField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    // The same thin border as an open cell (themeControl gives it its colour);
    // the style's own field frame is thicker and rounded. The background is
    // painted below.
    paintAsReadOnly(*this);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ClueCellField::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(rect(), palette().color(QPalette::Base));
    QLineEdit::paintEvent(event);
    paintCellMarkCorner(*this, *this, rect());
}

StatusBox::StatusBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus);
    centreMultiLine(*this);
    paintAsReadOnly(*this);
    // The margins beside the text area are the box's own, in the text's colour.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setTextMargins();
}

void StatusBox::setTextMargins() {
    const int margin = QFontMetrics(font()).averageCharWidth() / 2;
    setViewportMargins(margin, 0, margin, 0);
}

void StatusBox::setStatusText(const QString& text) {
    text_ = text;
    layOut();
}

void StatusBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    layOut();
}

void StatusBox::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    setTextMargins();
    layOut();
}

void StatusBox::layOut() {
    constexpr int kSmallestLine = 6;
    constexpr int kSlack = 2;  // pixels the layout may take beyond the measured advance
    const int width = viewport()->width() - kSlack;
    const int room = viewport()->height();
    const int largest = QFontMetrics(font()).height();
    QFont shown = font();
    QStringList lines;
    for (int lineHeight = largest; lineHeight >= kSmallestLine; --lineHeight) {
        shown = lineHeight == largest ? font() : arialOfLineHeight(lineHeight);
        const QFontMetrics metrics(shown);
        lines = linesBrokenAtBlanks(text_, metrics, width);
        // Each line is a block of its own, whose height is rounded up.
        const int lineStep = qCeil(QFontMetricsF(shown).lineSpacing());
        if (!lines.isEmpty() && lines.size() * lineStep <= room) break;
    }
    // Past the smallest size, a word too wide for the box breaks anywhere.
    if (lines.isEmpty()) lines << text_;
    document()->setDefaultFont(shown);
    setPlainText(lines.join(QLatin1Char('\n')));
}

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QColor toQColor(Rgba colour) {
    return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}

namespace {

Rgb toRgb(const QColor& colour) {
    return Rgb{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
               static_cast<uint8_t>(colour.blue())};
}

// The digit strip's buttons; Light keeps the desktop's digits and ground.
QString digitStripStyle(const ThemePalette& palette) {
    const ThemePalette::Strip& strip = palette.strip;
    const QString plain = palette.desktopGrounds
                              ? QString()
                              : QStringLiteral(" color: %1; background: %2;")
                                    .arg(toQColor(strip.ink).name(), toQColor(strip.ground).name());
    return QStringLiteral(
               "QPushButton {%1 border: 1px solid %2; border-radius: 3px; }"
               "QPushButton:checked { background: %3; border: 2px solid %4; }")
        .arg(plain, toQColor(strip.border).name(), toQColor(strip.checkedGround).name(),
             toQColor(strip.checkedBorder).name());
}

}  // namespace

QPalette inheritedPalette(const QWidget& control) {
    QPalette colours = control.parentWidget() != nullptr ? control.parentWidget()->palette()
                                                         : QApplication::palette();
    colours.setResolveMask(0);
    return colours;
}

DesktopGrounds desktopGrounds() {
    const QPalette desktop = QApplication::palette();
    return DesktopGrounds{toRgb(desktop.color(QPalette::Base)),
                          toRgb(desktop.color(QPalette::Button))};
}

void setCellMarkCorner(QWidget& cell, const QColor& corner) {
    if (cell.property("markCorner").value<QColor>() != corner)
        cell.setProperty("markCorner", corner);
}

void paintCellMarkCorner(QWidget& cell, QPaintDevice& device, const QRect& area) {
    const QColor corner = cell.property("markCorner").value<QColor>();
    if (!corner.isValid()) return;
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(corner);
    const int leg = area.width() / 3;
    const QPoint corner0 = area.topLeft() + QPoint(1, 1);
    painter.drawPolygon(QPolygon({corner0, corner0 + QPoint(leg, 0), corner0 + QPoint(0, leg)}));
}

void themeControl(QWidget& control, const ThemePalette& palette) {
    if (auto* box = qobject_cast<StatusBox*>(&control)) {
        QPalette colours = inheritedPalette(*box);
        colours.setColor(QPalette::Base, toQColor(faceColour(palette, desktopGrounds())));
        if (!palette.desktopGrounds) colours.setColor(QPalette::Text, toQColor(palette.label));
        box->setPalette(colours);
    } else if (qobject_cast<ClueCellField*>(&control) != nullptr) {
        control.setStyleSheet(
            QStringLiteral(
                "QLineEdit { border: 1px solid %1; padding: 0px; background: transparent; }")
                .arg(toQColor(palette.line).name()));
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
        if (button->isCheckable()) button->setStyleSheet(digitStripStyle(palette));
    } else if (qobject_cast<QLabel*>(&control) != nullptr &&
               control.property("coordinate").toBool()) {
        control.setStyleSheet(
            QStringLiteral("color: %1;").arg(toQColor(palette.coordinate).name()));
    }
}

QWidget* makeControl(ControlKind kind, QWidget& parent) {
    QWidget* control = nullptr;
    switch (kind) {
        case ControlKind::kOpenCell:
            control = new OpenCellEdit(&parent);
            break;
        case ControlKind::kClueCell:
            control = new ClueCellField(&parent);
            break;
        case ControlKind::kStatusBox:
            control = new StatusBox(&parent);
            break;
        case ControlKind::kPushButton:
            control = new QPushButton(&parent);
            break;
        case ControlKind::kDigitButton: {
            auto* button = new QPushButton(&parent);
            button->setFocusPolicy(Qt::NoFocus);  // the cell in hand keeps the focus
            button->setCheckable(true);
            button->setFlat(true);  // themeControl gives it its border
            control = button;
            break;
        }
        case ControlKind::kClockLabel: {
            auto* label = new QLabel(&parent);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            control = label;
            break;
        }
        case ControlKind::kCoordinateLabel: {
            auto* label = new QLabel(&parent);
            label->setAlignment(Qt::AlignCenter);
            QFont font = label->font();
            font.setPixelSize(12);  // fits the 20-pixel margins at any cell size
            label->setFont(font);
            label->setProperty("coordinate", true);  // themeControl gives it its grey
            control = label;
            break;
        }
    }
    if (control != nullptr) control->show();
    return control;
}

void setControlText(QWidget& control, const std::string& text) {
    QString shown = toQt(text);
    if (auto* box = qobject_cast<StatusBox*>(&control)) {
        box->setStatusText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(&control)) {
        if (auto* cell = qobject_cast<OpenCellEdit*>(&control)) cell->setShownAsNotes(false);
        edit->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* field = qobject_cast<QLineEdit*>(&control)) {
        field->setText(shown);
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
        button->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(shown);
    }
}

std::string controlText(const QWidget& control) {
    QString text;
    if (auto* box = qobject_cast<const StatusBox*>(&control)) {
        text = QString(box->statusText()).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    } else if (auto* edit = qobject_cast<const QPlainTextEdit*>(&control)) {
        text = edit->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    } else if (auto* field = qobject_cast<const QLineEdit*>(&control)) {
        text = field->text();
    } else if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        text = QString(button->text()).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    } else if (auto* label = qobject_cast<const QLabel*>(&control)) {
        text = label->text();
    }
    return fromQt(text);
}

}  // namespace ga
