#include "app/resume.h"

#include <cstdio>
#include <cstring>

#include "app/command_ids.h"
#include "app/menu_state.h"
#include "app/window_commands.h"
#include "core/translation.h"
#include "ui/key_value_file.h"
#include "ui/puzzle_file.h"
#include "ui/user_files.h"

namespace ga {

const char* const kResumedText =
    QT_TRANSLATE_NOOP("Status", "welcome back: your game goes on where you left it");

namespace {

constexpr const char* kSideHeader = "gridAtelier game 1";
constexpr const char* kPuzzleName = "resume.ga";
constexpr const char* kSideName = "resume.game";
constexpr std::size_t kMostSideBytes = 64 * 1024;

std::string hexOf(const std::string& bytes) {
    static const char* const kDigits = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes) text += kDigits[c >> 4], text += kDigits[c & 15];
    return text;
}

bool bytesOfHex(const std::string& text, std::string& bytes) {
    if (text.size() % 2 != 0) return false;
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int value = 0;
        for (int half = 0; half < 2; ++half) {
            const char c = text[i + half];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                     : -1;
            if (digit < 0) return false;
            value = value * 16 + digit;
        }
        bytes += static_cast<char>(value);
    }
    return true;
}

// One character per cell, from `of`.
template <typename Of>
std::string cellsText(Of of) {
    std::string text;
    for (int cell = 0; cell < kCells; ++cell) text += of(cell);
    return text;
}

bool cellsOf(const KeyValueFile& file, const char* key, char highest, std::string& text) {
    if (!file.getString(key, text) || text.size() != static_cast<std::size_t>(kCells)) return false;
    for (char c : text) {
        if (c < '0' || c > highest) return false;
    }
    return true;
}

std::string pathIn(const std::string& folder, const char* name) {
    return folder + name;
}

// What could not be read is moved aside, and the player is told.
bool refuse(WindowState& state, const std::string& folder) {
    const std::string moved = moveAside(pathIn(folder, kSideName));
    moveAside(pathIn(folder, kPuzzleName));
    state.player.notices.push_back(
        moved.empty()
            ? translate("Message",
                        "The game kept from last time could not be read. A new start instead.")
            : filled(translate("Message",
                               "The game kept from last time could not be read and was moved "
                               "to %1. A new start instead."),
                     {moved}));
    return false;
}

}  // namespace

KeptGame keptGameOf(const WindowState& state) {
    KeptGame kept;
    const GameSession& game = state.game;
    // Finished, or never touched since it came: nothing to come back to.
    if (!game.started || game.finished || state.history.size() == 0) {
        kept.remove = true;
        return kept;
    }
    const BoardState board = seenBoard(state);
    unsigned char bytes[kPuzzleFileBytes];
    encodePuzzleFile(state.header, board.puzzle, bytes);
    kept.puzzleBytes.assign(reinterpret_cast<const char*>(bytes), sizeof bytes);

    KeyValueFile side(kSideHeader);
    side.set("puzzle.hash", fingerprintOf(kept.puzzleBytes));
    side.set("puzzle.bytes", hexOf(kept.puzzleBytes));
    side.set("title", state.seen.title());
    side.set("fileName", state.settings.fileName);
    side.setInt("level", state.settings.level);
    side.setInt("expressMode", state.settings.expressMode);
    side.setInt("menuMode", state.settings.menuMode);
    side.setInt("modified", state.settings.modified);
    side.set("notes.single",
             cellsText([&](int cell) { return board.singleNotes.test(size_t(cell)) ? '1' : '0'; }));
    side.set("marks", cellsText([&](int cell) {
                 return static_cast<char>('0' + static_cast<int>(state.seen.cell(cell).mark));
             }));
    side.setInt("cellInHand", state.marks.cellInHand);
    side.setInt("clock.ms", game.playedMs);
    side.setInt("hints", game.hints);
    side.setInt("solves", game.solves);
    side.set("statistics.class", game.statisticsClass);
    kept.sideBytes = side.format();
    return kept;
}

bool writeKeptGame(const std::string& folder, const KeptGame& game) {
    if (game.remove) {
        std::remove(pathIn(folder, kPuzzleName).c_str());
        std::remove(pathIn(folder, kSideName).c_str());
        return true;
    }
    // The puzzle first: resume.game, written last, decides which bytes count.
    const bool puzzle = writeUserFile(pathIn(folder, kPuzzleName), game.puzzleBytes);
    return writeUserFile(pathIn(folder, kSideName), game.sideBytes) && puzzle;
}

