// The "recreate a puzzle due to the serial numbers" dialog: the five parts of
// a serial number, in hexadecimal, checked before they are taken.
#pragma once

#include <cstdint>
#include <string>

#include "core/puzzle_record.h"
#include "platform/desktop.h"
#include "platform/dialog.h"
#include "ui/settings.h"

namespace ga {

constexpr int kRecreateDialogId = 5000;
constexpr int kFirstSerialFieldId = 5011;   // parts 1..5: 5011..5015
constexpr int kFirstSerialArrowsId = 5021;  // parts 1..5: 5021..5025
constexpr int kSaveSerialDefaultsBoxId = 5100;

DialogTemplate recreateTemplate();

class RecreateEvents : public DialogEvents {
  public:
    RecreateEvents(Desktop& desktop, Settings& current);
    void onInit(DialogHost& dialog) override;
    void onCommand(DialogHost& dialog, int id) override;
    void onUpDown(DialogHost& dialog, int id, int delta) override;

  private:
    void showPart(DialogHost& dialog, int part);

    Desktop& desktop_;
    Settings& current_;
    SerialParts parts_{};
    bool saveAsDefault_ = false;
};

// 1 after "Okay" with a serial number the generator can rebuild, 2 after
// "Cancel" or the close box (nothing stored). A refused number keeps the
// dialog open with what was typed.
DialogResult runRecreateDialog(Desktop& desktop, Settings& current);

}  // namespace ga
