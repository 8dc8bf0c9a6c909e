#include "ui/record_regions_dialog.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/regions.h"
#include "core/translation.h"
#include "generator/generation.h"
#include "ui/atomic_file.h"
#include "ui/board.h"
#include "ui/shown_names.h"

namespace ga {

namespace {

constexpr int kCellsStep = 1;

// Up (delta < 0) and down test the bound before stepping, so a value off the
// step grid can pass a bound by less than one step (950 goes up to 1050).
void step(int& value, int delta, int size, int lowest, int highest) {
    if (delta < 0 && value < highest) value += size;
    if (delta > 0 && value > lowest) value -= size;
}

}  // namespace

DialogTemplate recordRegionsTemplate() {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kRecordRegionsDialogId;
    t.title = translate("Dialog", "record regions of multi answer");
    t.width = 180;
    t.height = 210;
    t.controls = {
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "Okay"), 35, 190, 50, 12},
        {kDialogCancel, K::kButton, translate("Dialog", "Cancel"), 95, 190, 50, 12},
        {kCsvFileButtonId, K::kButton, translate("Dialog", "csv file for recording"), 30, 20, 120,
         12},
        {kCsvFileNameTextId, K::kStaticText, "", 30, 35, 120, 10},
        {kNoControlId, K::kStaticText, translate("Dialog", "difficulty level for search"), 30, 55,
         120, 10},
        {kSearchLevelListId, K::kSelectionList, "", 50, 65, 100, 100},
        {kNoControlId, K::kStaticText, translate("Dialog", "count of search regions"), 30, 85, 120,
         10},
        {kSearchCountFieldId, K::kEditField, "", 50, 95, 90, 10},
        {kSearchCountArrowsId, K::kUpDown, "", 140, 95, 10, 10, kSearchCountFieldId},
        {kNoControlId, K::kStaticText, translate("Dialog", "maybe max around 2000"), 50, 105, 80,
         10},
        {kNoControlId, K::kStaticText, translate("Dialog", "maximum cells of a region"), 30, 120,
         120, 10},
        {kMaxRegionCellsFieldId, K::kEditField, "", 50, 130, 90, 10},
        {kMaxRegionCellsArrowsId, K::kUpDown, "", 140, 130, 10, 10, kMaxRegionCellsFieldId},
        {kNoControlId, K::kStaticText, translate("Dialog", "4 ~ 36 as proper range"), 50, 140, 80,
         10},
        {kSaveRegionDefaultsBoxId, K::kCheckBox, translate("Dialog", "save as default"), 20, 175,
         140, 10},
    };
    return t;
}

RecordRegionsEvents::RecordRegionsEvents(Desktop& desktop, Settings& current,
                                         FileDialogMemory& files)
    : desktop_(desktop), current_(current), files_(files), workingPath_(files.csvWorkingPath) {}

void RecordRegionsEvents::onInit(DialogHost& dialog) {
    const std::string stored(current_.csvPath, strnlen(current_.csvPath, kSettingsTextBytes));
    std::error_code error;
    hasFile_ = false;
    if (!stored.empty() && std::filesystem::is_regular_file(stored, error)) {
        // The working path holds the extension while it is tested, so a
        // refused file leaves its extension behind as the name proposed next.
        const size_t dot = stored.rfind('.');
        workingPath_ = dot == std::string::npos ? std::string() : stored.substr(dot + 1);
        if (workingPath_ == "csv") {
            workingPath_ = stored;
            hasFile_ = true;
        }
    }
    showFile(dialog, hasFile_ ? fileNameOf(stored) : translate("Dialog", "no file"));

    level_ = current_.searchLevel;
    count_ = current_.searchCount;
    maximum_ = current_.maxRegionCells;
    saveAsDefault_ = current_.saveRegionDefaults != 0;

    dialog.setItems(kSearchLevelListId, shownClassNames(kLowestClass, kLastLogicClass));
    dialog.select(kSearchLevelListId, level_);
    dialog.setTextLimit(kSearchCountFieldId, 5);
    dialog.setText(kSearchCountFieldId, std::to_string(count_));
    dialog.setText(kMaxRegionCellsFieldId, std::to_string(maximum_));
    dialog.setChecked(kSaveRegionDefaultsBoxId, saveAsDefault_);
    enableRecordControls(dialog, hasFile_);
}

