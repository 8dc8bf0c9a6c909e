#include "ui/collection_dialog.h"

#include "core/searches.h"

namespace ga {

namespace {

constexpr const char* kMarkTexts[] = {"", "played", "finished"};

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
    return std::to_string(progress.marks.size()) + " puzzles: " + std::to_string(finished) +
           " finished, " + std::to_string(played) + " more played";
}

}  // namespace

std::string collectionRowText(int index, const CollectionRating& rating, PuzzleMark mark,
                              bool beyondLimit) {
    std::string level, score;
    if (beyondLimit) {
        level = "not rated";
    } else if (!rating.rated) {
        level = "...";
    } else if (rating.answers == 1) {
        level = levelName(rating.level);
        score = std::to_string(rating.score);
    } else {
        level = rating.answers == 0   ? "no answer"
                : rating.answers == 2 ? "several answers"
                                      : "not known";
    }
    return std::to_string(index + 1) + "\t" + level + "\t" + score + "\t" +
           kMarkTexts[static_cast<int>(mark)];
}

DialogTemplate collectionTemplate(const std::string& fileName) {
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kCollectionDialogId;
    t.title = "Collection -- " + fileName;
    t.width = 260;
    t.height = 250;
    t.controls = {
        {kCollectionSummaryId, K::kStaticText, "", 10, 8, 240, 10},
        {kCollectionTableId, K::kTable, "No.\tLevel\tScore\tPlayed", 10, 22, 240, 180},
        {kCollectionRatingId, K::kStaticText, "", 10, 208, 240, 10},
        {kDialogOkay, K::kDefaultButton, "Play", 130, 226, 55, 14},
        {kDialogCancel, K::kButton, "Cancel", 195, 226, 55, 14},
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
    dialog_->setText(kCollectionRatingId, "stopping the rating ...");
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
        text = "rating the puzzles: " + std::to_string(rated) + " of " +
               std::to_string(view_.ratingLimit) + " rated";
    } else if (view_.ratingLimit < total) {
        text = "the first " + std::to_string(view_.ratingLimit) + " puzzles rated";
    } else {
        text = "all puzzles rated";
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
