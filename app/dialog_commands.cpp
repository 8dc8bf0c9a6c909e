#include "app/dialog_commands.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "app/command_ids.h"
#include "app/file_commands.h"
#include "app/jobs.h"
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

// 1126's search, as the dialog set it up; the board is left alone.
class RegionJob : public Job {
  public:
    explicit RegionJob(const Settings& settings)
        : Job(kJobRecordRegions),
          csvPath_(settings.csvPath, strnlen(settings.csvPath, sizeof settings.csvPath)),
          level_(settings.searchLevel),
          count_(settings.searchCount),
          maxCells_(settings.maxRegionCells) {}

    int run(ProgressMeter& meter, const std::atomic<bool>&) override {
        result_ = recordRegions(RegionRequest{csvPath_.c_str(), level_, count_, maxCells_}, meter);
        return kCommandRecordRegions;
    }

    // The status stays; a file that could not be written is reported, and
    // the "save as default" choices reach the defaults.
    Taken take(Desktop& desktop, WindowState& state, Settings& defaults) override {
        showIdleMenu(desktop, state);
        if (result_ == kCsvOpenFailed)
            desktop.messageBox(translate("Message", kCsvOpenFailedText),
                               translate("Message", kErrorTitle));
        applyPendingDefaults(defaults, state.settings);
        return Taken::kBoardKept;
    }

  private:
    std::string csvPath_;
    int level_, count_, maxCells_;
    RecordRegionsResult result_ = kRecordWritten;
};

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
    std::copy(std::begin(state.settings.recreateSerial), std::end(state.settings.recreateSerial),
              recreated.serial.begin());
    const int check = recreatePuzzle(recreated);
    if (check != 0) {
        // The dialog accepts only numbers that pass; a refusal here means the
        // settings changed under it, and the board is kept.
        desktop.messageBox(translate("Serial", serialRefusalText(check)),
                           translate("Message", kAlertTitle));
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

std::unique_ptr<Job> prepareRegionJob(Desktop&, WindowState& state, int) {
    return std::make_unique<RegionJob>(state.settings);
}

}  // namespace ga
