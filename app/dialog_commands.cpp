#include "app/dialog_commands.h"

#include <cstring>

#include "app/file_commands.h"
#include "app/menu_state.h"
#include "app/status_messages.h"
#include "core/regions.h"
#include "core/translation.h"
#include "generator/serial.h"
#include "ui/board.h"
#include "ui/default_settings_dialog.h"
#include "ui/record_regions_dialog.h"
#include "ui/recreate_dialog.h"

namespace ga {

namespace {

constexpr const char* kAlertTitle = QT_TRANSLATE_NOOP("Message", "alert");
constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("Message", "error");

}  // namespace

void changeDefaultSettings(Desktop& desktop, WindowState& state, Settings& defaults) {
    if (runDefaultSettingsDialog(desktop, defaults, state.settings) != kDialogOkay) return;
    if (state.settings.reflectToCurrent != 1) return;
    // No status message, and the cells take their new colours when next painted.
    setExpressMode(desktop, state.settings.expressMode, defaults.expressMode,
                   state.puzzle.answerKnown != 0);
    setLevel(desktop, state.settings.level, defaults.level);
    state.settings.neverConfirmSave = defaults.neverConfirmSave;
}

void recreateFromSerial(Desktop& desktop, WindowState& state, Settings& defaults) {
    if (!confirmSave(desktop, state, defaults)) return;
    if (runRecreateDialog(desktop, state.settings) != kDialogOkay) return;

    PuzzleRecord recreated = state.puzzle;
    std::memcpy(recreated.serial, state.settings.recreateSerial, sizeof recreated.serial);
    const int check = recreatePuzzle(recreated);
    if (check != 0) {
        // The dialog accepts only numbers that pass; a refusal here means the
        // settings changed under it, and the board is kept.
        desktop.messageBox(serialRefusalText(check), translate("Message", kAlertTitle));
        return;
    }
    replaceBoard(desktop, state.puzzle, recreated);

    state.header.puzzleClass = state.settings.level;
    state.header.headerSize = kPuzzleHeaderBytes;
    desktop.setTitle(newPuzzleTitle(state.settings.level, state.puzzle.serial));
    state.settings.modified = 1;
    enterMenuMode(desktop, state, kMenuPlaying);
    setStatus(desktop, state, kStatusNewPuzzle);
    applyPendingDefaults(defaults, state.settings);
}

bool chooseRegionRecording(Desktop& desktop, WindowState& state) {
    return runRecordRegionsDialog(desktop, state.settings, state.files) == kDialogOkay;
}

void finishRegionRecording(Desktop& desktop, WindowState& state, Settings& defaults, int result) {
    if (result == kCsvOpenFailed)
        desktop.messageBox(translate("Message", kCsvOpenFailedText),
                           translate("Message", kErrorTitle));
    applyPendingDefaults(defaults, state.settings);
}

}  // namespace ga
