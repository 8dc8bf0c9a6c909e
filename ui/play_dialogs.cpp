#include "ui/play_dialogs.h"

#include "core/translation.h"
#include "ui/shown_names.h"

namespace ga {

namespace {

using K = DialogControlKind;

constexpr const char* kColumns[] = {
    QT_TRANSLATE_NOOP("Dialog", "Class"),    QT_TRANSLATE_NOOP("Dialog", "Started"),
    QT_TRANSLATE_NOOP("Dialog", "Finished"), QT_TRANSLATE_NOOP("Dialog", "Without help"),
    QT_TRANSLATE_NOOP("Dialog", "Best"),     QT_TRANSLATE_NOOP("Dialog", "Median")};
constexpr int kColumnCount = 6;
constexpr int kColumnX[kColumnCount] = {8, 78, 114, 152, 202, 238};
constexpr int kColumnWidth[kColumnCount] = {68, 34, 36, 48, 34, 34};
constexpr int kRowHeight = 11;

std::string timeOrDash(int seconds) {
    return seconds < 0 ? "\u2013" : formatPlayedTime(seconds);
}

class StatisticsEvents : public DialogEvents {
  public:
    StatisticsEvents(Statistics& statistics, const std::vector<std::string>& names)
        : statistics_(statistics), names_(names) {}
    void onInit(DialogHost& dialog) override { fill(dialog); }
    void onCommand(DialogHost& dialog, int id) override {
        if (id == kStatisticsResetId) {
            statistics_ = Statistics{};
            reset = true;
            fill(dialog);
        } else if (id == kDialogOkay || id == kDialogCancel) {
            dialog.end(id);
        }
    }
    bool reset = false;

  private:
    void fill(DialogHost& dialog) {
        for (std::size_t row = 0; row < names_.size(); ++row) {
            const auto found = statistics_.byClass.find(names_[row]);
            const ClassStatistics entry =
                found != statistics_.byClass.end() ? found->second : ClassStatistics{};
            const std::string cells[kColumnCount] = {
                shownStatisticsClass(names_[row]), std::to_string(entry.started),
                std::to_string(entry.finished),    std::to_string(entry.finishedWithoutHelp),
                timeOrDash(entry.bestSeconds()),   timeOrDash(entry.medianSeconds())};
            for (int column = 0; column < kColumnCount; ++column)
                dialog.setText(kStatisticsFirstCellId + static_cast<int>(row) * 10 + column,
                               cells[column]);
        }
    }
    Statistics& statistics_;
    const std::vector<std::string>& names_;
};

class PreferencesEvents : public DialogEvents {
  public:
    explicit PreferencesEvents(Preferences& preferences) : preferences_(preferences) {}
    void onInit(DialogHost& dialog) override {
        dialog.setChecked(kPreferencesClearNotesId, preferences_.clearNotesOnPlacement);
        dialog.setChecked(kPreferencesResumeId, preferences_.resumeAtStart);
        dialog.setChecked(kPreferencesClockId, preferences_.showClock);
        dialog.setChecked(kPreferencesCoordinatesId, preferences_.showCoordinates);
        dialog.setItems(kPreferencesLookId,
                        {translate("Dialog", "Follow the desktop"), translate("Dialog", "Light"),
                         translate("Dialog", "Dark"), translate("Dialog", "High contrast")});
        dialog.select(kPreferencesLookId, static_cast<int>(preferences_.look));
        dialog.setItems(kPreferencesMistakeCueId,
                        {translate("Dialog", "In Dark and High contrast"),
                         translate("Dialog", "Always"), translate("Dialog", "Never")});
        dialog.select(kPreferencesMistakeCueId, static_cast<int>(preferences_.mistakeCue));
    }
    void onCommand(DialogHost& dialog, int id) override {
        if (id == kDialogOkay) {
            preferences_.clearNotesOnPlacement = dialog.checked(kPreferencesClearNotesId);
            preferences_.resumeAtStart = dialog.checked(kPreferencesResumeId);
            preferences_.showClock = dialog.checked(kPreferencesClockId);
            preferences_.showCoordinates = dialog.checked(kPreferencesCoordinatesId);
            const int look = dialog.selection(kPreferencesLookId);
            if (look >= 0 && look < kLookCount) preferences_.look = static_cast<Look>(look);
            const int cue = dialog.selection(kPreferencesMistakeCueId);
            if (cue >= 0 && cue < kMistakeCueCount)
                preferences_.mistakeCue = static_cast<MistakeCue>(cue);
        }
        if (id == kDialogOkay || id == kDialogCancel) dialog.end(id);
    }

