// The widgets of a hint's second stage and of Help: the drawing over the
// window's cells, the panel with the step's whole words beside the window,
// and the Help window with its list of pages, each page's text and, for a
// technique, its example board drawn as a hint draws its step.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/board_drawing.h"
#include "platform/qt/step_painter.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

namespace ga {

// Lies over the cells without taking a click or a key; paints the drawing
// where `place` puts each cell, in the overlay's own coordinates.
class StepOverlay : public QWidget {
  public:
    explicit StepOverlay(QWidget* parent);
    void setDrawing(const BoardDrawing& drawing, CellPlace place);
    void setInks(const ThemePalette::Step& inks) { inks_ = &inks; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    BoardDrawing drawing_;
    CellPlace place_;
    const ThemePalette::Step* inks_ = &themePalette(Theme::kLight).step;
};

// A small window of its own beside the main window, never taking the focus
// from the cell in hand: the step's words and a button that asks for the
// technique's Help page.
class StepPanel : public QWidget {
  public:
    StepPanel(QWidget* owner, std::function<void()> asked);
    // Shows the words beside `beside` (right of it when the screen has room,
    // else left).
    void showWords(const QString& words, const QString& question, const QRect& beside);

  private:
    QPlainTextEdit* words_;
    QPushButton* question_;
};

// Paints a board picture with a step drawn over it.
class BoardExample : public QWidget {
  public:
    explicit BoardExample(QWidget* parent);
    void setExample(const BoardPicture& picture, const BoardDrawing& drawing);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    BoardPicture picture_;
    BoardDrawing drawing_;
};

class HelpWindow : public QWidget {
  public:
    explicit HelpWindow(QWidget* owner);
    void setBook(const HelpBook& book);
    void showPage(int page);

  private:
    HelpBook book_;
    QListWidget* list_;
    QTextBrowser* text_;
    BoardExample* example_;
};

// A page's text as rich text: paragraphs apart, lines holding a tab as the
// rows of a two-column table.
QString helpPageHtml(const QString& text);

}  // namespace ga
