#include "app/hand_build.h"

#include <string>

#include "app/command_ids.h"
#include "app/file_commands.h"
#include "app/menu_state.h"
#include "app/status_messages.h"
#include "core/translation.h"
#include "ui/board.h"

namespace ga {

namespace {

constexpr const char* kHandBuiltTitleSuffix = QT_TRANSLATE_NOOP("Window", " -- Hand-Build");

constexpr int kButtonHeight = 30;
constexpr int kButtonMargin = 20;

struct ButtonSpec {
    int id;
    const char* label;
};

constexpr ButtonSpec kButtons[] = {
    {kButtonRegister, QT_TRANSLATE_NOOP("Window", "Registre")},
    {kButtonWithoutAnswer, QT_TRANSLATE_NOOP("Window", "Without Answer")},
    {kButtonCancelHandBuild, QT_TRANSLATE_NOOP("Window", "Cancel")},
};

bool isDigitValue(int32_t number) {
    return number >= 1 && number <= 9;
}

void restoreMenuBeforeBuild(Desktop& desktop, WindowState& state) {
    // Pattern 16 greyed items that patterns 2 and 8 leave alone.
    restoreMenu(desktop, state.menuBeforeHandBuild);
    enterMenuMode(desktop, state, state.settings.menuModeBeforeHandBuild);
}

void markHandBuilt(Desktop& desktop, PuzzleFileHeader& header) {
    header.puzzleClass = kHandBuiltClass;
    desktop.setTitle(std::string(kProgramName) + translate("Window", kHandBuiltTitleSuffix));
}

void finishBuild(Desktop& desktop, PuzzleFileHeader& header) {
    markHandBuilt(desktop, header);
    removeHandBuildButtons(desktop);
}

void leaveBuild(Desktop& desktop, WindowState& state) {
    enterMenuMode(desktop, state, kMenuPlaying);
    state.settings.modified = 1;
    state.handBuildStage = 0;
}

}  // namespace

namespace {

// The status box shortened and the three buttons under it, made or moved.
void placeHandBuildButtons(Desktop& desktop, bool create) {
    const int width = desktop.clientWidth();
    const BoardLayout layout = boardLayout(width);
    ControlRect statusBox = layout.statusBox;
    statusBox.height -= kButtonHeight;
    desktop.moveControl(kStatusBoxId, statusBox);

    const int buttonWidth = (width - 2 * kButtonMargin) / 3;
    const int buttonY = statusBox.y + statusBox.height;
    // Each button starts where its third of the board does.
    const int buttonX[] = {layout.offsets[0], layout.offsets[3], layout.offsets[6]};
    for (int i = 0; i < 3; ++i) {
        const ButtonSpec& button = kButtons[i];
        const ControlRect rect{buttonX[i], buttonY, buttonWidth, kButtonHeight};
        if (!create) {
            desktop.moveControl(button.id, rect);
            continue;
        }
        desktop.createControl(button.id, ControlKind::kPushButton, rect);
        desktop.setText(button.id, translate("Window", button.label));
        desktop.setFont(button.id, FontChoice::kSmall);
    }
}

}  // namespace

void showHandBuildButtons(Desktop& desktop) {
    placeHandBuildButtons(desktop, true);
}

void layOutHandBuildButtons(Desktop& desktop) {
    placeHandBuildButtons(desktop, false);
}

void removeHandBuildButtons(Desktop& desktop) {
    for (const ButtonSpec& button : kButtons) desktop.destroyControl(button.id);
    desktop.moveControl(kStatusBoxId, boardLayout(desktop.clientWidth()).statusBox);
}

void startHandBuild(Desktop& desktop, WindowState& state, Settings& defaults) {
    if (state.handBuildStage != 0) return;
    if (!confirmSave(desktop, state, defaults)) return;

    state.settings.menuModeBeforeHandBuild = state.settings.menuMode;
    state.modifiedBeforeHandBuild = state.settings.modified;
    state.menuBeforeHandBuild = takeMenuSnapshot(desktop);
    enterMenuMode(desktop, state, kMenuHandBuildClues);
    PuzzleRecord empty{};
    resetRecord(empty);
    replaceBoard(desktop, state.puzzle, empty, &state.handBuildBackup);
    showHandBuildButtons(desktop);
    desktop.enableControl(kButtonWithoutAnswer, false);
    showHandBuildMessage(desktop, HandBuildMessage::kEnterClues);
    state.handBuildStage = 1;
}

RegisterVerdict registerClues(Desktop& desktop, PuzzleRecord& record) {
    // Built aside and kept only when accepted: after a refusal every cell is
    // still editable, so the record must go on calling them all open.
    PuzzleRecord clues = record;
    int clueCount = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        // The texts, not the record: the cell with the focus has not yet
        // reported what was typed into it.
        const int32_t number = typedNumber(desktop.text(cellId(cell)));
        if (isDigitValue(number)) {
            clues.openFlags[cell] = 0;
            clues.answerGrid[cell] = number;
            clues.valueGrid[cell] = number;
            ++clueCount;
        } else {
            // A candidate list stays with the open cell.
            clues.openFlags[cell] = 1;
            clues.answerGrid[cell] = 0;
            clues.valueGrid[cell] = 0;
        }
    }
    if (clueCount == kCells) {
        showHandBuildMessage(desktop, HandBuildMessage::kTooManyClues);
        return kRefused;
    }
    if (hasDuplicate(clues.answerGrid)) {
        showHandBuildMessage(desktop, HandBuildMessage::kCluesBreakTheRule);
        return kRefused;
    }
    replaceBoard(desktop, record, clues);
    desktop.enableControl(kButtonWithoutAnswer, true);
    showHandBuildMessage(desktop, HandBuildMessage::kEnterAnswer);
    return kAccepted;
}

