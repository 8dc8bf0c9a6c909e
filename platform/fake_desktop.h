// A desktop without a display, for tests of the program's logic. It keeps the
// state a real desktop would show (menu items, controls, title, window
// placement, progress bar), writes every call into a log of readable lines,
// and lets a test script the world outside: screen and window sizes, controls
// that cannot be made, what happens while a message box is open, how the
// window answers the worker, and when a cell asks for its colour.
//
// Log lines, one per call; texts are quoted, with \r, \n, \" and \\ escaped:
//   setTitle "gridAtelier"        clientWidth                 windowRect
//   moveWindow 10 20 300 400      screenWidth                 screenHeight
//   destroyWindow                 createControl 1501 openCell 20 20 28 28
//   destroyControl 1501           moveControl 1500 20 296 256 42
//   setText 1500 "welcome"        text 1501                   setFont 1501 big
//   enableControl 1311 0          repaint 1501
//   enableMenuItem 1112 0         checkMenuItem 1210 1
//   messageBox "text" "title"     createProgressBar 30 281 240 11
//   progressBar                   progress show | progress hide | progress position 40
//   sendCommandFromWorker 1110    executableFolder            homeFolder
//   runDialog 3000 -> 2           askFileName save "save file as ..." -> "a/b.ga"
//                                 askFileName open "open file selected" -> cancelled
//
// The worker thread and the test's thread may call it at once. Callbacks run
// with no lock held, so they may call the fake again.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop.h"
#include "platform/fake_dialog.h"

namespace ga {

class FakeDesktop : public Desktop {
  public:
    struct MenuItemState {
        bool enabled = true;
        bool checked = false;
    };

    struct ControlState {
        ControlKind kind = ControlKind::kOpenCell;
        ControlRect rect;
        std::string text;
        std::optional<FontChoice> font;  // none until setFont: the platform's default
        bool enabled = true;
        std::optional<TextColour> paintedColour;  // open cells, after paintPendingCells
    };

    struct MessageBoxCall {
        std::string text;
        std::string title;
    };

    struct ProgressBarState {
        bool exists = false;
        bool visible = false;  // created hidden, like the real bar
        int position = 0;
        ControlRect rect;
    };

    FakeDesktop();
    ~FakeDesktop() override;

    // --- Desktop ---------------------------------------------------------------
    void setTitle(const std::string& title) override;
    int clientWidth() override;
    ScreenRect windowRect() override;
    void moveWindow(int left, int top, int width, int height) override;
    int screenWidth() override;
    int screenHeight() override;
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
    bool createProgressBar(const ControlRect& rect) override;
    ProgressSink* progressBar() override;
    void sendCommandFromWorker(int command) override;
    std::string executableFolder() override;
    std::string homeFolder() override;  // "/home/player/"

    // --- scripting ---------------------------------------------------------------
    // Menu items exist only once added (enabled, unchecked, as a freshly built
    // menu); calls for other identifiers are logged and change nothing.
    void addMenuItems(const std::vector<int>& commands);
    void setClientWidth(int width);
    void setScreenSize(int width, int height);
    void setWindowRect(const ScreenRect& rect);
    void setExecutableFolder(const std::string& folder);
    void failControlCreation(int id);
    void failProgressBarCreation();
    // Runs while the box is open, before messageBox returns.
    void onMessageBox(std::function<void(const MessageBoxCall&)> handler);
    // Plays the player in every dialog, after it opened. A dialog the script
    // leaves open is closed with the close box; one that stays open even then
    // returns 2. Without a script every dialog is closed that way.
    void onDialog(std::function<void(FakeDialog&)> script);
    // Answers every file dialog: true with a path, or false for "cancelled"
    // (the default).
    void onFileDialog(std::function<bool(const FileDialogRequest&, std::string& path)> answer);
    // The window's handling of a command sent by the worker.
    void onWorkerCommand(std::function<void(int command)> handler);
    // By default the handler runs at once on the worker's thread. Queued, the
    // worker blocks until the test's thread, standing in for the window
    // thread, takes the command with deliverWorkerCommand.
    void queueWorkerCommands();
    // Runs the handler for the next queued command on this thread, then lets
    // its worker go on. False when none arrived within the timeout.
    bool deliverWorkerCommand(std::chrono::milliseconds timeout);
    // The window's answer when an open cell asks for its colour.
    void onColourRequest(std::function<TextColour(int id)> handler);
    // Paints every open cell created, written, given a font or repainted since
    // the last paint, in identifier order, as the desktop's event loop would.
    // Returns how many cells were painted.
    int paintPendingCells();

    // --- inspection (not logged) ---------------------------------------------------
    std::vector<std::string> log() const;
    std::vector<std::string> logStartingWith(std::string_view prefix) const;
    void clearLog();
    std::optional<MenuItemState> menuItem(int command) const;
    std::optional<ControlState> control(int id) const;
    std::string shownTitle() const;
    ScreenRect shownWindowRect() const;
    bool windowDestroyed() const;
    std::vector<MessageBoxCall> messageBoxes() const;
    std::vector<int> dialogsRun() const;  // template numbers, in order
    std::vector<FileDialogRequest> fileDialogs() const;
    ProgressBarState progressBarState() const;

  private:
    class RecordingBar;

    void record(std::string line);  // the caller holds the lock
    void markForPaint(int id);      // the caller holds the lock

    mutable std::mutex mutex_;
    std::vector<std::string> log_;

    std::map<int, MenuItemState> menuItems_;
    std::map<int, ControlState> controls_;
    std::set<int> failingControls_;
    std::set<int> pendingPaint_;
    std::function<TextColour(int)> colourHandler_;

    std::string title_;
    ScreenRect windowRect_;
    int clientWidth_;
    int screenWidth_;
    int screenHeight_;
    bool destroyed_ = false;
    std::string executableFolder_;

    std::vector<MessageBoxCall> messageBoxes_;
    std::function<void(const MessageBoxCall&)> messageBoxHandler_;

    std::function<void(FakeDialog&)> dialogScript_;
    std::vector<int> dialogsRun_;
    std::function<bool(const FileDialogRequest&, std::string&)> fileDialogAnswer_;
    std::vector<FileDialogRequest> fileDialogs_;

    bool progressBarFails_ = false;
    ProgressBarState progressBar_;
    std::unique_ptr<RecordingBar> bar_;  // lives as long as the fake

    std::function<void(int)> workerHandler_;
    bool workerQueued_ = false;
    std::deque<int> workerCommands_;
    unsigned long long workerSent_ = 0;
    unsigned long long workerHandled_ = 0;
    std::condition_variable workerChanged_;
};

}  // namespace ga
