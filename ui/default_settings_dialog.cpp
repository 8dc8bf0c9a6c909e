#include "ui/default_settings_dialog.h"

#include "core/translation.h"
#include "ui/shown_names.h"

namespace ga {

DialogTemplate defaultSettingsTemplate() {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kDefaultSettingsDialogId;
    t.title = translate("Dialog", "default settings at boot");
    t.width = 180;
    t.height = 210;
    t.controls = {
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "Okay"), 35, 190, 50, 12},
        {kDialogCancel, K::kButton, translate("Dialog", "Cancel"), 95, 190, 50, 12},
        {kNoControlId, K::kStaticText, translate("Dialog", "express mistakes as red font"), 30, 20,
         120, 10},
        {kExpressModeListId, K::kSelectionList, "", 50, 30, 100, 100},
        {kNoControlId, K::kStaticText, translate("Dialog", "* Absolute Mistakes *"), 30, 45, 120,
         10},
        {kNoControlId, K::kStaticText, translate("Dialog", "    it's only used"), 30, 52, 120, 10},
        {kNoControlId, K::kStaticText, translate("Dialog", "    in case of existing the answer."),
         30, 59, 120, 10},
        {kNoControlId, K::kStaticText, translate("Dialog", "difficulty level for a new puzzle"), 30,
         75, 120, 10},
        {kNewPuzzleLevelListId, K::kSelectionList, "", 50, 85, 100, 100},
        {kNeverConfirmSaveBoxId, K::kCheckBox,
         translate("Dialog", "never show confirmation for save"), 30, 135, 120, 10},
        {kReflectToCurrentBoxId, K::kCheckBox, translate("Dialog", "reflect to current settings"),
         20, 175, 140, 10},
    };
    return t;
}

DefaultSettingsEvents::DefaultSettingsEvents(Settings& defaults, Settings& current)
    : defaults_(defaults), current_(current) {}

void DefaultSettingsEvents::onInit(DialogHost& dialog) {
    expressMode_ = defaults_.expressMode;
    level_ = defaults_.level;
    neverConfirmSave_ = defaults_.neverConfirmSave != 0;
    reflectToCurrent_ = current_.reflectToCurrent != 0;

    dialog.setItems(kExpressModeListId,
                    {translate("Dialog", "No Express"), translate("Dialog", "Visible Mistakes"),
                     translate("Dialog", "Absolute Mistakes")});
    dialog.select(kExpressModeListId, expressMode_);
    dialog.setItems(kNewPuzzleLevelListId, shownClassNames(kLowestClass, kHighestClass - 1));
    dialog.select(kNewPuzzleLevelListId, level_);
    dialog.setChecked(kNeverConfirmSaveBoxId, neverConfirmSave_);
    dialog.setChecked(kReflectToCurrentBoxId, reflectToCurrent_);
}

void DefaultSettingsEvents::onCommand(DialogHost& dialog, int id) {
    switch (id) {
        case kExpressModeListId:
        case kNewPuzzleLevelListId: {
            const int chosen = dialog.selection(id);
            if (chosen < 0) return;
            (id == kExpressModeListId ? expressMode_ : level_) = chosen;
            return;
        }
        case kNeverConfirmSaveBoxId:
            neverConfirmSave_ = dialog.checked(id);
            return;
        case kReflectToCurrentBoxId:
            reflectToCurrent_ = dialog.checked(id);
            return;
        case kDialogOkay: {
            // Both come from the repaired file or from the lists, so both are
            // in range; level 7, never offered, stays until another is chosen.
            defaults_.expressMode = expressMode_;
            defaults_.level = level_;
            defaults_.neverConfirmSave = neverConfirmSave_ ? 1 : 0;
            current_.reflectToCurrent = reflectToCurrent_ ? 1 : 0;
            dialog.end(kDialogOkay);
            return;
        }
        case kDialogCancel:
            dialog.end(kDialogCancel);
            return;
        default:
            return;
    }
}

DialogResult runDefaultSettingsDialog(Desktop& desktop, Settings& defaults, Settings& current) {
    const DialogTemplate dialog = defaultSettingsTemplate();
    DefaultSettingsEvents events(defaults, current);
    return static_cast<DialogResult>(desktop.runDialog(dialog, events));
}

}  // namespace ga
