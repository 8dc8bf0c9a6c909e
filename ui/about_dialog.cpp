#include "ui/about_dialog.h"

#include "core/translation.h"

namespace ga {

std::string aboutLine() {
    return filled(translate("Dialog", "gridAtelier ver. %1"), {GRIDATELIER_VERSION});
}

DialogTemplate aboutTemplate() {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kAboutDialogId;
    t.title = translate("Dialog", "about");
    t.width = 240;
    t.height = 50;
    t.controls = {
        {kAboutLineFieldId, K::kReadOnlyCentredField, "", 10, 10, 220, 14},
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "continue"), 95, 25, 50, 14},
    };
    return t;
}

void AboutEvents::onInit(DialogHost& dialog) {
    dialog.setText(kAboutLineFieldId, aboutLine());
}

void AboutEvents::onCommand(DialogHost& dialog, int id) {
    if (id == kDialogOkay || id == kDialogCancel) dialog.end(id);
}

DialogResult runAboutDialog(Desktop& desktop) {
    const DialogTemplate dialog = aboutTemplate();
    AboutEvents events;
    return static_cast<DialogResult>(desktop.runDialog(dialog, events));
}

}  // namespace ga
