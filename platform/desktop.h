// The desktop as the program's logic sees it: one main window with a menu,
// child controls addressed by identifier, message boxes, file dialogs, modal
// dialogs, and the bridge that lets the worker thread hand the window a
// command. The logic (app/, ui/) calls nothing else of the desktop; the Qt
// implementation and the scriptable fake for tests both implement this.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/progress.h"
#include "platform/board_drawing.h"
#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/picture.h"

namespace ga {

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct ControlRect {
    int x = 0, y = 0, width = 0, height = 0;
};

enum class ControlKind {
    kOpenCell,    // multi-line, digits only, centred, bordered, editable
    kClueCell,    // single-line, digits only, centred, bordered, read-only
    kStatusBox,   // multi-line, read-only, centred, bordered
    kPushButton,  // a button that sends its identifier as a command
    // A flat, checkable button of the digit strip: its text is the digit and,
    // on a second line, what is left of it; a click sends its identifier as a
    // command, as a push button does, without taking the focus from a cell.
    kDigitButton,
    kClockLabel,       // a read-only label, right-aligned, in the window's small font
    kCoordinateLabel,  // a read-only label, centred, small and grey: a row or column number
};

enum class FontChoice { kBig, kSmall };  // "Arial" at heights 40 and 18

struct TextColour {
    int red = 0, green = 0, blue = 255;
};

// What the desktop tells the window about a cell (identifiers 1501..1581).
enum class CellNotification { kGainedFocus, kLostFocus };

// What a cell's background says, from none to the strongest; the desktop
// picks the shades, and each kind looks alike on clue and open cells. The
// text colour is the cell's own and never changes with it.
enum class CellBackground {
    kPlain,
    kUnitInHand,  // in the row, column or box of the cell in hand
    kSameDigit,   // holds the digit of the cell in hand
    kHinted,      // pointed at by a hint
    kInHand,      // has the focus
};

// A colour a player marks a cell with; none, or one of four. The desktop picks
// the shades. A mark fills a plain cell; a cell with a tint keeps the tint and
// shows the mark as a triangle in its upper left corner, so that the cell in
// hand and a hint's cells always look as they would without it.
enum class CellMark { kNone, kFirst, kSecond, kThird, kFourth };
constexpr int kCellMarkCount = 4;

// The look the board is painted in; its colours are platform/theme_palette.h's.
enum class Theme : uint8_t { kLight, kDark, kHighContrast };
constexpr int kThemeCount = 3;

// A key that moves from cell to cell: the arrows, Tab and Shift+Tab.
enum class CellKey { kUp, kDown, kLeft, kRight, kNextOpen, kPreviousOpen };

// Whether the caret (or the selection) in a cell reaches the start or the end
// of its text; both in an empty cell, one wholly selected, or a clue.
struct CaretPlace {
    bool atStart = false;
    bool atEnd = false;
};

// What the desktop delivers to the program's logic, always on the window
// thread: the window procedure's side of the contract.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    // The window exists (with its client area sized) but is not shown yet: the
    // logic sets itself up. False means the set-up failed and the window must
    // close at once without being shown.
    virtual bool onCreate() = 0;
    // A menu item, an accelerator, a push button, or the worker's notice.
    virtual void onCommand(int id) = 0;
    // A cell (1501..1581) gained or lost the input focus.
    virtual void onCellNotification(int cellId, CellNotification notification) = 0;
    // An editable cell is about to be painted: its text colour. This is also
    // where the board's completion check runs.
    virtual TextColour onCellColour(int cellId) = 0;
    // Any cell is about to be painted: its background. Nothing else runs.
    virtual CellBackground onCellBackground(int cellId) = 0;
    // A moving key was pressed in a cell: the cell to give the focus to, or 0
    // when the key stays in the cell.
    virtual int onCellKey(int cellId, CellKey key, CaretPlace caret) = 0;
    // The close box, Alt+F4 or the window manager asked the window to close.
    virtual void onCloseRequest() = 0;

