// The desktop on Qt Widgets: the program's one main window, a resizable
// window whose client area holds the child controls at the pixel positions
// the logic gives. It turns Qt's events into what the logic expects (menu
// items and Ctrl+key accelerators as commands, cell focus changes as cell
// notifications, a cell about to paint as a background request and, for an
// open cell, a colour request, the close box as a close request) and carries
// out the logic's calls.
//
// Size: the window opens with a client area of 240 x 270 dialog units of
// "Arial" 9 pt. Should the controls the logic makes while it sets itself up
// reach lower, the area grows to hold them, with the same margin below as at
// their left. Moving the window changes its size only to shrink it, when the
// logic asks for less than it has (a screen too small for it). The player may
// resize the window, down to half its first size: the logic hears of every
// new size and lays the controls out again for the width it chooses, and the
// area it lays them out in stands centred in the window.
//
// Keys: the accelerators are translated before any control sees the key, so
// Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+A in a cell are the program's commands and
// never the cell's clipboard or selection keys; a greyed item's key is
// swallowed and does nothing. Keys act only while the window itself (not a
// dialog or an open menu) has the keyboard. In a cell, the arrows, Tab and
// Shift+Tab go where the logic says; the open cell they reach has its text
// selected. Up, Down and the Tabs never reach a cell; Left and Right move
// the caret when the logic keeps them in the cell.
//
// Controls that are destroyed vanish at once but are deleted later, so a
// command may rebuild the board from inside a cell's own key press; a
// destroyed cell that held the focus reports no focus loss, as its text no
// longer belongs to the puzzle being shown.
#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <QMainWindow>
#include <QPalette>
#include <QSize>
#include <atomic>
#include <map>
#include <memory>
#include <vector>

#include "platform/desktop.h"

class QAction;
class QLabel;
class QTimer;
class QProgressBar;

namespace ga {

class HelpWindow;
class ProgressBarBridge;
class StepOverlay;
class StepPanel;

class QtDesktop : public QMainWindow, public Desktop {
    Q_OBJECT

  public:
    QtDesktop();
    ~QtDesktop() override;

    // Lets the logic set itself up (WindowEvents::onCreate), then shows the
    // window. False when the set-up failed or ended the window: it is never
    // shown. `events` must outlive the window's use of it.
    bool open(WindowEvents& events);

    // Whether destroyWindow has ended the window.
    bool hasEnded() const { return ended_.load(); }

    // --- Desktop ---------------------------------------------------------------
    void setTitle(const std::string& title) override;
    int clientWidth() override;
    void setLayoutWidth(int width, double fontScale) override;
    ScreenRect windowRect() override;
    void moveWindow(int left, int top, int width, int height) override;
    int screenWidth() override;
    int screenHeight() override;
    std::vector<ScreenRect> screenAreas() override;
    void destroyWindow() override;
    bool createControl(int id, ControlKind kind, const ControlRect& rect) override;
    void destroyControl(int id) override;
    void moveControl(int id, const ControlRect& rect) override;
    void setText(int id, const std::string& text) override;
    std::string text(int id) override;
    void setFont(int id, FontChoice font) override;
    void enableControl(int id, bool enabled) override;
    void repaint(int id) override;
    void setMenu(const MenuDescription& menu) override;
    void enableMenuItem(int command, bool enabled) override;
    bool menuItemEnabled(int command) override;
    void checkMenuItem(int command, bool checked) override;
    void messageBox(const std::string& text, const std::string& title) override;
    int runDialog(const DialogTemplate& dialog, DialogEvents& events) override;
    bool askFileName(const FileDialogRequest& request, std::string& path) override;
    // Pictures of the board, drawn by board_painter.
    PrintOutcome printPicture(const BoardPicture& picture, const std::string& fileFolder,
                              std::string& printedFile) override;
    bool savePicture(const BoardPicture& picture, const std::string& path) override;
    PrintOutcome printPages(const Booklet& booklet, const std::string& fileFolder,
                            std::string& printedFile) override;
    bool createProgressBar(const ControlRect& rect) override;
    ProgressSink* progressBar() override;
    void sendCommandFromWorker(int command) override;
    std::string executableFolder() override;
    std::string homeFolder() override;
    // The application's clipboard, as plain text.
    void setClipboardText(const std::string& text) override;
    std::string clipboardText() override;
    void showAsNotes(int id, bool notes) override;
    void focusControl(int id) override;
    void checkControl(int id, bool checked) override;
    void coverBoard(bool covered, const std::string& text) override;
    void setMenuItemText(int command, const std::string& text) override;
    void showMenuItem(int command, bool shown) override;
    long long steadyMilliseconds() override;
    std::string environment(const std::string& name) override;
    void showStep(const StepView& view, int questionCommand) override;
    void showHelp(const HelpBook& book, int page) override;
    bool darkDesktop() override;
    void setTheme(Theme theme) override;
    void setAccessibleText(int id, const std::string& name,
                           const std::string& description) override;

