#include "ui/booklet_dialog.h"

#include <algorithm>
#include <iterator>

#include "core/translation.h"
#include "ui/board.h"

namespace ga {

namespace {

constexpr const char* kPaperNames[] = {QT_TRANSLATE_NOOP("Dialog", "A4"),
                                       QT_TRANSLATE_NOOP("Dialog", "Letter")};
constexpr Paper kPapers[] = {Paper::kA4, Paper::kLetter};
constexpr int kCountDigits = 3;

int perPageIndex(int perPage) {
    const auto found = std::find(std::begin(kPerPageChoices), std::end(kPerPageChoices), perPage);
    return found == std::end(kPerPageChoices)
               ? -1
               : static_cast<int>(std::distance(std::begin(kPerPageChoices), found));
}

int boundedCount(int count) {
    return std::clamp(count, 1, kMostBookletPuzzles);
}

}  // namespace

DialogTemplate bookletTemplate() {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kBookletDialogId;
    t.title = translate("Dialog", "Print Puzzles");
    t.width = 200;
    t.height = 140;
    t.controls = {
        {kNoControlId, K::kStaticText, translate("Dialog", "Puzzles of:"), 10, 10, 180, 10},
        {kBookletKindListId, K::kSelectionList, "", 10, 22, 180, 12},
        {kNoControlId, K::kStaticText, translate("Dialog", "How many:"), 10, 44, 65, 10},
        {kBookletCountFieldId, K::kEditField, "", 80, 43, 40, 11},
        {kBookletCountArrowsId, K::kUpDown, "", 120, 43, 10, 11, kBookletCountFieldId},
        {kNoControlId, K::kStaticText, translate("Dialog", "To a page:"), 10, 60, 65, 10},
        {kBookletPerPageListId, K::kSelectionList, "", 80, 59, 50, 12},
        {kNoControlId, K::kStaticText, translate("Dialog", "Paper:"), 10, 76, 65, 10},
        {kBookletPaperListId, K::kSelectionList, "", 80, 75, 50, 12},
        {kBookletAnswersBoxId, K::kCheckBox, translate("Dialog", "The answers after the puzzles"),
         10, 94, 180, 10},
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "Print..."), 40, 116, 55, 14},
        {kDialogCancel, K::kButton, translate("Dialog", "Cancel"), 105, 116, 55, 14},
    };
    return t;
}

BookletEvents::BookletEvents(const std::vector<std::string>& kinds, BookletChoice& choice)
    : kinds_(kinds), choice_(choice), working_(choice) {}

void BookletEvents::onInit(DialogHost& dialog) {
    dialog.setItems(kBookletKindListId, kinds_);
    dialog.select(kBookletKindListId, working_.kind);
    dialog.setTextLimit(kBookletCountFieldId, kCountDigits);
    dialog.setText(kBookletCountFieldId, std::to_string(boundedCount(working_.count)));
    std::vector<std::string> perPage;
    for (int choice : kPerPageChoices) perPage.push_back(std::to_string(choice));
    dialog.setItems(kBookletPerPageListId, perPage);
    dialog.select(kBookletPerPageListId, perPageIndex(working_.options.perPage));
    std::vector<std::string> papers;
    for (const char* paper : kPaperNames) papers.push_back(translate("Dialog", paper));
    dialog.setItems(kBookletPaperListId, papers);
    dialog.select(kBookletPaperListId, working_.options.paper == Paper::kLetter ? 1 : 0);
    dialog.setChecked(kBookletAnswersBoxId, working_.options.answers);
}

void BookletEvents::onCommand(DialogHost& dialog, int id) {
    switch (id) {
        case kDialogOkay: {
            const int kind = dialog.selection(kBookletKindListId);
            const int perPage = dialog.selection(kBookletPerPageListId);
            const int paper = dialog.selection(kBookletPaperListId);
            if (kind >= 0) working_.kind = kind;
            if (perPage >= 0) working_.options.perPage = kPerPageChoices[perPage];
            if (paper >= 0) working_.options.paper = kPapers[paper];
            working_.count = boundedCount(typedNumber(dialog.text(kBookletCountFieldId)));
            working_.options.answers = dialog.checked(kBookletAnswersBoxId);
            choice_ = working_;
            dialog.end(kDialogOkay);
            return;
        }
        case kDialogCancel:
            dialog.end(kDialogCancel);
            return;
        default:
            return;
    }
}

void BookletEvents::onUpDown(DialogHost& dialog, int id, int delta) {
    if (id != kBookletCountArrowsId) return;
    // The up arrow (delta -1) makes more.
    const int count = boundedCount(typedNumber(dialog.text(kBookletCountFieldId)) - delta);
    dialog.setText(kBookletCountFieldId, std::to_string(count));
}

int runBookletDialog(Desktop& desktop, const std::vector<std::string>& kinds,
                     BookletChoice& choice) {
    BookletEvents events(kinds, choice);
    return desktop.runDialog(bookletTemplate(), events);
}

}  // namespace ga
