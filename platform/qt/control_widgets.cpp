#include "platform/qt/control_widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QString>
#include <QTextOption>
#include <QtMath>

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
    }
    paintCellMarkCorner(*this, *viewport(), viewport()->rect());
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
    // The same thin black border as an open cell; the style's own field frame
    // is thicker and rounded. The background is painted below.
    setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid black; padding: 0px; background: transparent; }"));
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

QColor cellBackgroundColour(CellBackground background, bool clue) {
    const QColor plain = QApplication::palette().color(clue ? QPalette::Button : QPalette::Base);
    QColor tint;
    switch (background) {
        case CellBackground::kPlain:
            return plain;
        case CellBackground::kUnitInHand:
            tint = QColor(228, 236, 246);
            break;
        case CellBackground::kSameDigit:
            tint = QColor(202, 220, 245);
            break;
        case CellBackground::kHinted:
            tint = QColor(255, 236, 166);
            break;
        case CellBackground::kInHand:
            tint = QColor(146, 182, 236);
            break;
    }
    if (!clue) return tint;
    return QColor(tint.red() * plain.red() / 255, tint.green() * plain.green() / 255,
                  tint.blue() * plain.blue() / 255);
}

QColor cellMarkColour(CellMark mark) {
    switch (mark) {
        case CellMark::kFirst:
            return QColor(248, 196, 196);
        case CellMark::kSecond:
            return QColor(196, 232, 196);
        case CellMark::kThird:
            return QColor(250, 214, 170);
        case CellMark::kFourth:
            return QColor(222, 204, 240);
        case CellMark::kNone:
            break;
    }
    return QColor();
}

void setCellMark(QWidget& cell, CellMark mark, bool asCorner) {
    const int corner = asCorner ? static_cast<int>(mark) : 0;
    if (cell.property("markCorner").toInt() != corner) cell.setProperty("markCorner", corner);
}

void paintCellMarkCorner(QWidget& cell, QPaintDevice& device, const QRect& area) {
    const int mark = cell.property("markCorner").toInt();
    if (mark <= 0) return;
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(cellMarkColour(static_cast<CellMark>(mark)).darker(115));
    const int leg = area.width() / 3;
    const QPoint corner = area.topLeft() + QPoint(1, 1);
    painter.drawPolygon(QPolygon({corner, corner + QPoint(leg, 0), corner + QPoint(0, leg)}));
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
            button->setFlat(true);
            button->setStyleSheet(QStringLiteral(
                "QPushButton { border: 1px solid #b0b0b0; border-radius: 3px; }"
                "QPushButton:checked { background: #cadcf5; border: 2px solid #4a6fa5; }"));
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
            label->setStyleSheet(QStringLiteral("color: #707070;"));
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
