// The widgets behind the window's child controls, and their texts.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

#include "platform/desktop.h"

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

    QString enteredText_;
    bool notes_ = false;
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

// The shade a cell's background shows: the platform's field colour when
// plain (the face colour on a clue, which is read-only), calm tints of blue
// around the cell in hand and a warm yellow on hinted cells. Clue cells lay
// the face colour over the tint, so that they stay a little darker.
QColor cellBackgroundColour(CellBackground background, bool clue);

// The shade of a colour mark, and the mark a cell shows: its whole background
// when plain, otherwise a triangle in its upper left corner over the tint.
QColor cellMarkColour(CellMark mark);
void setCellMark(QWidget& cell, CellMark mark, bool asCorner);
void paintCellMarkCorner(QWidget& cell, QPaintDevice& device, const QRect& area);

// A new, shown control of `kind` as a child of `parent`, with empty text.
QWidget* makeControl(ControlKind kind, QWidget& parent);

// The edit controls keep "\r\n" line ends in their texts, as the logic's
// status messages are written; the widgets hold "\n".
void setControlText(QWidget& control, const std::string& text);
std::string controlText(const QWidget& control);

}  // namespace ga
