// The main window's behaviour: set-up, command routing, the board's cell
// notifications and colours, and the close flow. It sees the desktop only
// through the Desktop interface and is driven through WindowEvents, so the
// same code runs on the real desktop and under the fake in tests.
//
// Life cycle, as the desktop drives it:
//   1. main() chooses the settings place and reads the settings file, then
//      constructs the window with what it found (StartupSettings);
//   2. onCreate() once, before the window is shown; false means the settings
//      file could not be written: the desktop closes the window unshown, and
//      no worker was started;
//   3. events on the window thread; the worker's notices arrive as
//      onCommand() through Desktop::sendCommandFromWorker;
//   4. the close flow ends with Desktop::destroyWindow(). It is refused while
//      a job runs, and stops the worker only when it is idle, so joining the
//      worker never needs the window thread to serve a notice.
// Destroying the window object stops a worker still running; the desktop must
// not do that while a job runs (the worker could be waiting in its send).
//
// While a job runs the board's record belongs to the job's result, so cell
// focus notifications are held and played back once the notice is handled
// (dropped when the notice brought a new board, whose cells are new; focus
// gains dropped when it wrote values into the cells), and the
// completion check, which can enable menu items, waits for the idle menu.
//
// Around every command, notice and cell event the board's history follows the
// board, and "Undo" and "Redo" are set by it (window_commands.h).
#pragma once

#include <vector>

#include "app/jobs.h"
#include "app/resume.h"
#include "app/seen_board.h"
#include "app/window_commands.h"
#include "platform/desktop.h"
#include "ui/board.h"
#include "ui/settings_file.h"

namespace ga {

// What main() found before the window existed.
struct StartupSettings {
    SettingsPlace place;
    SettingsFile file;      // all zero when no file was read
    bool fileRead = false;  // readSettings' answer
    // Where the player's own files live (statistics, preferences, the game
    // in progress); empty: none are read or written.
    UserFolders folders;
};

class MainWindow : public WindowEvents {
  public:
    MainWindow(Desktop& desktop, const StartupSettings& settings);
    ~MainWindow() override;

    bool onCreate() override;
    void onCommand(int id) override;
    void onCellNotification(int cellId, CellNotification notification) override;
    TextColour onCellColour(int cellId) override;
    CellBackground onCellBackground(int cellId) override;
    int onCellKey(int cellId, CellKey key, CaretPlace caret) override;
    void onCloseRequest() override;
    void onCellEdited(int cellId, const std::string& text) override;
    void onCellNoteKey(int cellId, int digit) override;
    CellMark onCellMark(int cellId) override;
    bool onCellMistakeCue(int cellId) override;
    void onDesktopLook() override;
    void onTick() override;
    void onMinimised(bool minimised) override;
    // Lays the board out again at the widest width that fits the new area.
    void onClientResized(int width, int height) override;

    // --- for the desktop and for tests ---------------------------------------------
    const WindowState& state() const { return state_; }
    const SettingsFile& settingsFile() const { return file_; }
    const JobControl& jobs() const { return jobs_; }
    const CompletionCheck& completionCheck() const { return completion_; }
    bool busy() const { return jobs_.busy(); }
    bool closed() const { return closed_; }

    // A puzzle file handed over by the desktop: opened at once, or once no
    // job runs and no dialog is open (at a tick).
    void openFile(const std::string& path);

  private:
    struct HeldCellEvent {
        int cellIndex;
        CellNotification notification;
    };

    void takeNotice(int notice);
    // After every event: what the board's side views show follows the board.
    void afterEvent();
    // A command or notice brought a new board (`id` says which).
    void takeNewBoard(int id);
    // Counts the help a command gives in the game.
    void countHelp(int id);
    // The finish box of a completed game, once, when no box is open.
    void showFinish();
    // The game in progress, kept for the next start: when it changed, at
    // most once a second, on the keeper's thread; at close, at once.
    void keepGame(bool atClose);
    void applyCellEvent(int cellIndex, CellNotification notification);

    SettingsPlace place_;
    SettingsFile file_;  // the default Settings and the file's reserved head
    bool fileRead_;
    WindowState state_;
    // The desktop every handler is given: the real one, keeping state_.seen
    // in step with the cells.
    SeenBoardDesktop desktop_;
    JobControl jobs_;
    CompletionCheck completion_;
    std::vector<HeldCellEvent> heldCellEvents_;
    bool closed_ = false;
    int firstClientWidth_ = 0;  // the width the fonts have their first sizes at
    bool finishDue_ = false;    // a game was completed: its box comes at the next tick
    bool gameChanged_ = false;  // the game changed since it was last kept
    long long keptAtMs_ = -1;   // when it was last kept
    GameKeeper keeper_;
};

}  // namespace ga
