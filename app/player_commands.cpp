#include "app/player_commands.h"

#include <sys/stat.h>

#include "app/command_ids.h"
#include "app/file_commands.h"
#include "core/translation.h"
#include "ui/board.h"
#include "ui/play_dialogs.h"
#include "ui/recent_files.h"

namespace ga {

namespace {

bool fileExists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void saveRecent(WindowState& state) {
    const PlayerFiles& player = state.player;
    if (!player.kept()) return;
    writeUserFile(player.recentPath(), formatRecentFiles(player.recentPuzzles));
}

}  // namespace

void readPlayerFiles(PlayerFiles& player) {
    if (!player.kept()) return;
    PreferencesLoad preferences = loadPreferences(player.preferencesPath());
    player.preferences = preferences.preferences;
    if (!preferences.notice.empty()) player.notices.push_back(preferences.notice);
    StatisticsLoad statistics = loadStatistics(player.statisticsPath());
    player.statistics = std::move(statistics.statistics);
    if (!statistics.notice.empty()) player.notices.push_back(statistics.notice);
    std::string bytes;
    if (readWholeFile(player.recentPath(), bytes, 64 * 1024) == ReadOutcome::kRead)
        player.recentPuzzles = parseRecentFiles(bytes);
}

void showStatistics(Desktop& desktop, WindowState& state) {
    if (runStatisticsDialog(desktop, state.player.statistics, statisticsClassNames()))
        saveStatisticsNow(state);
}

void changePreferences(Desktop& desktop, WindowState& state) {
    Preferences chosen = state.player.preferences;
    if (!runPreferencesDialog(desktop, chosen)) return;
    state.player.preferences = chosen;
    if (state.player.kept()) savePreferences(state.player.preferencesPath(), chosen);
    // The clock label follows at once.
    state.game.shownSeconds = -2;
    lookAtClock(desktop, state.game, 0, chosen.showClock);
    showCoordinates(desktop, chosen.showCoordinates);
    showLook(desktop, state);
}

void showLook(Desktop& desktop, WindowState& state) {
    const Theme theme = themeOf(state.player.preferences.look, desktop.darkDesktop());
    if (theme == state.theme) return;
    state.theme = theme;
    desktop.setTheme(theme);
    // The cells' inks are the logic's: they follow once the cells paint again.
    for (int cell = 0; cell < kCells; ++cell) desktop.repaint(cellId(cell));
}

TextColour lookOfInk(const WindowState& state, CellInk ink) {
    const Rgb colour = inkColour(themePalette(state.theme), ink);
    return TextColour{colour.red, colour.green, colour.blue};
}

bool mistakeCueShown(const WindowState& state, CellInk ink) {
    return ink == CellInk::kMistake &&
           showsMistakeCue(state.player.preferences.mistakeCue, state.theme);
}

void saveStatisticsNow(WindowState& state) {
    if (state.player.kept()) saveStatistics(state.player.statisticsPath(), state.player.statistics);
}

void rememberRecentPuzzle(Desktop& desktop, WindowState& state, const std::string& path) {
    addRecentFile(state.player.recentPuzzles, path);
    saveRecent(state);
    showRecentPuzzles(desktop, state);
}

void showRecentPuzzles(Desktop& desktop, const WindowState& state) {
    const std::vector<std::string>& recent = state.player.recentPuzzles;
    for (int index = 0; index < kRecentPuzzleItems; ++index) {
        const int command = kCommandFirstRecentPuzzle + index;
        const bool used = static_cast<size_t>(index) < recent.size();
        if (used) {
            desktop.setMenuItemText(command, std::to_string(index + 1) + "  " + recent[index]);
        } else if (index == 0) {
            desktop.setMenuItemText(command, translate("Menu", "(none yet)"));
        }
        desktop.showMenuItem(command, used || index == 0);
        desktop.enableMenuItem(command, used);
    }
}

void openRecentPuzzle(Desktop& desktop, WindowState& state, Settings& defaults, JobControl& jobs,
                      int index) {
    std::vector<std::string>& recent = state.player.recentPuzzles;
    if (state.handBuildStage != 0 || index < 0 || static_cast<size_t>(index) >= recent.size())
        return;
    const std::string path = recent[index];
    if (!fileExists(path)) {
        removeRecentFile(recent, path);
        saveRecent(state);
        showRecentPuzzles(desktop, state);
        desktop.messageBox(
            filled(
                translate("Message", "The file %1 is no longer there; it was taken from the list."),
                {path}),
            translate("Menu", "Recent Puzzles"));
        return;
    }
    if (!confirmSave(desktop, state, defaults)) return;
    loadPuzzleFrom(desktop, state, jobs, path);
}

}  // namespace ga