bool resumeGame(Desktop& desktop, WindowState& state) {
    if (!state.player.kept()) return false;
    const std::string folder = state.player.folders.state;
    std::string sideBytes;
    const ReadOutcome read = readWholeFile(pathIn(folder, kSideName), sideBytes, kMostSideBytes);
    if (read == ReadOutcome::kMissing) return false;
    KeyValueFile side(kSideHeader);
    if (read != ReadOutcome::kRead || !parseKeyValueFile(sideBytes, kSideHeader, side))
        return refuse(state, folder);

    // The puzzle: resume.ga when it is the one resume.game was written with.
    std::string hash, copy, bytes;
    if (!side.getString("puzzle.hash", hash) || !side.getString("puzzle.bytes", copy) ||
        !bytesOfHex(copy, bytes))
        return refuse(state, folder);
    std::string fileBytes;
    if (readWholeFile(pathIn(folder, kPuzzleName), fileBytes, kPuzzleFileBytes) ==
            ReadOutcome::kRead &&
        fingerprintOf(fileBytes) == hash)
        bytes = fileBytes;
    PuzzleFileHeader header;
    PuzzleRecord puzzle{};
    if (fingerprintOf(bytes) != hash ||
        decodePuzzleFile(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), header,
                         puzzle) != kPuzzleFileRead)
        return refuse(state, folder);

    long long level = 0, expressMode = 0, menuMode = 0, modified = 0, cellInHand = -1;
    long long playedMs = 0, hints = 0, solves = 0;
    std::string title, fileName, singleNotes, marks, statisticsClass;
    const bool complete =
        side.getString("title", title) && side.getString("fileName", fileName) &&
        side.getInt("level", 0, kLevelCount - 1, level) &&
        side.getInt("expressMode", 0, kExpressModeCount - 1, expressMode) &&
        side.getInt("menuMode", kMenuPlaying, kMenuLoaded, menuMode) && isPlayed(int(menuMode)) &&
        side.getInt("modified", 0, 1, modified) &&
        side.getInt("cellInHand", -1, kCells - 1, cellInHand) &&
        side.getInt("clock.ms", 0, 1000LL * 3600 * 24 * 365, playedMs) &&
        side.getInt("hints", 0, 1 << 30, hints) && side.getInt("solves", 0, 1 << 30, solves) &&
        side.getString("statistics.class", statisticsClass) && !statisticsClass.empty() &&
        cellsOf(side, "notes.single", '1', singleNotes) &&
        cellsOf(side, "marks", '0' + kCellMarkCount, marks) &&
        fileName.size() < sizeof state.settings.fileName;
    if (!complete) return refuse(state, folder);

    // The board as it was left, as loading a puzzle puts one up.
    replaceBoard(desktop, state.puzzle, puzzle);
    state.header = header;
    for (int cell = 0; cell < kCells; ++cell) {
        state.seen.setMark(cell, static_cast<CellMark>(marks[cell] - '0'));
        if (singleNotes[cell] == '1') showSeenCell(desktop, state.puzzle, cell, true);
    }
    desktop.setTitle(title);
    std::memcpy(state.settings.fileName, fileName.c_str(), fileName.size() + 1);
    setLevel(desktop, state.settings.level, static_cast<int>(level));
    setExpressMode(desktop, state.settings.expressMode, static_cast<int>(expressMode),
                   state.puzzle.answerKnown != 0);
    enterMenuMode(desktop, state, static_cast<int>(menuMode));
    state.settings.modified = static_cast<int>(modified);
    repaintOpenCells(desktop, state.puzzle);

    GameSession& game = state.game;
    game = GameSession{};
    game.started = true;
    game.touched = true;
    game.playedMs = playedMs;
    game.hints = static_cast<int>(hints);
    game.solves = static_cast<int>(solves);
    game.statisticsClass = statisticsClass;
    game.lastLookMs = desktop.steadyMilliseconds();
    game.focusDue = static_cast<int>(cellInHand);  // once the window is shown

    desktop.setText(kStatusBoxId, translate("Status", kResumedText));
    state.history.start(seenBoard(state));
    return true;
}

// --- the writer thread ----------------------------------------------------------------

GameKeeper::~GameKeeper() {
    finish();
}

void GameKeeper::keep(const std::string& folder, KeptGame game) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return;
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    folder_ = folder;
    game_ = std::move(game);
    pending_ = true;
    changed_.notify_all();
}

void GameKeeper::finish() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
}

void GameKeeper::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return pending_ || stopping_; });
        if (!pending_) return;
        const std::string folder = folder_;
        const KeptGame game = std::move(game_);
        pending_ = false;
        lock.unlock();
        writeKeptGame(folder, game);
        lock.lock();
    }
}

}  // namespace ga
