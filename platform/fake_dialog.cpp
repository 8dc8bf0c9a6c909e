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

FakeDialog::ControlState* FakeDialog::find(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const FakeDialog::ControlState* FakeDialog::control(int id) const {
    return const_cast<FakeDialog*>(this)->find(id);
}

bool FakeDialog::isEnabled(int id) const {
    const ControlState* state = control(id);
    return state != nullptr && state->enabled;
}

void FakeDialog::setText(int id, const std::string& text) {
    if (ControlState* state = find(id)) state->text = text;
}

std::string FakeDialog::text(int id) {
    const ControlState* state = find(id);
    return state != nullptr ? state->text : std::string();
}

void FakeDialog::setTextLimit(int id, int characters) {
    if (ControlState* state = find(id)) state->textLimit = characters;
}

void FakeDialog::setItems(int id, const std::vector<std::string>& items) {
    if (ControlState* state = find(id)) {
        state->items = items;
        state->selection = -1;
    }
}

void FakeDialog::select(int id, int index) {
    ControlState* state = find(id);
    if (state == nullptr) return;
    state->selection = index >= 0 && index < static_cast<int>(state->items.size()) ? index : -1;
}

int FakeDialog::selection(int id) {
    const ControlState* state = find(id);
    return state != nullptr ? state->selection : -1;
}

void FakeDialog::setChecked(int id, bool checked) {
    if (ControlState* state = find(id)) state->checked = checked;
}

bool FakeDialog::checked(int id) {
    const ControlState* state = find(id);
    return state != nullptr && state->checked;
}

void FakeDialog::enable(int id, bool enabled) {
    if (ControlState* state = find(id)) state->enabled = enabled;
}

void FakeDialog::end(int result) {
    if (!ended_) result_ = result;
    ended_ = true;
}

void FakeDialog::open() {
    events_.onInit(*this);
}

FakeDialog::ControlState* FakeDialog::actor(int id, DialogControlKind kind) {
    ControlState* state = find(id);
    const bool can = !ended_ && state != nullptr && state->enabled && state->kind == kind;
    return can ? state : nullptr;
}

bool FakeDialog::click(int id) {
    if (ControlState* box = actor(id, DialogControlKind::kCheckBox)) {
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
    ControlState* field = actor(id, DialogControlKind::kEditField);
    if (field == nullptr) return false;
    const bool cut = field->textLimit > 0 && static_cast<int>(text.size()) > field->textLimit;
    field->text = cut ? text.substr(0, static_cast<size_t>(field->textLimit)) : text;
    events_.onCommand(*this, id);
    return true;
}

bool FakeDialog::choose(int id, int index) {
    ControlState* list = actor(id, DialogControlKind::kSelectionList);
    if (list == nullptr || index < 0 || index >= static_cast<int>(list->items.size())) return false;
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
