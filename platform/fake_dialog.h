// A dialog of the fake desktop: it keeps what each control shows and lets a
// test act as the player would, delivering each action to the dialog's events
// as a real desktop does. Actions on a disabled or unknown control, or after
// the dialog ended, do nothing and return false.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"

namespace ga {

class FakeDialog : public DialogHost {
  public:
    FakeDialog(const DialogTemplate& dialog, DialogEvents& events);

    void setText(int id, const std::string& text) override { at(id).text = text; }
    std::string text(int id) override { return at(id).text; }
    void setTextLimit(int, int) override {}  // a test types what it means
    void setItems(int id, const std::vector<std::string>& items) override {
        at(id).items = items;
        at(id).selection = -1;
    }
    void setItem(int id, int index, const std::string& item) override {
        if (index >= 0 && index < itemCount(id)) at(id).items[index] = item;
    }
    void select(int id, int index) override {
        at(id).selection = index >= 0 && index < itemCount(id) ? index : -1;
    }
    int selection(int id) override { return at(id).selection; }
    void setChecked(int id, bool checked) override { at(id).checked = checked; }
    bool checked(int id) override { return at(id).checked; }
    void enable(int id, bool enabled) override { at(id).enabled = enabled; }
    void end(int result) override { result_ = std::exchange(ended_, true) ? result_ : result; }

    // The player; the fake desktop calls open() (onInit) before the script.
    void open() { events_.onInit(*this); }
    bool click(int id);  // a push button, or a check box (toggled first)
    bool type(int id, const std::string& text);
    bool choose(int id, int index);  // an entry of a selection list, a row of a table
    bool doubleClick(int tableId, int index);
    bool press(int upDownId, int step);  // -1: the up arrow, +1: the down arrow
    bool close() { return !ended_ && command(kDialogCancel); }  // the close box or Escape

    // What a list or a table shows.
    std::vector<std::string> items(int id) { return at(id).items; }

    bool ended() const { return ended_; }
    int result() const { return result_; }

  private:
    struct Control {
        DialogControlKind kind = DialogControlKind::kStaticText;
        std::string text;
        std::vector<std::string> items;
        int selection = -1;
        bool checked = false, enabled = true;
    };
    // An unknown id gets a blank control that nothing keeps.
    Control& at(int id);
    // The control when the player can work it as `kind`, else null.
    Control* actor(int id, DialogControlKind kind);
    bool command(int id) { return events_.onCommand(*this, id), true; }
    int itemCount(int id) { return static_cast<int>(at(id).items.size()); }

    const DialogTemplate& dialog_;
    DialogEvents& events_;
    std::map<int, Control> controls_;
    Control none_;
    bool ended_ = false;
    int result_ = kDialogCancel;
};

}  // namespace ga
