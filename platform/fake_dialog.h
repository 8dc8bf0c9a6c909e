// A dialog of the fake desktop: it keeps what each control shows and lets a
// test act as the player would (click, type, choose, press an arrow, close),
// delivering each action to the dialog's events exactly as a real desktop
// does. Actions on a disabled or unknown control, or after the dialog ended,
// do nothing and return false.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace ga {

class FakeDialog : public DialogHost {
  public:
    struct ControlState {
        DialogControlKind kind = DialogControlKind::kStaticText;
        std::string text;
        int textLimit = 0;  // 0: no limit
        std::vector<std::string> items;
        int selection = -1;
        bool checked = false;
        bool enabled = true;
    };

    FakeDialog(const DialogTemplate& dialog, DialogEvents& events);

    // --- DialogHost ------------------------------------------------------------
    void setText(int id, const std::string& text) override;
    std::string text(int id) override;
    void setTextLimit(int id, int characters) override;
    void setItems(int id, const std::vector<std::string>& items) override;
    void select(int id, int index) override;
    int selection(int id) override;
    void setChecked(int id, bool checked) override;
    bool checked(int id) override;
    void enable(int id, bool enabled) override;
    void end(int result) override;

    // --- the player ------------------------------------------------------------
    // Opens the dialog: onInit. The fake desktop calls it before the script.
    void open();
    // A push button or a check box (which toggles first).
    bool click(int id);
    // Enter: the default button.
    bool pressEnter();
    // Replaces an edit field's text, cut to its limit, and reports the change.
    bool type(int id, const std::string& text);
    bool choose(int id, int index);
    bool pressUp(int upDownId) { return press(upDownId, -1); }
    bool pressDown(int upDownId) { return press(upDownId, +1); }
    // The close box or Escape.
    bool close();

    // --- inspection --------------------------------------------------------------
    const DialogTemplate& dialogTemplate() const { return dialog_; }
    int templateId() const { return dialog_.id; }
    bool ended() const { return ended_; }
    int result() const { return result_; }
    const ControlState* control(int id) const;
    bool isEnabled(int id) const;

  private:
    ControlState* find(int id);
    // The control when the player can work it as `kind`, else null.
    ControlState* actor(int id, DialogControlKind kind);
    bool press(int upDownId, int delta);

    const DialogTemplate& dialog_;
    DialogEvents& events_;
    std::map<int, ControlState> controls_;
    bool ended_ = false;
    int result_ = kDialogCancel;
};

}  // namespace ga
