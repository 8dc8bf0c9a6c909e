// The question asked before the program ends.
#pragma once

#include "platform/desktop.h"
#include "platform/dialog.h"

namespace ga {

constexpr int kExitDialogId = 107;

DialogTemplate exitTemplate();

class ExitEvents : public DialogEvents {
  public:
    void onInit(DialogHost& /*dialog*/) override {}
    void onCommand(DialogHost& dialog, int id) override;
};

// 1 after "okay" (exit), 2 after "cancel" or the close box (stay).
DialogResult runExitDialog(Desktop& desktop);

}  // namespace ga
