// The list a collection (a file of many puzzles) opens as: a row per puzzle
// with its number, level, score and what the player did with it; a puzzle
// is picked to be played.
//
// The rows are rated while the list is open, by the window's worker in short
// runs; each run's results reach the list through ratingsTaken. Playing or
// closing asked for meanwhile waits for the run to end, so that no rating
// runs once the list is gone.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ladder/techniques.h"
#include "platform/desktop.h"
#include "platform/dialog.h"
#include "ui/collection_progress.h"

namespace ga {

constexpr int kCollectionDialogId = 7100;
constexpr int kCollectionSummaryId = 7101;  // "50 puzzles: 3 played, 2 finished"
constexpr int kCollectionTableId = 7102;
constexpr int kCollectionRatingId = 7103;  // how far the rating is

// Only the first puzzles of a collection are rated: a long file's list
// opens at once, and its later rows say they were not rated.
constexpr int kMostRatedPuzzles = 1000;

struct CollectionRating {
    bool rated = false;
    int answers = 0;  // 0, 1, 2 (several) or kCountGaveUp, as PuzzleAnswers counts them
    int score = 0;    // with one answer
    Level level = Level::kEasy;
};

// What the list shows and may change; the window owns it.
struct CollectionView {
    std::string fileName;
    const std::vector<CollectionRating>* ratings = nullptr;
    const CollectionProgress* progress = nullptr;
    int ratingLimit = 0;  // the rows rated at most
    // Whether a run of the rating is on the worker, and asking it to stop.
    std::function<bool()> ratingRuns;
    std::function<void()> stopRating;
};

// "12\tHard\t412\tfinished": a row's columns.
std::string collectionRowText(int index, const CollectionRating& rating, PuzzleMark mark,
                              bool beyondLimit);

DialogTemplate collectionTemplate(const std::string& fileName);

class CollectionEvents : public DialogEvents {
  public:
    // `chosen`: the row first selected, and then the one picked.
    CollectionEvents(const CollectionView& view, int& chosen);
    void onInit(DialogHost& dialog) override;
    void onCommand(DialogHost& dialog, int id) override;
    // Rows first..first+count-1 were rated. False when the list waits to
    // end and wants no further run; it ends then.
    bool ratingsTaken(int first, int count);

  private:
    void showProgress();
    void askToEnd(int result);

    const CollectionView& view_;
    int& chosen_;
    DialogHost* dialog_ = nullptr;
    int pendingResult_ = 0;  // the end asked for while a run went on
};

// The list over the desktop; kDialogOkay with `chosen` the puzzle picked.
int runCollectionDialog(Desktop& desktop, const CollectionView& view, int& chosen,
                        CollectionEvents*& open);

}  // namespace ga