RegisterVerdict registerAnswer(Desktop& desktop, PuzzleRecord& record, PuzzleFileHeader& header) {
    for (int cell = 0; cell < kCells; ++cell) {
        const int32_t number = typedNumber(desktop.text(cellId(cell)));
        if (!isDigitValue(number)) {
            showHandBuildMessage(desktop, HandBuildMessage::kAnswerNotDigits);
            return kRefused;
        }
        record.answerGrid[cell] = number;
    }
    // Only the sums are checked: a grid that repeats a digit within a unit
    // but still sums to 45 everywhere passes.
    if (!isComplete(record.answerGrid)) {
        showHandBuildMessage(desktop, HandBuildMessage::kAnswerCollapsed);
        return kRefused;
    }
    // The board stays as typed; its values must be in the record even where
    // a cell has not reported losing the focus.
    for (int cell = 0; cell < kCells; ++cell) {
        if (record.openFlags[cell] != 0) record.valueGrid[cell] = record.answerGrid[cell];
    }
    record.answerKnown = 1;
    finishBuild(desktop, header);
    showHandBuildMessage(desktop, HandBuildMessage::kCreated);
    return kAccepted;
}

void pressRegister(Desktop& desktop, WindowState& state) {
    if (state.handBuildStage == 1) {
        if (registerClues(desktop, state.puzzle) != kAccepted) return;
        enterMenuMode(desktop, state, kMenuHandBuildAnswer);
        state.handBuildStage = 2;
    } else if (state.handBuildStage == 2) {
        if (registerAnswer(desktop, state.puzzle, state.header) != kAccepted) return;
        leaveBuild(desktop, state);
    }
}

void pressWithoutAnswer(Desktop& desktop, WindowState& state) {
    if (state.handBuildStage != 2) return;
    state.puzzle.answerKnown = 0;
    finishBuild(desktop, state.header);
    showHandBuildMessage(desktop, HandBuildMessage::kCreatedWithoutAnswer);
    // Without an answer, absolute mistakes cannot be shown: the check mark
    // moves to visible mistakes, and the cells take the colours of the mode.
    setExpressMode(desktop, state.settings.expressMode, state.settings.expressMode, false);
    repaintOpenCells(desktop, state.puzzle);
    leaveBuild(desktop, state);
}

void takeBuiltPuzzle(Desktop& desktop, WindowState& state, const PuzzleRecord& puzzle) {
    replaceBoard(desktop, state.puzzle, puzzle);
    markHandBuilt(desktop, state.header);
    setExpressMode(desktop, state.settings.expressMode, state.settings.expressMode,
                   puzzle.answerKnown != 0);
    leaveBuild(desktop, state);
}

void pressCancelHandBuild(Desktop& desktop, WindowState& state) {
    if (state.handBuildStage != 1 && state.handBuildStage != 2) return;
    removeHandBuildButtons(desktop);
    showHandBuildMessage(desktop, HandBuildMessage::kCanceled);
    replaceBoard(desktop, state.puzzle, state.handBuildBackup);
    restoreMenuBeforeBuild(desktop, state);
    // The puzzle is as unsaved as it was when the build started.
    state.settings.modified = state.modifiedBeforeHandBuild;
    state.handBuildStage = 0;
}

}  // namespace ga
