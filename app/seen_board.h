// The board as the player sees it, in one place: each cell's text and font,
// whether its digits are shown as notes, its colour mark, and the texts of the
// other controls (the status box first). The commands and the game's features
// read the board here, never from the widgets.
//
// It is kept in step with the cells by SeenBoardDesktop, the desktop the
// window's logic is given: every text, font and notes call for a control
// passes through it on its way to the real desktop, and the player's own
// edits of a cell arrive as WindowEvents::onCellEdited. Asking that desktop
// for a control's text answers from here.
#pragma once

#include <bitset>
#include <map>
#include <string>

#include "core/puzzle_record.h"
#include "platform/desktop.h"

namespace ga {

struct SeenCell {
    std::string text;  // what the cell shows (an open cell while typed into)
    FontChoice font = FontChoice::kBig;
    bool notes = false;  // its digits are drawn as notes, a single one too
    CellMark mark = CellMark::kNone;
    std::string spoken;  // the description a screen reader was last given
};

class SeenBoard {
  public:
    const SeenCell& cell(int cellIndex) const { return cells_[cellIndex]; }
    // The colour mark is the window's own; nothing on the desktop sets it.
    void setMark(int cellIndex, CellMark mark) { cells_[cellIndex].mark = mark; }
    void clearMarks();

    // The cells whose one digit is a note, not a value: what the record
    // cannot tell from a single candidate of its own.
    std::bitset<kCells> singleNotes() const;

    // A control's text as it was last set or edited; empty for none.
    std::string text(int id) const;
    // The window's title as last set.
    const std::string& title() const { return title_; }
    void titleSet(const std::string& title) { title_ = title; }

    // --- kept in step by SeenBoardDesktop and the window's edit events ------------------
    void created(int id);
    void destroyed(int id);
    void textSet(int id, const std::string& text);
    void fontSet(int id, FontChoice font);
    void notesShown(int id, bool notes);
    void edited(int id, const std::string& text);
    void accessibleTextSet(int id, const std::string& description);

  private:
    SeenCell cells_[kCells];
    std::map<int, std::string> otherTexts_;
    std::string title_;
};

// The desktop as the window's logic uses it: the real one, with every change
// of a cell or control text noted in the SeenBoard on the way.
class SeenBoardDesktop : public Desktop {
  public:
    SeenBoardDesktop(Desktop& desktop, SeenBoard& seen) : desktop_(desktop), seen_(seen) {}

    Desktop& real() { return desktop_; }
    // How many modal boxes and dialogs are open over the window now.
    int modalDepth() const { return modalDepth_; }

    void setTitle(const std::string& title) override {
        seen_.titleSet(title);
        desktop_.setTitle(title);
    }
    int clientWidth() override { return desktop_.clientWidth(); }
    void setLayoutWidth(int width, double fontScale) override {
        desktop_.setLayoutWidth(width, fontScale);
    }
    ScreenRect windowRect() override { return desktop_.windowRect(); }
    void moveWindow(int left, int top, int width, int height) override {
        desktop_.moveWindow(left, top, width, height);
    }
    int screenWidth() override { return desktop_.screenWidth(); }
    int screenHeight() override { return desktop_.screenHeight(); }
    std::vector<ScreenRect> screenAreas() override { return desktop_.screenAreas(); }
    void destroyWindow() override { desktop_.destroyWindow(); }
    bool createControl(int id, ControlKind kind, const ControlRect& rect) override {
        seen_.created(id);
        return desktop_.createControl(id, kind, rect);
    }
    void destroyControl(int id) override {
        seen_.destroyed(id);
        desktop_.destroyControl(id);
    }
    void moveControl(int id, const ControlRect& rect) override { desktop_.moveControl(id, rect); }
    void setText(int id, const std::string& text) override {
        seen_.textSet(id, text);
        desktop_.setText(id, text);
    }
    std::string text(int id) override { return seen_.text(id); }
    void setFont(int id, FontChoice font) override {
        seen_.fontSet(id, font);
        desktop_.setFont(id, font);
    }
    void enableControl(int id, bool enabled) override { desktop_.enableControl(id, enabled); }
    void repaint(int id) override { desktop_.repaint(id); }
    void setMenu(const MenuDescription& menu) override { desktop_.setMenu(menu); }
    void enableMenuItem(int command, bool enabled) override {
        desktop_.enableMenuItem(command, enabled);
    }
    bool menuItemEnabled(int command) override { return desktop_.menuItemEnabled(command); }
    void checkMenuItem(int command, bool checked) override {
        desktop_.checkMenuItem(command, checked);
    }
    void messageBox(const std::string& text, const std::string& title) override;
    int runDialog(const DialogTemplate& dialog, DialogEvents& events) override;
    bool askFileName(const FileDialogRequest& request, std::string& path) override;
    PrintOutcome printPicture(const BoardPicture& picture, const std::string& fileFolder,
                              std::string& printedFile) override;
    bool savePicture(const BoardPicture& picture, const std::string& path) override {
        return desktop_.savePicture(picture, path);
    }
    PrintOutcome printPages(const Booklet& booklet, const std::string& fileFolder,
                            std::string& printedFile) override;
    bool createProgressBar(const ControlRect& rect) override {
        return desktop_.createProgressBar(rect);
    }
    ProgressSink* progressBar() override { return desktop_.progressBar(); }
    // The worker's thread: nothing of the SeenBoard is touched.
    void sendCommandFromWorker(int command) override { desktop_.sendCommandFromWorker(command); }
    std::string executableFolder() override { return desktop_.executableFolder(); }
    std::string homeFolder() override { return desktop_.homeFolder(); }
    void setClipboardText(const std::string& text) override { desktop_.setClipboardText(text); }
    std::string clipboardText() override { return desktop_.clipboardText(); }
    void showAsNotes(int id, bool notes) override {
        seen_.notesShown(id, notes);
        desktop_.showAsNotes(id, notes);
    }
    void focusControl(int id) override { desktop_.focusControl(id); }
    void checkControl(int id, bool checked) override { desktop_.checkControl(id, checked); }
    void coverBoard(bool covered, const std::string& text) override {
        desktop_.coverBoard(covered, text);
    }
    void setMenuItemText(int command, const std::string& text) override {
        desktop_.setMenuItemText(command, text);
    }
    void showMenuItem(int command, bool shown) override { desktop_.showMenuItem(command, shown); }
    long long steadyMilliseconds() override { return desktop_.steadyMilliseconds(); }
    std::string environment(const std::string& name) override { return desktop_.environment(name); }
    void showStep(const StepView& view, int questionCommand) override {
        desktop_.showStep(view, questionCommand);
    }
    void showHelp(const HelpBook& book, int page) override { desktop_.showHelp(book, page); }
    bool darkDesktop() override { return desktop_.darkDesktop(); }
    void setTheme(Theme theme) override { desktop_.setTheme(theme); }
    void setAccessibleText(int id, const std::string& name,
                           const std::string& description) override {
        seen_.accessibleTextSet(id, description);
        desktop_.setAccessibleText(id, name, description);
    }

  private:
    struct ModalScope;

    Desktop& desktop_;
    SeenBoard& seen_;
    int modalDepth_ = 0;
};

}  // namespace ga
