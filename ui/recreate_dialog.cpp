#include "ui/recreate_dialog.h"

#include <cstdio>

#include "core/translation.h"
#include "generator/serial.h"

namespace ga {

namespace {

constexpr int kPartCharacters = 10;  // "0x" and eight digits

std::string hexText(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

}  // namespace

DialogTemplate recreateTemplate() {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kRecreateDialogId;
    t.title = translate("Dialog", "recreate a puzzle due to the serial numbers");
    t.width = 180;
    t.height = 210;
    t.controls = {
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "Okay"), 35, 190, 50, 12},
        {kDialogCancel, K::kButton, translate("Dialog", "Cancel"), 95, 190, 50, 12},
        {kNoControlId, K::kStaticText, translate("Dialog", "serial numbers"), 30, 25, 120, 10},
    };
    for (int part = 0; part < kSerialParts; ++part) {
        const int y = 45 + 20 * part;
        t.controls.push_back({kFirstSerialFieldId + part, K::kEditField, "", 50, y, 90, 10});
    }
    for (int part = 0; part < kSerialParts; ++part) {
        const int y = 45 + 20 * part;
        t.controls.push_back({kFirstSerialArrowsId + part, K::kUpDown, "", 140, y, 10, 10,
                              kFirstSerialFieldId + part});
    }
    t.controls.push_back({kSaveSerialDefaultsBoxId, K::kCheckBox,
                          translate("Dialog", "save as default"), 20, 175, 140, 10});
    return t;
}

RecreateEvents::RecreateEvents(Desktop& desktop, Settings& current)
    : desktop_(desktop), current_(current) {}

void RecreateEvents::showPart(DialogHost& dialog, int part) {
    dialog.setText(kFirstSerialFieldId + part, hexText(parts_[part]));
}

void RecreateEvents::onInit(DialogHost& dialog) {
    for (int part = 0; part < kSerialParts; ++part) {
        parts_[part] = current_.recreateSerial[part];
        dialog.setTextLimit(kFirstSerialFieldId + part, kPartCharacters);
        showPart(dialog, part);
    }
    saveAsDefault_ = current_.saveSerialDefaults != 0;
    dialog.setChecked(kSaveSerialDefaultsBoxId, saveAsDefault_);
}

void RecreateEvents::onCommand(DialogHost& dialog, int id) {
    if (id >= kFirstSerialFieldId && id < kFirstSerialFieldId + kSerialParts) {
        parts_[id - kFirstSerialFieldId] = readSerialPart(dialog.text(id));
        return;
    }
    switch (id) {
        case kSaveSerialDefaultsBoxId:
            saveAsDefault_ = dialog.checked(id);
            return;
        case kDialogOkay: {
            const int check = checkSerial(parts_);
            if (check != kSerialAccepted) {
                desktop_.messageBox(translate("Serial", serialRefusalText(check)),
                                    translate("Message", "alert"));
                return;
            }
            for (int part = 0; part < kSerialParts; ++part) {
                current_.recreateSerial[part] = parts_[part];
            }
            current_.saveSerialDefaults = saveAsDefault_ ? 1 : 0;
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

void RecreateEvents::onUpDown(DialogHost& dialog, int id, int delta) {
    const int part = id - kFirstSerialArrowsId;
    if (part < 0 || part >= kSerialParts) return;
    for (int each = 0; each < kSerialParts; ++each) {
        parts_[each] = readSerialPart(dialog.text(kFirstSerialFieldId + each));
    }
    uint32_t& value = parts_[part];
    if (delta < 0 && value < kSerialHighest[part]) ++value;
    if (delta > 0 && value > kSerialLowest[part]) --value;
    showPart(dialog, part);
}

DialogResult runRecreateDialog(Desktop& desktop, Settings& current) {
    const DialogTemplate dialog = recreateTemplate();
    RecreateEvents events(desktop, current);
    return static_cast<DialogResult>(desktop.runDialog(dialog, events));
}

}  // namespace ga
