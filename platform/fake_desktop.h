// A desktop without a display, for tests of the program's logic. It records
// what a real desktop would show, and logs every call that changes something as
// a readable line (`setText 1500 "welcome"`, `progress position 40`). A test
// scripts the world outside: sizes, the player in dialogs and file dialogs, how
// the window answers the worker, and when open cells are painted. The worker
// thread and the test's thread may call it at once; callbacks run with no lock
// held, so they may call the fake again.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "platform/fake_dialog.h"

namespace ga {

class FakeDesktop : public Desktop, private ProgressSink {
  public:
    struct MenuItemState {
        bool enabled = true;
        bool checked = false;
        bool shown = true;
        std::string text;  // only what setMenuItemText set
    };
    struct ControlState {
        ControlKind kind = ControlKind::kOpenCell;
        ControlRect rect;
        std::string text;
        std::optional<FontChoice> font;  // none until setFont: the platform's default
        bool enabled = true;
        std::optional<TextColour> paintedColour;  // open cells, after paintPendingCells
        bool notes = false;                       // shown as notes, until a text is set
        bool checked = false;                     // a digit button
        std::string accessibleName;               // what a screen reader is told
        std::string accessibleDescription;
    };
    struct MessageBoxCall {
        std::string text;
        std::string title;
    };

    void setTitle(const std::string& title) override {
        change("setTitle " + quoted(title), [&] { title_ = title; });
    }
    int clientWidth() override { return read(clientWidth_); }
    void setLayoutWidth(int width, double /*fontScale*/) override {
        change("setLayoutWidth " + std::to_string(width), [&] { clientWidth_ = width; });
    }
    ScreenRect windowRect() override { return read(windowRect_); }
    void moveWindow(int left, int top, int width, int height) override {
        change("moveWindow" + numbers({left, top, width, height}), [&] {
            windowRect_ = ScreenRect{left, top, left + width, top + height};
        });
    }
    int screenWidth() override { return read(screenSize_).first; }
    int screenHeight() override { return read(screenSize_).second; }
    std::vector<ScreenRect> screenAreas() override { return read(screenAreas_); }
    void destroyWindow() override {
        change("destroyWindow", [&] { destroyed_ = true; });
    }
    bool createControl(int id, ControlKind kind, const ControlRect& rect) override;
    void destroyControl(int id) override {
        change("destroyControl " + std::to_string(id), [&] {
            controls_.erase(id);
            pendingPaint_.erase(id);
        });
    }
    void moveControl(int id, const ControlRect& rect) override {
        changeControl("moveControl", id, numbers({rect.x, rect.y, rect.width, rect.height}),
                      [&](ControlState& c) { c.rect = rect; });
    }
    void setText(int id, const std::string& text) override {
        changeControl("setText", id, " " + quoted(text), [&](ControlState& c) {
            c.text = text;
            c.notes = false;
        });
    }
    std::string text(int id) override {
        const std::optional<ControlState> shown = control(id);
        return shown ? shown->text : std::string();
    }
    void setFont(int id, FontChoice font) override {
        changeControl("setFont", id, font == FontChoice::kBig ? " big" : " small",
                      [&](ControlState& c) { c.font = font; });
    }
    void enableControl(int id, bool enabled) override {
        changeControl("enableControl", id, enabled ? " 1" : " 0",
                      [&](ControlState& c) { c.enabled = enabled; });
    }
    void repaint(int id) override {
        changeControl("repaint", id, "", [](ControlState&) {});
    }
    void setMenu(const MenuDescription& menu) override;
    void enableMenuItem(int command, bool enabled) override {
        changeItem("enableMenuItem", command, enabled,
                   [&](MenuItemState& i) { i.enabled = enabled; });
    }
    bool menuItemEnabled(int command) override {
        const std::optional<MenuItemState> item = menuItem(command);
        return item && item->enabled;
    }
    void checkMenuItem(int command, bool checked) override {
        changeItem("checkMenuItem", command, checked,
                   [&](MenuItemState& i) { i.checked = checked; });
    }
    void messageBox(const std::string& text, const std::string& title) override {
        change("messageBox " + quoted(text) + " " + quoted(title), [&] {
            messageBoxes_.push_back(MessageBoxCall{text, title});
        });
    }
    int runDialog(const DialogTemplate& dialog, DialogEvents& events) override;
    bool askFileName(const FileDialogRequest& request, std::string& path) override;
    // Pictures are recorded with their path ("" when printed on paper).
    PrintOutcome printPicture(const BoardPicture& picture, const std::string& fileFolder,
                              std::string& printedFile) override {
        printedFile = read(printFile_);
        return takePicture("printPicture " + quoted(fileFolder), picture, printedFile)
                   ? PrintOutcome::kPrinted
                   : PrintOutcome::kFailed;
    }
    bool savePicture(const BoardPicture& picture, const std::string& path) override {
        return takePicture("savePicture " + quoted(path), picture, path);
    }
    // Booklets are logged with their page count and kept whole.
    PrintOutcome printPages(const Booklet& booklet, const std::string& fileFolder,
                            std::string& printedFile) override {
        printedFile = read(printFile_);
        change("printPages " + std::to_string(booklet.pages.size()) + " " + quoted(fileFolder),
               [&] { booklets_.push_back(booklet); });
        return read(picturesSucceed_) ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
    }
    bool createProgressBar(const ControlRect& rect) override {
        change("createProgressBar" + numbers({rect.x, rect.y, rect.width, rect.height}),
               [&] { progressBarExists_ = true; });
        return true;
    }
    ProgressSink* progressBar() override { return read(progressBarExists_) ? this : nullptr; }
    void sendCommandFromWorker(int command) override;
    std::string executableFolder() override { return read(executableFolder_); }
    std::string homeFolder() override { return "/home/player/"; }
    // The clipboard is a plain member: a test fills it and reads it back.
    void setClipboardText(const std::string& text) override {
        change("setClipboardText " + quoted(text), [&] { clipboard_ = text; });
    }
    std::string clipboardText() override { return read(clipboard_); }
    void showAsNotes(int id, bool notes) override {
        changeControl("showAsNotes", id, notes ? " 1" : " 0",
                      [&](ControlState& c) { c.notes = notes; });
    }
    void focusControl(int id) override { note("focusControl " + std::to_string(id)); }
    void checkControl(int id, bool checked) override {
        changeControl("checkControl", id, checked ? " 1" : " 0",
                      [&](ControlState& c) { c.checked = checked; });
    }
    void coverBoard(bool covered, const std::string& text) override {
        change("coverBoard " + std::string(covered ? "1 " : "0 ") + quoted(text),
               [&] { cover_ = covered ? text : std::string(); });
    }
    void setMenuItemText(int command, const std::string& text) override {
        change("setMenuItemText " + std::to_string(command) + " " + quoted(text), [&] {
            auto found = menuItems_.find(command);
            if (found != menuItems_.end()) found->second.text = text;
        });
    }
    void showMenuItem(int command, bool shown) override {
        changeItem("showMenuItem", command, shown, [&](MenuItemState& i) { i.shown = shown; });
    }
    long long steadyMilliseconds() override { return read(steadyMs_); }
    // Logged in words: the question, then each drawn cell, ring and link.
    void showStep(const StepView& view, int questionCommand) override;
    void showHelp(const HelpBook& book, int page) override;
    std::string environment(const std::string& name) override {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = environment_.find(name);
        return found != environment_.end() ? found->second : std::string();
    }
    bool darkDesktop() override { return read(darkDesktop_); }
    void setTheme(Theme theme) override {
        change("setTheme " + std::to_string(static_cast<int>(theme)), [&] { theme_ = theme; });
    }
    // Kept, not logged: nothing the player sees changes.
    void setAccessibleText(int id, const std::string& name,
                           const std::string& description) override {
        change("", [&] {
            auto found = controls_.find(id);
            if (found == controls_.end()) return;
            found->second.accessibleName = name;
            found->second.accessibleDescription = description;
        });
    }

