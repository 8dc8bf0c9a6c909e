#include "ui/exit_dialog.h"

#include "core/translation.h"

namespace ga {

DialogTemplate exitTemplate() {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kExitDialogId;
    t.title = translate("Dialog", "confirmation");
    t.width = 240;
    t.height = 50;
    t.controls = {
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "okay"), 65, 25, 50, 14},
        {kDialogCancel, K::kButton, translate("Dialog", "cancel"), 125, 25, 50, 14},
        {kNoControlId, K::kStaticText, translate("Dialog", "are you sure to exit the program?"), 10,
         10, 220, 14},
    };
    return t;
}

void ExitEvents::onCommand(DialogHost& dialog, int id) {
    if (id == kDialogOkay || id == kDialogCancel) dialog.end(id);
}

DialogResult runExitDialog(Desktop& desktop) {
    const DialogTemplate dialog = exitTemplate();
    ExitEvents events;
    return static_cast<DialogResult>(desktop.runDialog(dialog, events));
}

}  // namespace ga
