#include "ui/collection_dialog.h"

#include "core/searches.h"
#include "core/translation.h"

namespace ga {

namespace {

constexpr const char* kMarkTexts[] = {"", QT_TRANSLATE_NOOP("Dialog", "played"),
                                      QT_TRANSLATE_NOOP("Dialog", "finished")};

// The first puzzle never played, else the first not finished, else the first.
int firstToOffer(const CollectionProgress& progress) {
    const std::vector<PuzzleMark>& marks = progress.marks;
    for (PuzzleMark wanted : {PuzzleMark::kNone, PuzzleMark::kPlayed}) {
        for (std::size_t i = 0; i < marks.size(); ++i) {
            if (marks[i] == wanted) return static_cast<int>(i);
        }
    }
    return 0;
}

std::string summaryText(const CollectionProgress& progress) {
    int played = 0, finished = 0;
    for (PuzzleMark mark : progress.marks) {
        played += mark == PuzzleMark::kPlayed;
        finished += mark == PuzzleMark::kFinished;
    }
    return filled(
        translate("Dialog", "%1 puzzles: %2 finished, %3 more played"),
        {std::to_string(progress.marks.size()), std::to_string(finished), std::to_string(played)});
}

}  // namespace

std::string collectionRowText(int index, const CollectionRating& rating, PuzzleMark mark,
                              bool beyondLimit) {
    std::string level, score;
    if (beyondLimit) {
        level = translate("Dialog", "not rated");
    } else if (!rating.rated) {
        level = "...";
    } else if (rating.answers == 1) {
        level = translate("Level", levelName(rating.level));
        score = std::to_string(rating.score);
    } else {
        level = rating.answers == 0   ? translate("Dialog", "no answer")
                : rating.answers == 2 ? translate("Dialog", "several answers")
                                      : translate("Dialog", "not known");
    }
    return std::to_string(index + 1) + "\t" + level + "\t" + score + "\t" +
           translate("Dialog", kMarkTexts[static_cast<int>(mark)]);
}

DialogTemplate collectionTemplate(const std::string& fileName) {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kCollectionDialogId;
    t.title = filled(translate("Dialog", "Collection -- %1"), {fileName});
    t.width = 260;
    t.height = 250;
    t.controls = {
        {kCollectionSummaryId, K::kStaticText, "", 10, 8, 240, 10},
        {kCollectionTableId, K::kTable, translate("Dialog", "No.\tLevel\tScore\tPlayed"), 10, 22,
         240, 180},
        {kCollectionRatingId, K::kStaticText, "", 10, 208, 240, 10},
        {kDialogOkay, K::kDefaultButton, translate("Dialog", "Play"), 130, 226, 55, 14},
        {kDialogCancel, K::kButton, translate("Dialog", "Cancel"), 195, 226, 55, 14},
    };
    return t;
}

CollectionEvents::CollectionEvents(const CollectionView& view, int& chosen)
    : view_(view), chosen_(chosen) {}

void CollectionEvents::onInit(DialogHost& dialog) {
    dialog_ = &dialog;
    const std::vector<CollectionRating>& ratings = *view_.ratings;
    const std::vector<PuzzleMark>& marks = view_.progress->marks;
    std::vector<std::string> rows;
    rows.reserve(ratings.size());
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        rows.push_back(collectionRowText(static_cast<int>(i), ratings[i], marks[i],
                                         static_cast<int>(i) >= view_.ratingLimit));
    }
    dialog.setItems(kCollectionTableId, rows);
    dialog.setText(kCollectionSummaryId, summaryText(*view_.progress));
    if (chosen_ < 0 || chosen_ >= static_cast<int>(rows.size()))
        chosen_ = firstToOffer(*view_.progress);
    dialog.select(kCollectionTableId, chosen_);
    showProgress();
}

void CollectionEvents::onCommand(DialogHost& dialog, int id) {
    switch (id) {
        case kCollectionTableId:
            dialog.enable(kDialogOkay, dialog.selection(kCollectionTableId) >= 0);
            return;
        case kDialogOkay:
            chosen_ = dialog.selection(kCollectionTableId);
            if (chosen_ >= 0) askToEnd(kDialogOkay);
            return;
        case kDialogCancel:
            askToEnd(kDialogCancel);
            return;
        default:
            return;
    }
}

void CollectionEvents::askToEnd(int result) {
    if (!view_.ratingRuns()) {
        dialog_->end(result);
        return;
    }
    pendingResult_ = result;
    view_.stopRating();
    dialog_->setText(kCollectionRatingId, translate("Dialog", "stopping the rating ..."));
}

bool CollectionEvents::ratingsTaken(int first, int count) {
    if (dialog_ == nullptr) return false;
    const std::vector<CollectionRating>& ratings = *view_.ratings;
    for (int i = first; i < first + count && i < static_cast<int>(ratings.size()); ++i) {
        dialog_->setItem(kCollectionTableId, i,
                         collectionRowText(i, ratings[i], view_.progress->marks[i], false));
    }
    if (pendingResult_ != 0) {
        dialog_->end(pendingResult_);
        return false;
    }
    showProgress();
    return true;
}

void CollectionEvents::showProgress() {
    const std::vector<CollectionRating>& ratings = *view_.ratings;
    int rated = 0;
    for (int i = 0; i < view_.ratingLimit; ++i) rated += ratings[i].rated;
    const int total = static_cast<int>(ratings.size());
    std::string text;
    if (rated < view_.ratingLimit) {
        text = filled(translate("Dialog", "rating the puzzles: %1 of %2 rated"),
                      {std::to_string(rated), std::to_string(view_.ratingLimit)});
    } else if (view_.ratingLimit < total) {
        text = filled(translate("Dialog", "the first %1 puzzles rated"),
                      {std::to_string(view_.ratingLimit)});
    } else {
        text = translate("Dialog", "all puzzles rated");
    }
    dialog_->setText(kCollectionRatingId, text);
}

int runCollectionDialog(Desktop& desktop, const CollectionView& view, int& chosen,
                        CollectionEvents*& open) {
    CollectionEvents events(view, chosen);
    open = &events;
    const int result = desktop.runDialog(collectionTemplate(view.fileName), events);
    open = nullptr;
    return result;
}

}  // namespace ga
