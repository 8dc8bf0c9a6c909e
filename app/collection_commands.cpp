#include "app/collection_commands.h"

#include <algorithm>
#include <chrono>

#include "app/command_ids.h"
#include "app/ladder_commands.h"
#include "app/window_commands.h"
#include "core/puzzle_text.h"
#include "core/translation.h"
#include "ui/atomic_file.h"

namespace ga {

namespace {

// A run of the rating ends after this long (or this many puzzles), so the
// list fills steadily and a pick waits at most for the puzzle being rated.
constexpr auto kRunTime = std::chrono::milliseconds(250);
constexpr int kMostRunPuzzles = 64;

int firstUnrated(const Collection& collection) {
    for (int i = 0; i < collection.ratingLimit; ++i) {
        if (!collection.ratings[i].rated) return i;
    }
    return -1;
}

CollectionRating rateCollectionPuzzle(const PuzzleRecord& puzzle) {
    CollectionRating rating;
    rating.rated = true;
    const PuzzleAnswers answers = countClueAnswers(puzzle, kWaitingCountNodes);
    rating.answers = answers.count;
    if (answers.count != 1) return rating;
    LadderRating ladder;
    rateClues(puzzle, answers, kHighestRung, nullptr, ladder);
    rating.score = ladder.score;
    rating.level = puzzleLevel(ladder);
    return rating;
}

// A run of the rating: the collection (its key), and the puzzles of this run
// from its puzzle `first` on; the list asks the run to stop between puzzles.
class CollectionJob : public Job {
  public:
    using Puzzles = std::vector<PuzzleRecord>::const_iterator;
    CollectionJob(const std::string& key, int first, Puzzles begin, Puzzles end)
        : Job(kJobRateCollection), key_(key), first_(first), puzzles_(begin, end) {}

    int run(ProgressMeter&, const std::atomic<bool>& stopAsked) override {
        const auto start = std::chrono::steady_clock::now();
        for (const PuzzleRecord& puzzle : puzzles_) {
            if (stopAsked.load()) break;
            if (!ratings_.empty() && std::chrono::steady_clock::now() - start > kRunTime) break;
            ratings_.push_back(rateCollectionPuzzle(puzzle));
        }
        return kCommandRateCollection;
    }

    // The ratings go to the collection and its list; kRunAgain when the list
    // wants the next run.
    Taken take(Desktop& desktop, WindowState& state, Settings&) override {
        showIdleMenu(desktop, state);
        Collection& collection = state.collection;
        // A run that outlived its list belongs to no collection shown now.
        if (key_ != collection.progress.key) return Taken::kBoardKept;
        const int taken = static_cast<int>(ratings_.size());
        for (int i = 0; i < taken && first_ + i < collection.ratingLimit; ++i)
            collection.ratings[first_ + i] = ratings_[i];
        if (collection.list == nullptr) return Taken::kBoardKept;
        return collection.list->ratingsTaken(first_, taken) && firstUnrated(collection) >= 0
                   ? Taken::kRunAgain
                   : Taken::kBoardKept;
    }

  private:
    std::string key_;
    int first_;
    std::vector<PuzzleRecord> puzzles_;
    std::vector<CollectionRating> ratings_;  // from first_ on
};

void saveProgress(const WindowState& state) {
    // Progress is a convenience: a folder that cannot be written costs the
    // marks of this run only, and the game goes on.
    saveCollectionProgress(state.player.folders.state, state.collection.progress);
}

}  // namespace

bool chooseFromCollection(Desktop& desktop, WindowState& state, JobControl& jobs,
                          const std::string& path, const PuzzleFileContent& content, int& chosen) {
    Collection& collection = state.collection;
    const std::string key = collectionKey(content.puzzles);
    const int count = static_cast<int>(content.puzzles.size());
    chosen = collection.current;
    if (collection.progress.key != key) {
        Collection fresh;
        fresh.puzzles = content.puzzles;
        fresh.ratings.assign(content.puzzles.size(), CollectionRating{});
        fresh.ratingLimit = std::min(count, kMostRatedPuzzles);
        fresh.progress = loadCollectionProgress(state.player.folders.state, key, count);
        collection = std::move(fresh);
        chosen = -1;
    }
    collection.path = path;

    CollectionView view;
    view.fileName = fileNameOf(path);
    view.ratings = &collection.ratings;
    view.progress = &collection.progress;
    view.ratingLimit = collection.ratingLimit;
    view.ratingRuns = [&jobs] { return jobs.busy(); };
    view.stopRating = [&jobs] { jobs.stopRating(); };
    if (jobs.workerRunning() && firstUnrated(collection) >= 0)
        jobs.startJob(desktop, state, kCommandRateCollection);
    const int result = runCollectionDialog(desktop, view, chosen, collection.list);
    // The list waits for a run to end before it closes; should one still go
    // on, the board stays as it is until its notice.
    if (jobs.busy()) {
        jobs.stopRating();
        return false;
    }
    return result == kDialogOkay && chosen >= 0 && chosen < count;
}

std::string collectionTitle(const Collection& collection, int index) {
    return std::string(kProgramName) + " -- " +
           filled(translate("Window", "%1, puzzle %2 of %3"),
                  {fileNameOf(collection.path), std::to_string(index + 1),
                   std::to_string(collection.puzzles.size())});
}

void startCollectionPuzzle(WindowState& state, int index) {
    state.collection.current = index;
    markPuzzle(state.collection.progress, index, PuzzleMark::kPlayed);
    saveProgress(state);
}

void followCollectionBoard(WindowState& state) {
    Collection& collection = state.collection;
    if (collection.current < 0) return;
    if (clueLine(collection.puzzles[collection.current]) != clueLine(state.puzzle))
        collection.current = -1;
}

void finishCollectionPuzzle(WindowState& state) {
    if (state.collection.current < 0) return;
    markPuzzle(state.collection.progress, state.collection.current, PuzzleMark::kFinished);
    saveProgress(state);
}

int nextCollectionPuzzle(const WindowState& state) {
    const Collection& collection = state.collection;
    const int next = collection.current + 1;
    return collection.current >= 0 && next < static_cast<int>(collection.puzzles.size()) ? next
                                                                                         : -1;
}

std::unique_ptr<Job> prepareCollectionJob(Desktop&, WindowState& state, int) {
    const Collection& collection = state.collection;
    const int first = firstUnrated(collection);
    if (first < 0) return nullptr;
    const int end = std::min(collection.ratingLimit, first + kMostRunPuzzles);
    return std::make_unique<CollectionJob>(collection.progress.key, first,
                                           collection.puzzles.begin() + first,
                                           collection.puzzles.begin() + end);
}

}  // namespace ga