    // --- scripting -----------------------------------------------------------------
    // Menu items exist once added (enabled, unchecked, as a freshly built menu),
    // by setMenu or here; calls for other identifiers change nothing.
    void addMenuItems(const std::vector<int>& commands);
    void setScreenSize(int width, int height) { set(screenSize_, std::make_pair(width, height)); }
    void setWindowRect(const ScreenRect& rect) { set(windowRect_, rect); }
    // The screens' areas (none by default: the desktop cannot tell).
    void setScreenAreas(std::vector<ScreenRect> areas) { set(screenAreas_, std::move(areas)); }
    void setExecutableFolder(const std::string& folder) { set(executableFolder_, folder); }
    // Plays the player in every dialog, after it opened. A dialog the script
    // leaves open is closed with the close box; one that stays open even then
    // returns 2.
    void onDialog(std::function<void(FakeDialog&)> script) { set(dialogScript_, script); }
    // Answers every file dialog: true with a path, or false for "cancelled"
    // (the default).
    void onFileDialog(std::function<bool(const FileDialogRequest&, std::string& path)> answer) {
        set(fileDialogAnswer_, answer);
    }
    // The window's handling of a command sent by the worker. By default it runs
    // at once on the worker's thread. Queued, the worker blocks until the
    // test's thread, standing in for the window thread, takes the command with
    // deliverWorkerCommand (false when none arrived within the timeout).
    void onWorkerCommand(std::function<void(int command)> handler) { set(workerHandler_, handler); }
    void queueWorkerCommands() { set(workerQueued_, true); }
    bool deliverWorkerCommand(std::chrono::milliseconds timeout);
    // The window's answer when an open cell asks for its colour. paintPendingCells
    // paints every open cell created, written, given a font or repainted since
    // the last paint, in identifier order; it returns how many.
    void onColourRequest(std::function<TextColour(int id)> handler) {
        set(colourHandler_, handler);
    }
    int paintPendingCells();
    // Whether pictures are printed and saved (they are by default).
    void picturesSucceed(bool succeed) { set(picturesSucceed_, succeed); }
    // The player's choice in the print dialog: the file to print to, or ""
    // (the default) for a printer.
    void printToFile(const std::string& path) { set(printFile_, path); }
    // The steady clock and the environment the window reads (not logged).
    void advanceSteadyClock(long long ms) {
        std::lock_guard<std::mutex> lock(mutex_);
        steadyMs_ += ms;
    }
    void setEnvironment(const std::string& name, const std::string& value) {
        std::lock_guard<std::mutex> lock(mutex_);
        environment_[name] = value;
    }
    // Whether the desktop's own colours are dark (they are light by default).
    void setDarkDesktop(bool dark) { set(darkDesktop_, dark); }
    Theme theme() const { return read(theme_); }
    // The text of the cover over the board, empty while there is none.
    std::string cover() const { return read(cover_); }

