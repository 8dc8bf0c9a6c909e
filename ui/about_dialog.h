// The "about" dialog: the program's name and version, and a button to go on.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "platform/dialog.h"

namespace ga {

constexpr int kAboutDialogId = 106;
constexpr int kAboutLineFieldId = 201;

// "gridAtelier ver. " followed by the version the program was built as.
std::string aboutLine();

DialogTemplate aboutTemplate();

class AboutEvents : public DialogEvents {
  public:
    void onInit(DialogHost& dialog) override;
    void onCommand(DialogHost& dialog, int id) override;
};

// 1 after "continue", 2 after the close box.
DialogResult runAboutDialog(Desktop& desktop);

}  // namespace ga
