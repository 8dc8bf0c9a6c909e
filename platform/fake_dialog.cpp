#include "platform/fake_dialog.h"

namespace ga {

FakeDialog::FakeDialog(const DialogTemplate& dialog, DialogEvents& events)
    : dialog_(dialog), events_(events) {
    for (const DialogControl& control : dialog.controls) {
        if (control.id == kNoControlId) continue;
        controls_[control.id].kind = control.kind;
        controls_[control.id].text = control.text;
    }
}

FakeDialog::Control& FakeDialog::at(int id) {
    auto it = controls_.find(id);
    return it != controls_.end() ? it->second : (none_ = Control{});
}

FakeDialog::Control* FakeDialog::actor(int id, DialogControlKind kind) {
    auto it = controls_.find(id);
    const bool can = !ended_ && it != controls_.end() && it->second.enabled;
    return can && it->second.kind == kind ? &it->second : nullptr;
}

bool FakeDialog::click(int id) {
    if (Control* box = actor(id, DialogControlKind::kCheckBox)) {
        box->checked = !box->checked;
    } else if (!actor(id, DialogControlKind::kButton) &&
               !actor(id, DialogControlKind::kDefaultButton)) {
        return false;
    }
    return command(id);
}

bool FakeDialog::type(int id, const std::string& text) {
    Control* field = actor(id, DialogControlKind::kEditField);
    if (field == nullptr) return false;
    field->text = text;
    return command(id);
}

bool FakeDialog::choose(int id, int index) {
    Control* list = actor(id, DialogControlKind::kSelectionList);
    if (list == nullptr) list = actor(id, DialogControlKind::kTable);
    if (list == nullptr || index < 0 || index >= static_cast<int>(list->items.size())) return false;
    list->selection = index;
    return command(id);
}

bool FakeDialog::doubleClick(int tableId, int index) {
    if (!actor(tableId, DialogControlKind::kTable) || !choose(tableId, index) || ended_)
        return false;
    for (const DialogControl& control : dialog_.controls) {
        if (control.kind == DialogControlKind::kDefaultButton) return click(control.id);
    }
    return true;
}

bool FakeDialog::press(int upDownId, int step) {
    if (!actor(upDownId, DialogControlKind::kUpDown)) return false;
    events_.onUpDown(*this, upDownId, step);
    return true;
}

}  // namespace ga