void RecordRegionsEvents::showFile(DialogHost& dialog, const std::string& name) {
    dialog.setText(kCsvFileNameTextId, filled(translate("Dialog", "selected : %1"), {name}));
}

void RecordRegionsEvents::enableRecordControls(DialogHost& dialog, bool enabled) {
    for (int id : std::initializer_list<int>{kDialogOkay, kSearchLevelListId, kSearchCountFieldId,
                                             kMaxRegionCellsFieldId, kSearchCountArrowsId,
                                             kMaxRegionCellsArrowsId}) {
        dialog.enable(id, enabled);
    }
}

void RecordRegionsEvents::chooseFile(DialogHost& dialog) {
    FileDialogRequest request;
    request.purpose = FileDialogRequest::Purpose::kSave;
    request.title = translate("Dialog", "save file as ...");
    request.filters = {{translate("Dialog", "csv file") + " (*.csv)", "*.csv"},
                       {translate("Dialog", "all files") + " (*.*)", "*.*"}};
    request.defaultExtension = "csv";
    request.proposedPath = workingPath_;
    std::string chosen;
    if (!ga::chooseFile(desktop_, files_, request, chosen)) return;
    // The path is kept in a 260-byte text with its NUL; a longer one could
    // never be opened by the search, so it is refused at once.
    if (chosen.size() >= static_cast<size_t>(kSettingsTextBytes)) {
        desktop_.messageBox(translate("Message", kCsvOpenFailedText),
                            translate("Message", "error"));
        return;
    }
    workingPath_ = chosen;
    hasFile_ = true;
    showFile(dialog, fileNameOf(chosen));
    enableRecordControls(dialog, true);
}

void RecordRegionsEvents::readFields(DialogHost& dialog) {
    count_ = typedNumber(dialog.text(kSearchCountFieldId));
    maximum_ = typedNumber(dialog.text(kMaxRegionCellsFieldId));
}

void RecordRegionsEvents::onCommand(DialogHost& dialog, int id) {
    switch (id) {
        case kCsvFileButtonId:
            chooseFile(dialog);
            return;
        case kSearchLevelListId: {
            const int chosen = dialog.selection(id);
            if (chosen >= 0) level_ = chosen;
            return;
        }
        case kSearchCountFieldId:
            count_ = typedNumber(dialog.text(id));
            return;
        case kMaxRegionCellsFieldId:
            maximum_ = typedNumber(dialog.text(id));
            return;
        case kSaveRegionDefaultsBoxId:
            saveAsDefault_ = dialog.checked(id);
            return;
        case kDialogOkay:
            if (!hasFile_ || workingPath_.size() >= static_cast<size_t>(kSettingsTextBytes)) {
                return;
            }
            // Refused here, so that the player can mend the numbers and keep the file.
            if (const char* problem = regionRequestProblem(level_, count_, maximum_)) {
                desktop_.messageBox(translate("Message", problem), translate("Message", "alert"));
                return;
            }
            std::memset(current_.csvPath, 0, sizeof current_.csvPath);
            std::memcpy(current_.csvPath, workingPath_.data(), workingPath_.size());
            current_.searchLevel = level_;
            current_.searchCount = count_;
            current_.maxRegionCells = maximum_;
            current_.saveRegionDefaults = saveAsDefault_ ? 1 : 0;
            dialog.end(kDialogOkay);
            return;
        case kDialogCancel:
            dialog.end(kDialogCancel);
            return;
        default:
            return;
    }
}

void RecordRegionsEvents::onUpDown(DialogHost& dialog, int id, int delta) {
    readFields(dialog);
    if (id == kSearchCountArrowsId) {
        step(count_, delta, kSearchCountStep, kLowestSearchCount, kHighestSearchCount);
        dialog.setText(kSearchCountFieldId, std::to_string(count_));
    } else if (id == kMaxRegionCellsArrowsId) {
        step(maximum_, delta, kCellsStep, kLowestRegionCells, kHighestRegionCells);
        dialog.setText(kMaxRegionCellsFieldId, std::to_string(maximum_));
    }
}

DialogResult runRecordRegionsDialog(Desktop& desktop, Settings& current, FileDialogMemory& files) {
    const DialogTemplate dialog = recordRegionsTemplate();
    RecordRegionsEvents events(desktop, current, files);
    return static_cast<DialogResult>(desktop.runDialog(dialog, events));
}

}  // namespace ga
