// The "default settings at boot" dialog: the express mode and the class of a
// new puzzle that the program starts with, whether saving ever asks first, and
// whether the choice is also taken into the running window. Applying it to the
// running window is the main window's job; the dialog only stores.
#pragma once

#include "platform/desktop.h"
#include "platform/dialog.h"
#include "ui/settings.h"

namespace ga {

constexpr int kDefaultSettingsDialogId = 2000;
constexpr int kExpressModeListId = 2011;
constexpr int kNewPuzzleLevelListId = 2012;
constexpr int kNeverConfirmSaveBoxId = 2021;
constexpr int kReflectToCurrentBoxId = 2100;

DialogTemplate defaultSettingsTemplate();

// Works on temporaries; "Okay" stores express mode, level and the save
// question into `defaults` and the "reflect" check into `current`.
class DefaultSettingsEvents : public DialogEvents {
  public:
    DefaultSettingsEvents(Settings& defaults, Settings& current);
    void onInit(DialogHost& dialog) override;
    void onCommand(DialogHost& dialog, int id) override;

  private:
    Settings& defaults_;
    Settings& current_;
    int expressMode_ = 0;
    int level_ = 0;
    bool neverConfirmSave_ = false;
    bool reflectToCurrent_ = false;
};

// 1 after "Okay", 2 after "Cancel" or the close box (nothing stored).
DialogResult runDefaultSettingsDialog(Desktop& desktop, Settings& defaults, Settings& current);

}  // namespace ga