  private:
    Preferences& preferences_;
};

class FinishEvents : public DialogEvents {
  public:
    void onInit(DialogHost&) override {}
    void onCommand(DialogHost& dialog, int id) override {
        if (id == kFinishNewPuzzleId || id == kDialogOkay || id == kDialogCancel) dialog.end(id);
    }
};

}  // namespace

bool runStatisticsDialog(Desktop& desktop, Statistics& statistics,
                         const std::vector<std::string>& classNames) {
    DialogTemplate t;
    t.id = kStatisticsDialogId;
    t.title = translate("Dialog", "Statistics");
    t.width = 280;
    const int rows = static_cast<int>(classNames.size());
    for (int column = 0; column < kColumnCount; ++column)
        t.controls.push_back({kNoControlId, K::kStaticText, translate("Dialog", kColumns[column]),
                              kColumnX[column], 8, kColumnWidth[column], 10});
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumnCount; ++column)
            t.controls.push_back({kStatisticsFirstCellId + row * 10 + column, K::kStaticText, "",
                                  kColumnX[column], 22 + row * kRowHeight, kColumnWidth[column],
                                  10});
    }
    const int buttons = 28 + rows * kRowHeight;
    t.controls.push_back(
        {kStatisticsResetId, K::kButton, translate("Dialog", "Reset"), 150, buttons, 55, 14});
    t.controls.push_back(
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "Close"), 215, buttons, 55, 14});
    t.height = buttons + 22;
    StatisticsEvents events(statistics, classNames);
    desktop.runDialog(t, events);
    return events.reset;
}

bool runPreferencesDialog(Desktop& desktop, Preferences& preferences) {
    DialogTemplate t;
    t.id = kPreferencesDialogId;
    t.title = translate("Dialog", "Preferences");
    t.width = 270;
    t.height = 146;
    t.controls = {
        {kPreferencesClearNotesId, K::kCheckBox,
         translate("Dialog",
                   "Placing a value clears that digit from the notes of its row, column and box"),
         10, 8, 250, 20},
        {kPreferencesResumeId, K::kCheckBox,
         translate("Dialog", "Resume the game in progress at start"), 10, 32, 250, 12},
        {kPreferencesClockId, K::kCheckBox, translate("Dialog", "Show the clock"), 10, 48, 250, 12},
        {kPreferencesCoordinatesId, K::kCheckBox,
         translate("Dialog",
                   "Show row and column numbers beside the board (as hints name cells: r4c7)"),
         10, 64, 250, 12},
        {kNoControlId, K::kStaticText, translate("Dialog", "Look:"), 10, 84, 110, 10},
        {kPreferencesLookId, K::kSelectionList, "", 125, 82, 135, 60},
        {kNoControlId, K::kStaticText, translate("Dialog", "Underline mistakes with a wavy line:"),
         10, 102, 110, 10},
        {kPreferencesMistakeCueId, K::kSelectionList, "", 125, 100, 135, 60},
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "OK"), 140, 122, 55, 14},
        {kDialogCancel, K::kButton, translate("Dialog", "Cancel"), 205, 122, 55, 14},
    };
    Preferences chosen = preferences;
    PreferencesEvents events(chosen);
    if (desktop.runDialog(t, events) != kDialogOkay) return false;
    preferences = chosen;
    return true;
}

std::vector<std::string> finishLines(const FinishSummary& summary) {
    std::string rating = translate("Dialog", "Rating: not known");
    if (summary.score >= 0) {
        const std::string score = std::to_string(summary.score);
        rating = summary.level.empty() ? filled(translate("Dialog", "Rating: %1"), {score})
                                       : filled(translate("Dialog", "Rating: %1, score %2"),
                                                {translate("Level", summary.level.c_str()), score});
        if (!summary.hardest.empty())
            rating += " (" + translate("Technique", summary.hardest.c_str()) + ")";
    }
    return {filled(translate("Dialog", "Time: %1"), {formatPlayedTime(summary.seconds)}),
            filled(translate("Dialog", "Hints: %1   Solves: %2"),
                   {std::to_string(summary.hints), std::to_string(summary.solves)}),
            rating};
}

bool runFinishDialog(Desktop& desktop, const FinishSummary& summary) {
    DialogTemplate t;
    t.id = kFinishDialogId;
    t.title = translate("Dialog", "Solved!");
    t.width = 200;
    t.height = 84;
    int y = 8, id = kFinishFirstLineId;
    for (const std::string& line : finishLines(summary)) {
        t.controls.push_back({id++, K::kStaticText, line, 10, y, 180, 10});
        y += 12;
    }
    const std::string next = summary.nextText.empty()
                                 ? filled(translate("Dialog", "New %1 Puzzle"),
                                          {shownStatisticsClass(summary.className)})
                                 : summary.nextText;
    t.controls.push_back({kFinishNewPuzzleId, K::kDefaultButton, next, 10, 62, 115, 14});
    t.controls.push_back({kDialogOkay, K::kButton, translate("Dialog", "Close"), 135, 62, 55, 14});
    FinishEvents events;
    return desktop.runDialog(t, events) == kFinishNewPuzzleId;
}

}  // namespace ga
