#include "ui/practice_dialog.h"

#include "core/translation.h"

namespace ga {

DialogTemplate practiceTemplate() {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kPracticeDialogId;
    t.title = translate("Dialog", "Practice a Technique");
    t.width = 240;
    t.height = 140;
    t.controls = {
        {kNoControlId, K::kStaticText, translate("Dialog", "Technique to practise:"), 10, 10, 220,
         10},
        {kPracticeListId, K::kSelectionList, "", 10, 22, 220, 12},
        {kPracticeAboutId, K::kStaticText, "", 10, 42, 220, 64},
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "Practise"), 10, 118, 60, 14},
        {kPracticeHelpId, K::kButton, translate("Dialog", "Help"), 90, 118, 60, 14},
        {kDialogCancel, K::kButton, translate("Dialog", "Cancel"), 170, 118, 60, 14},
    };
    return t;
}

PracticeEvents::PracticeEvents(const std::vector<PracticeEntry>& entries, int& chosen)
    : entries_(entries), chosen_(chosen) {}

void PracticeEvents::onInit(DialogHost& dialog) {
    std::vector<std::string> names;
    for (const PracticeEntry& entry : entries_) names.push_back(entry.name);
    dialog.setItems(kPracticeListId, names);
    if (chosen_ < 0 || chosen_ >= static_cast<int>(entries_.size())) chosen_ = 0;
    dialog.select(kPracticeListId, chosen_);
    onCommand(dialog, kPracticeListId);
}

void PracticeEvents::onCommand(DialogHost& dialog, int id) {
    switch (id) {
        case kPracticeListId: {
            const int selected = dialog.selection(kPracticeListId);
            if (selected < 0 || selected >= static_cast<int>(entries_.size())) return;
            chosen_ = selected;
            dialog.setText(kPracticeAboutId, entries_[selected].about);
            return;
        }
        case kDialogOkay:
            dialog.end(kDialogOkay);
            return;
        case kPracticeHelpId:
            dialog.end(kPracticeHelpAsked);
            return;
        case kDialogCancel:
            dialog.end(kDialogCancel);
            return;
        default:
            return;
    }
}

int runPracticeDialog(Desktop& desktop, const std::vector<PracticeEntry>& entries, int& chosen) {
    PracticeEvents events(entries, chosen);
    return desktop.runDialog(practiceTemplate(), events);
}

}  // namespace ga
