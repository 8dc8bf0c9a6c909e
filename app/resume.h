// The game in progress kept across closing: `resume.ga` (the board's record
// as a puzzle file, what the cell in hand shows included) and `resume.game`
// beside it for what that layout cannot hold, both in the player's state
// folder. They are written whenever the game changed, at most once a second,
// and at close; on a thread of their own, so that the window never waits for
// the disk, except at close.
//
// resume.game carries a copy of the puzzle bytes and their hash: should a
// write of resume.ga succeed and the one of resume.game fail (a full disk),
// the pair disagrees and the copy, which matches the rest of resume.game, is
// the last good state.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/desktop.h"

namespace ga {

struct WindowState;

constexpr long long kKeepIntervalMs = 1000;
extern const char* const kResumedText;  // the status box after a resume

// What one keeping writes: the two files' bytes, or none to remove them.
struct KeptGame {
    bool remove = false;
    std::string puzzleBytes;
    std::string sideBytes;
};

// The two files' contents for the game as it stands; `remove` when it is not
// to be resumed (no game, a finished one, or one never touched).
KeptGame keptGameOf(const WindowState& state);
// Writes them (or removes the files) in `folder`; false when a write failed.
bool writeKeptGame(const std::string& folder, const KeptGame& game);

// Puts the kept game on the board at start; false (and the design's start
// stays as it is) when there is none, or when it could not be read: the files
// are then moved aside with a notice.
bool resumeGame(Desktop& desktop, WindowState& state);

// The writer thread: the newest game handed to it is written, older ones
// that were never written are dropped.
class GameKeeper {
  public:
    GameKeeper() = default;
    ~GameKeeper();
    GameKeeper(const GameKeeper&) = delete;
    GameKeeper& operator=(const GameKeeper&) = delete;

    void keep(const std::string& folder, KeptGame game);
    // Writes what is pending and stops the thread; returns once done.
    void finish();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
    bool pending_ = false;
    bool stopping_ = false;
    std::string folder_;
    KeptGame game_;
};

}  // namespace ga