    // --- beyond the window procedure: play ---------------------------------------
    // The player changed an open cell's text: typed, deleted, pasted, dropped
    // or put back with Escape. Texts the logic sets are not reported.
    virtual void onCellEdited(int /*cellId*/, const std::string& /*text*/) {}
    // Shift with a digit key of the main row or the keypad (1..9) was pressed
    // in a cell. The digit is the key's place, whatever the keyboard layout
    // prints on it; the key types nothing.
    virtual void onCellNoteKey(int /*cellId*/, int /*digit*/) {}
    // The colour mark of any cell about to be painted; nothing else runs.
    virtual CellMark onCellMark(int /*cellId*/) { return CellMark::kNone; }
    // A tick of the window's clock, about every quarter second while the window
    // exists (also while a modal dialog runs over it).
    virtual void onTick() {}
    // The window was minimised (true) or shown again (false).
    virtual void onMinimised(bool /*minimised*/) {}
    // The player resized the window: its client area is now `width` x
    // `height` pixels. Not sent for the size the window opens at.
    virtual void onClientResized(int /*width*/, int /*height*/) {}
    // An editable cell about to be painted, after its colour: whether its text
    // is a mistake to be marked by a wavy line under it as well.
    virtual bool onCellMistakeCue(int /*cellId*/) { return false; }
    // The desktop's own colours changed (from light to dark, say).
    virtual void onDesktopLook() {}
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // --- the main window -------------------------------------------------
    virtual void setTitle(const std::string& title) = 0;
    virtual int clientWidth() = 0;
    // The controls are laid out for a client area `width` pixels wide from now
    // on: clientWidth() says so, the area stands centred in a wider window, and
    // the fonts (FontChoice and the digit strip's) are drawn at `fontScale`
    // times their first sizes. The logic then moves its controls.
    virtual void setLayoutWidth(int /*width*/, double /*fontScale*/) {}
    virtual ScreenRect windowRect() = 0;
    virtual void moveWindow(int left, int top, int width, int height) = 0;
    virtual int screenWidth() = 0;  // of the screen that shows the window
    virtual int screenHeight() = 0;
    // The areas of every screen now shown that windows may take (without
    // panels and docks), in the coordinates of windowRect; empty when the
    // desktop cannot tell.
    virtual std::vector<ScreenRect> screenAreas() { return {}; }
    // Ends the window; the desktop then leaves its event loop with code 0.
    virtual void destroyWindow() = 0;

    // --- child controls by identifier ------------------------------------
    // False when the control could not be made.
    virtual bool createControl(int id, ControlKind kind, const ControlRect& rect) = 0;
    virtual void destroyControl(int id) = 0;
    virtual void moveControl(int id, const ControlRect& rect) = 0;
    virtual void setText(int id, const std::string& text) = 0;
    virtual std::string text(int id) = 0;
    virtual void setFont(int id, FontChoice font) = 0;
    virtual void enableControl(int id, bool enabled) = 0;
    // Paints the cell again; a cell asks for its background first, and an
    // editable cell for its colour too.
    virtual void repaint(int id) = 0;

    // --- the menu, by command identifier ----------------------------------
    // Builds the menu bar and its keys; the logic calls it once, first thing
    // in onCreate. Every item starts enabled and unchecked; a greyed item's
    // key does nothing. Identifiers without a menu item are ignored (and read
    // as greyed).
    virtual void setMenu(const MenuDescription& menu) = 0;
    virtual void enableMenuItem(int command, bool enabled) = 0;
    virtual bool menuItemEnabled(int command) = 0;
    virtual void checkMenuItem(int command, bool checked) = 0;

    // --- boxes and dialogs -------------------------------------------------
    // A message box with an OK button, modal to the main window (or to the
    // dialog open over it).
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // Runs the dialog modally over the main window and returns the result its
    // events ended it with.
    virtual int runDialog(const DialogTemplate& dialog, DialogEvents& events) = 0;
    // The platform's file dialog, modal over the main window or the dialog
    // open over it. True with the chosen path, false when cancelled.
    virtual bool askFileName(const FileDialogRequest& request, std::string& path) = 0;