    // --- inspection (not logged) ---------------------------------------------------
    std::vector<std::string> logStartingWith(std::string_view prefix) const;
    std::optional<MenuItemState> menuItem(int command) const;
    std::set<int> menuItems(bool MenuItemState::*which) const;  // the enabled, or the checked
    std::optional<ControlState> control(int id) const;
    std::string shownTitle() const { return read(title_); }
    bool windowDestroyed() const { return read(destroyed_); }
    std::vector<MessageBoxCall> messageBoxes() const { return read(messageBoxes_); }
    std::vector<int> dialogsRun() const { return read(dialogsRun_); }  // template numbers
    std::vector<FileDialogRequest> fileDialogs() const { return read(fileDialogs_); }
    std::vector<std::pair<BoardPicture, std::string>> pictures() const { return read(pictures_); }
    std::vector<Booklet> booklets() const { return read(booklets_); }

  private:
    // The progress bar; its calls come from the worker thread.
    void show() override { note("progress show"); }
    void hide() override { note("progress hide"); }
    void setPosition(int position) override {
        note("progress position " + std::to_string(position));
    }
    bool takePicture(std::string line, const BoardPicture& picture, const std::string& path) {
        change(std::move(line), [&] { pictures_.emplace_back(picture, path); });
        return read(picturesSucceed_);
    }
    static std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }
    static std::string numbers(std::initializer_list<int> values);

    template <typename T>
    T read(const T& field) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return field;
    }
    template <typename T>
    void set(T& field, T value) {
        std::lock_guard<std::mutex> lock(mutex_);
        field = std::move(value);
    }
    // Under the lock: logs the line (none when empty) and applies the change.
    template <typename Apply>
    void change(std::string line, Apply apply) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!line.empty()) log_.push_back(std::move(line));
        apply();
    }
    void note(std::string line) {
        change(std::move(line), [] {});
    }
    // The same for a control, which then waits to be painted when it is an open cell.
    template <typename Apply>
    void changeControl(const char* call, int id, const std::string& rest, Apply apply) {
        change(call + (" " + std::to_string(id)) + rest, [&] {
            auto found = controls_.find(id);
            if (found == controls_.end()) return;
            apply(found->second);
            if (found->second.kind == ControlKind::kOpenCell) pendingPaint_.insert(id);
        });
    }
    template <typename Apply>
    void changeItem(const char* call, int command, bool on, Apply apply) {
        change(call + (" " + std::to_string(command)) + (on ? " 1" : " 0"), [&] {
            auto found = menuItems_.find(command);
            if (found != menuItems_.end()) apply(found->second);
        });
    }

    mutable std::mutex mutex_;
    std::vector<std::string> log_;
    std::map<int, MenuItemState> menuItems_;
    std::map<int, ControlState> controls_;
    std::set<int> pendingPaint_;
    std::function<TextColour(int)> colourHandler_;
    std::string title_;
    ScreenRect windowRect_{0, 0, 476, 600};
    int clientWidth_ = 460;
    std::pair<int, int> screenSize_{1920, 1080};
    std::vector<ScreenRect> screenAreas_;
    bool destroyed_ = false;
    std::string executableFolder_ = "./";
    std::vector<MessageBoxCall> messageBoxes_;
    std::function<void(FakeDialog&)> dialogScript_;
    std::vector<int> dialogsRun_;
    std::function<bool(const FileDialogRequest&, std::string&)> fileDialogAnswer_;
    std::vector<FileDialogRequest> fileDialogs_;
    std::vector<std::pair<BoardPicture, std::string>> pictures_;
    std::vector<Booklet> booklets_;
    bool picturesSucceed_ = true;
    std::string printFile_;
    bool progressBarExists_ = false;
    std::function<void(int)> workerHandler_;
    bool workerQueued_ = false;
    std::deque<int> workerCommands_;
    unsigned long long workerSent_ = 0;
    unsigned long long workerHandled_ = 0;
    std::condition_variable workerChanged_;
    std::string clipboard_;
    long long steadyMs_ = 0;
    std::map<std::string, std::string> environment_;
    std::string cover_;
    bool darkDesktop_ = false;
    Theme theme_ = Theme::kLight;
};

}  // namespace ga
