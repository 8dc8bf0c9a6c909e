#include "platform/fake_dialog.h"

namespace ga {

FakeDialog::FakeDialog(const DialogTemplate& dialog, DialogEvents& events)
    : dialog_(dialog), events_(events) {
    for (const DialogControl& control : dialog.controls) {
        if (control.id == kNoControlId) continue;
        ControlState state;
        state.kind = control.kind;
        state.text = control.text;
        controls_[control.id] = state;
    }
}

FakeDialog::ControlState* FakeDialog::find(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const FakeDialog::ControlState* FakeDialog::control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
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
    const bool inRange = index >= 0 && index < static_cast<int>(state->items.size());
    state->selection = inRange ? index : -1;
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
    if (ended_) return;
    ended_ = true;
    result_ = result;
}

void FakeDialog::open() {
    events_.onInit(*this);
}

bool FakeDialog::canAct(int id, DialogControlKind kind) {
    const ControlState* state = find(id);
    return !ended_ && state != nullptr && state->enabled && state->kind == kind;
}

bool FakeDialog::click(int id) {
    if (canAct(id, DialogControlKind::kCheckBox)) {
        ControlState& state = *find(id);
        state.checked = !state.checked;
    } else if (!canAct(id, DialogControlKind::kButton) &&
               !canAct(id, DialogControlKind::kDefaultButton)) {
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
    if (!canAct(id, DialogControlKind::kEditField)) return false;
    ControlState& state = *find(id);
    const bool cut = state.textLimit > 0 && static_cast<int>(text.size()) > state.textLimit;
    state.text = cut ? text.substr(0, static_cast<size_t>(state.textLimit)) : text;
    events_.onCommand(*this, id);
    return true;
}

bool FakeDialog::choose(int id, int index) {
    if (!canAct(id, DialogControlKind::kSelectionList)) return false;
    ControlState& state = *find(id);
    if (index < 0 || index >= static_cast<int>(state.items.size())) return false;
    state.selection = index;
    events_.onCommand(*this, id);
    return true;
}

bool FakeDialog::pressUp(int upDownId) {
    if (!canAct(upDownId, DialogControlKind::kUpDown)) return false;
    events_.onUpDown(*this, upDownId, -1);
    return true;
}

bool FakeDialog::pressDown(int upDownId) {
    if (!canAct(upDownId, DialogControlKind::kUpDown)) return false;
    events_.onUpDown(*this, upDownId, +1);
    return true;
}

bool FakeDialog::close() {
    if (ended_) return false;
    events_.onCommand(*this, kDialogCancel);
    return true;
}

}  // namespace ga
