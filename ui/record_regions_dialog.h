// The "record regions of multi answer" dialog: the CSV file the Regions are
// written to, and the level, count and size of the search. The dialog stores
// numbers as typed, but "Okay" refuses, with the dialog left open, what the
// search cannot take.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "platform/dialog.h"
#include "ui/file_dialog.h"
#include "ui/settings.h"

namespace ga {

constexpr int kRecordRegionsDialogId = 4000;
constexpr int kCsvFileButtonId = 4001;
constexpr int kCsvFileNameTextId = 4002;
constexpr int kSearchLevelListId = 4011;
constexpr int kSearchCountFieldId = 4021;
constexpr int kMaxRegionCellsFieldId = 4022;
constexpr int kSearchCountArrowsId = 4031;
constexpr int kMaxRegionCellsArrowsId = 4032;
constexpr int kSaveRegionDefaultsBoxId = 4100;

DialogTemplate recordRegionsTemplate();

// `files.csvWorkingPath` is the path being worked on, kept by the window from
// one opening to the next: the file dialog proposes it.
class RecordRegionsEvents : public DialogEvents {
  public:
    RecordRegionsEvents(Desktop& desktop, Settings& current, FileDialogMemory& files);
    void onInit(DialogHost& dialog) override;
    void onCommand(DialogHost& dialog, int id) override;
    void onUpDown(DialogHost& dialog, int id, int delta) override;

  private:
    void showFile(DialogHost& dialog, const std::string& name);
    void enableRecordControls(DialogHost& dialog, bool enabled);
    void chooseFile(DialogHost& dialog);
    void readFields(DialogHost& dialog);

    Desktop& desktop_;
    Settings& current_;
    FileDialogMemory& files_;
    std::string& workingPath_;
    bool hasFile_ = false;
    int level_ = 0;
    int count_ = 0;
    int maximum_ = 0;
    bool saveAsDefault_ = false;
};

// 1 after "Okay" (only possible once a file is chosen), 2 after "Cancel" or
// the close box (nothing stored).
DialogResult runRecordRegionsDialog(Desktop& desktop, Settings& current, FileDialogMemory& files);

}  // namespace ga