    // --- pictures of the board ------------------------------------------------
    // The platform's print dialog, then the picture on one page. A print to a
    // file proposes a file in `fileFolder` (ending in '/'); `printedFile` is
    // the file printed to, empty when the page went to a printer.
    virtual PrintOutcome printPicture(const BoardPicture& picture, const std::string& fileFolder,
                                      std::string& printedFile) = 0;
    // Writes the picture to `path`: a PDF page when the name ends in ".pdf",
    // a PNG image otherwise. False when the file could not be written.
    virtual bool savePicture(const BoardPicture& picture, const std::string& path) = 0;
    // The print dialog, then every page of the booklet on its paper: the
    // proposed file, `printedFile` and the outcome as for printPicture.
    virtual PrintOutcome printPages(const Booklet& booklet, const std::string& fileFolder,
                                    std::string& printedFile) = 0;

    // --- the progress bar ---------------------------------------------------
    // False when the bar could not be made. Its sink may be driven from the
    // worker thread; the desktop carries the calls over to the window thread.
    // Called again, it moves the bar.
    virtual bool createProgressBar(const ControlRect& rect) = 0;
    virtual ProgressSink* progressBar() = 0;

    // --- the worker's bridge -------------------------------------------------
    // Called on the worker thread: the window handles `command` as a command
    // with notification 0 on its own thread; returns once it has been handled.
    virtual void sendCommandFromWorker(int command) = 0;

    // --- files ------------------------------------------------------------
    // The folder of the running executable, ending in '/'.
    virtual std::string executableFolder() = 0;
    // The user's home folder, ending in '/'.
    virtual std::string homeFolder() = 0;

    // --- the clipboard ------------------------------------------------------
    // The system clipboard's plain text; empty when it holds none.
    virtual void setClipboardText(const std::string& text) = 0;
    virtual std::string clipboardText() = 0;

    // --- beyond the original window ---------------------------------------------
    // An open cell shows its text (digits) as notes: small digits at their
    // places, also a single digit and also while it has the focus, until the
    // player edits it or the logic sets its text (which ends notes). Its text
    // is then selected, so that a digit typed replaces the notes.
    virtual void showAsNotes(int /*id*/, bool /*notes*/) {}
    // Gives the control the keyboard focus as a click would: an open cell has
    // its text selected, and the focus change is reported as usual.
    virtual void focusControl(int /*id*/) {}
    // A digit button's checked look.
    virtual void checkControl(int /*id*/, bool /*checked*/) {}
    // Hides the cells behind a cover showing `text` (empty: the cover goes and
    // the cells show again). While covered no cell takes the focus or a key.
    virtual void coverBoard(bool /*covered*/, const std::string& /*text*/) {}
    // A menu item's text (with its key hint after a tab) and whether it is
    // shown at all; a hidden item's key does nothing.
    virtual void setMenuItemText(int /*command*/, const std::string& /*text*/) {}
    virtual void showMenuItem(int /*command*/, bool /*shown*/) {}
    // Milliseconds of a steady clock, for the time played.
    virtual long long steadyMilliseconds() { return 0; }
    // The environment's value of `name`, empty when unset (for the user's folders).
    virtual std::string environment(const std::string& /*name*/) { return std::string(); }
    // A hint's step drawn over the cells until the next call, with its words
    // in a panel beside the window whose button sends `questionCommand`; an
    // empty view (its drawing not shown) takes the drawing and the panel away.
    virtual void showStep(const StepView& /*view*/, int /*questionCommand*/) {}
    // The Help window, not modal, at `page` of `book`; raised when already open.
    virtual void showHelp(const HelpBook& /*book*/, int /*page*/) {}
    // Whether the desktop's own colours are dark (light text on dark grounds).
    virtual bool darkDesktop() { return false; }
    // Paints the board, its cells, the digit strip and a hint's drawing in the
    // look's colours from now on, and at once. The window starts in Light.
    virtual void setTheme(Theme /*theme*/) {}
    // What a screen reader says of a control: its name (a cell's place, the
    // status box's "Status") and its description (what a cell shows). Nothing
    // on the screen changes.
    virtual void setAccessibleText(int /*id*/, const std::string& /*name*/,
                                   const std::string& /*description*/) {}
};

}  // namespace ga
