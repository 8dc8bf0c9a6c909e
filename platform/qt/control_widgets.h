// The widgets behind the window's child controls, and their texts.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

#include "platform/desktop.h"
#include "platform/theme_palette.h"

class QWidget;

namespace ga {

// An open cell: multi-line so that a long candidate list wraps, centred, and
// taking digits only, whether typed, pasted or dropped. Enter inserts
// nothing; Tab and the arrows moving between cells are the desktop's.
// Without the focus, a candidate list (two digits or more) is drawn as pencil
// marks: small digits in a 3x3 block, digit v at place v counted row by row,
// so that all nine fit; while the cell is edited it shows its text. Escape
// puts back the text the cell had when it was entered, wholly selected.
class OpenCellEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit OpenCellEdit(QWidget* parent);

    // Its digits drawn as notes, also one and also with the focus, until the
    // player edits the text or the logic sets one; the text is selected then.
    void setShownAsNotes(bool notes);
    bool shownAsNotes() const { return notes_; }
    // A wavy line under the text, in the text's colour: a mistake told
    // apart without colour vision (as a misspelt word is in a text editor).
    void setMistakeCue(bool cue);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool showsPencilMarks() const;
    void paintPencilMarks();
    void paintMistakeCue();

    QString enteredText_;
    bool notes_ = false;
    bool mistakeCue_ = false;
    bool selectOnRelease_ = false;  // the click that brought the focus selects the text
};

// A clue cell: a read-only single-line field with a thin black border, whose
// background is its palette's base colour as it stands when painted.
class ClueCellField : public QLineEdit {
    Q_OBJECT

  public:
    explicit ClueCellField(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The status box: read-only, multi-line, centred, and its whole text always
// in view, clear of the frame on both sides by half an average character of
// its font. Lines break only at blanks, so that a serial number or a file name
// stays in one piece on one line; a text that does not fit the box in the
// font it was given is shown in the largest smaller size in which it does.
class StatusBox : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit StatusBox(QWidget* parent);

    // The text as given, with "\n" line ends; what is shown breaks it into
    // lines that fit.
    void setStatusText(const QString& text);
    const QString& statusText() const { return text_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setTextMargins();
    void layOut();

    QString text_;
};

// A control's parent's colours with none of its own: what it shows when it sets none.
QPalette inheritedPalette(const QWidget& control);

QColor toQColor(Rgb colour);
QColor toQColor(Rgba colour);
// The desktop's field and face colours, which Light's cells take.
DesktopGrounds desktopGrounds();

// The triangle of a colour mark in a cell's upper left corner, drawn over a
// tint (an invalid colour: none).
void setCellMarkCorner(QWidget& cell, const QColor& corner);
void paintCellMarkCorner(QWidget& cell, QPaintDevice& device, const QRect& area);

// Gives a control made by makeControl the look's colours where its own
// settings would hide its parent's: a clue's border, the status box's
// ground, the digit strip, the row and column numbers.
void themeControl(QWidget& control, const ThemePalette& palette);

// A new, shown control of `kind` as a child of `parent`, with empty text.
QWidget* makeControl(ControlKind kind, QWidget& parent);

// The edit controls keep "\r\n" line ends in their texts, as the logic's
// status messages are written; the widgets hold "\n".
void setControlText(QWidget& control, const std::string& text);
std::string controlText(const QWidget& control);

}  // namespace ga
