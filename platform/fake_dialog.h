// A dialog of the fake desktop: it keeps what each control shows and lets a
// test act as the player would, delivering each action to the dialog's events
// as a real desktop does. Actions on a disabled or unknown control, or after
// the dialog ended, do nothing and return false.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace ga {

class FakeDialog : public DialogHost {
  public:
    FakeDialog(const DialogTemplate& dialog, DialogEvents& events);

    void setText(int id, const std::string& text) override { at(id).text = text; }
    std::string text(int id) override { return at(id).text; }
    void setTextLimit(int id, int characters) override { at(id).textLimit = characters; }
    void setItems(int id, const std::vector<std::string>& items) override {
        at(id).items = static_cast<int>(items.size());
        at(id).selection = -1;
    }
    void select(int id, int index) override {
        at(id).selection = index >= 0 && index < at(id).items ? index : -1;
    }
    int selection(int id) override { return at(id).selection; }
    void setChecked(int id, bool checked) override { at(id).checked = checked; }
    bool checked(int id) override { return at(id).checked; }
    void enable(int id, bool enabled) override { at(id).enabled = enabled; }
    void end(int result) override;

    // The player; the fake desktop calls open() (onInit) before the script.
    void open() { events_.onInit(*this); }
    bool click(int id);                          // a push button, or a check box (toggled first)
    bool pressEnter();                           // the default button
    bool type(int id, const std::string& text);  // cut to the field's limit
    bool choose(int id, int index);
    bool pressUp(int upDownId) { return press(upDownId, -1); }
    bool pressDown(int upDownId) { return press(upDownId, +1); }
    bool close();  // the close box or Escape

    bool ended() const { return ended_; }
    int result() const { return result_; }
    bool isEnabled(int id) { return controls_.count(id) != 0 && at(id).enabled; }

  private:
    struct Control {
        DialogControlKind kind = DialogControlKind::kStaticText;
        std::string text;
        int textLimit = 0;  // 0: no limit
        int items = 0, selection = -1;
        bool checked = false, enabled = true;
    };
    // An unknown id gets a blank control that nothing keeps.
    Control& at(int id);
    // The control when the player can work it as `kind`, else null.
    Control* actor(int id, DialogControlKind kind);
    bool press(int upDownId, int delta);

    const DialogTemplate& dialog_;
    DialogEvents& events_;
    std::map<int, Control> controls_;
    Control none_;
    bool ended_ = false;
    int result_ = kDialogCancel;
};

}  // namespace ga
