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

void FakeDialog::end(int result) {
    if (!ended_) result_ = result;
    ended_ = true;
}

bool FakeDialog::click(int id) {
    if (Control* box = actor(id, DialogControlKind::kCheckBox)) {
        box->checked = !box->checked;
    } else if (!actor(id, DialogControlKind::kButton) &&
               !actor(id, DialogControlKind::kDefaultButton)) {
        return false;
    }
    events_.onCommand(*this, id);
    return true;
}

bool FakeDialog::pressEnter() {
    for (const DialogControl& control : dialog_.controls) {
        if (control.kind == DialogControlKind::kDefaultButton) return click(control.id);
    }
    return false;
}

bool FakeDialog::type(int id, const std::string& text) {
    Control* field = actor(id, DialogControlKind::kEditField);
    if (field == nullptr) return false;
    const bool cut = field->textLimit > 0 && static_cast<int>(text.size()) > field->textLimit;
    field->text = cut ? text.substr(0, static_cast<size_t>(field->textLimit)) : text;
    events_.onCommand(*this, id);
    return true;
}

bool FakeDialog::choose(int id, int index) {
    Control* list = actor(id, DialogControlKind::kSelectionList);
    if (list == nullptr || index < 0 || index >= list->items) return false;
    list->selection = index;
    events_.onCommand(*this, id);
    return true;
}

bool FakeDialog::press(int upDownId, int delta) {
    if (!actor(upDownId, DialogControlKind::kUpDown)) return false;
    events_.onUpDown(*this, upDownId, delta);
    return true;
}

bool FakeDialog::close() {
    if (ended_) return false;
    events_.onCommand(*this, kDialogCancel);
    return true;
}

}  // namespace ga
