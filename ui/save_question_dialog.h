// The question asked before a modified puzzle is replaced or the program ends:
// save it first? Its check box switches the question off for good.
#pragma once

#include "platform/desktop.h"
#include "ui/settings.h"

namespace ga {

constexpr int kSaveQuestionTemplate = 3000;
constexpr int kSaveQuestionText = 3011;
enum SaveAnswer : int {
    kSaveQuestionYes = 3012,
    kSaveQuestionNo = kDialogOkay,
    kSaveQuestionCancel = kDialogCancel,
};
constexpr int kSaveQuestionNeverAgain = 2021;

// The dialog's controls, in dialog units.
DialogTemplate saveQuestionTemplate();

// Runs the question: kSaveQuestionYes, kSaveQuestionNo or kSaveQuestionCancel
// (also for the close box, Escape and Enter, whose default is "Cancel", so a
// hasty key press never discards nor writes anything). The check box starts
// from the default Settings; its state reaches neverConfirmSave of both
// `defaults` and `current` on "Yes" or "No" only.
SaveAnswer runSaveQuestionDialog(Desktop& desktop, Settings& defaults, Settings& current);

}  // namespace ga