    // --- for tests and screenshots --------------------------------------------
    QWidget* control(int id) const;
    StepPanel* stepPanel() const { return stepPanel_; }
    HelpWindow* helpWindow() const { return help_; }
    QAction* menuItem(int command) const;
    QProgressBar* progressBarWidget() const { return progressBar_; }
    QSize clientSize() const { return clientSize_; }

  signals:
    // destroyWindow was called: the program should leave its event loop.
    void ended();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The pause cover over every cell, in the small font.
    void placeCover();
    // What a step leaves of its tints to the cells' own grounds.
    void keepStepTints(const StepView& view);
    bool translateAccelerator(QObject* watched, QKeyEvent& key);
    bool moveBetweenCells(QObject* watched, QKeyEvent& key);
    bool takeNoteKey(QObject* watched, QKeyEvent& key);
    void notifyCellFocus(QObject* watched, QFocusEvent& focus);
    void askCellLook(QObject* watched);
    void fixSize();
    void fitClientHeightToControls();
    void takeSizeLimit();
    void followArea();
    void scaleFonts(double fontScale);
    void runCommand(int command);
    void forgetControl(int id, QWidget& control);
    // The look's colours for the whole application, and the progress bar's.
    void applyLookPalette();
    void themeWindow(QWidget& window);
    void themeProgressBar();
    // Whether the application's colours changed from outside the look.
    bool desktopColoursChanged(QEvent::Type change);

    WindowEvents* events_ = nullptr;
    std::atomic<bool> ended_{false};

    QSize clientSize_;
    QWidget* area_ = nullptr;    // the window's whole client area
    QWidget* client_ = nullptr;  // the part of it the controls are laid out in
    QSize reportedArea_;         // the area's size the logic last heard of
    QSize sizeLimit_;            // the frame size moveWindow shrank the window to, if any
    bool opened_ = false;
    // The look the board is painted in, and the client area's colours in
    // Light (the desktop's, on the grey ground).
    Theme theme_ = Theme::kLight;
    // The tints of a shown step's cells that it does not draw anew (a look
    // may lay them under the cells' texts), and the control of cell 0.
    BoardDrawing::Tint stepTints_[kCells] = {};
    int stepFirstCell_ = 0;
    QPalette lightClient_;
    // The desktop's own colours, the application's whenever the look keeps
    // them; while another look's are the application's, the desktop's are
    // still what following the desktop goes by.
    QPalette desktopPalette_;
    bool settingPalette_ = false;  // the look sets the application's colours
    QFont bigFont_;
    QFont smallFont_;
    double fontScale_ = 1.0;

    std::map<int, QAction*> menuItems_;
    std::map<int, bool> checkedItems_;  // what the logic set; a click must not toggle it
    std::vector<Accelerator> accelerators_;
    std::map<int, QWidget*> controls_;
    // The widgets whose focus changes (cells) and paint requests (clue cells
    // and open cells' text areas) the logic hears of, with the cell's identifier.
    std::map<const QObject*, int> focusWatched_;
    std::map<const QObject*, int> paintWatched_;

    QProgressBar* progressBar_ = nullptr;
    QLabel* cover_ = nullptr;             // over the cells while the game is paused
    StepOverlay* stepOverlay_ = nullptr;  // a hint's drawing, under the cover
    StepPanel* stepPanel_ = nullptr;
    int stepQuestion_ = 0;
    StepView step_;  // the step shown, drawn again when the cells move
    HelpWindow* help_ = nullptr;
    bool settingText_ = false;  // the logic sets a text: no edit to report
    QElapsedTimer steadyClock_;
    QTimer* ticks_ = nullptr;
    std::unique_ptr<ProgressBarBridge> progressBridge_;
};

}  // namespace ga
