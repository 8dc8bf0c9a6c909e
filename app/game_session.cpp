#include "app/game_session.h"

#include "app/command_ids.h"
#include "app/order_commands.h"
#include "app/window_commands.h"
#include "core/difficulty_class.h"
#include "core/translation.h"

namespace ga {

const char* const kOwnPuzzlesClass = QT_TRANSLATE_NOOP("Class", "Own Puzzles");

namespace {

constexpr const char* kPausedText =
    QT_TRANSLATE_NOOP("Window", "Paused\r\n\r\nCtrl + Shift + T plays on");

}  // namespace

std::vector<std::string> statisticsClassNames() {
    std::vector<std::string> names = classNames(kLowestClass, kHighestClass);
    addOrderStatisticsClasses(names);
    names.emplace_back(kOwnPuzzlesClass);
    return names;
}

void startGame(Desktop& desktop, WindowState& state, Statistics& statistics,
               const std::string& className) {
    if (state.game.paused) resumeFromPause(desktop, state);
    GameSession& game = state.game;
    const bool minimised = game.minimised;
    game = GameSession{};
    game.minimised = minimised;
    game.started = true;
    game.statisticsClass = className;
    game.lastLookMs = desktop.steadyMilliseconds();
    recordStart(statistics, className);
}

void endGame(Desktop& desktop, WindowState& state) {
    if (state.game.paused) resumeFromPause(desktop, state);
    state.game.started = false;
}

bool clockRuns(const GameSession& game, int modalDepth) {
    return game.started && !game.finished && !game.paused && !game.minimised && modalDepth == 0;
}

void lookAtClock(Desktop& desktop, GameSession& game, int modalDepth, bool showClock) {
    const long long now = desktop.steadyMilliseconds();
    if (clockRuns(game, modalDepth) && game.lastLookMs >= 0 && now > game.lastLookMs)
        game.playedMs += now - game.lastLookMs;
    game.lastLookMs = now;
    const long long seconds = showClock && game.started ? game.playedMs / 1000 : -1;
    if (seconds == game.shownSeconds) return;
    game.shownSeconds = seconds;
    desktop.setText(kClockId, seconds < 0 ? std::string() : formatPlayedTime(seconds));
}

void togglePause(Desktop& desktop, WindowState& state) {
    GameSession& game = state.game;
    if (game.paused) {
        resumeFromPause(desktop, state);
        return;
    }
    if (!game.started || game.finished) return;
    game.paused = true;
    desktop.coverBoard(true, translate("Window", kPausedText));
    desktop.checkMenuItem(kCommandPause, true);
}

void resumeFromPause(Desktop& desktop, WindowState& state) {
    if (!state.game.paused) return;
    state.game.paused = false;
    desktop.coverBoard(false, std::string());
    desktop.checkMenuItem(kCommandPause, false);
}

}  // namespace ga
