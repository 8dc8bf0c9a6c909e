// A collection (a file of many puzzles) on the window: the list it opens as,
// its rating on the worker, and the player's progress in it.
//
// The list rates its rows while it is open, in runs of the worker's job
// kJobRateCollection: each run rates the next puzzles for about a quarter
// of a second, its notice (1181) brings the results into the list, and the
// next run starts while the list stays open. The ratings are kept with the
// collection, so that opening it again in the same run rates nothing twice.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/jobs.h"
#include "core/puzzle_formats.h"
#include "core/puzzle_record.h"
#include "platform/desktop.h"
#include "ui/collection_dialog.h"
#include "ui/collection_progress.h"

namespace ga {

struct WindowState;
class JobControl;

struct Collection {
    std::string path;
    std::vector<PuzzleRecord> puzzles;  // the clues, in file order
    std::vector<CollectionRating> ratings;
    CollectionProgress progress;
    int ratingLimit = 0;               // the first puzzles, up to kMostRatedPuzzles
    int current = -1;                  // the one on the board, -1 when the board holds none of them
    CollectionEvents* list = nullptr;  // the list while it is open
};

// The list of the puzzles read from `path`; true with the index of the one
// the player picked.
bool chooseFromCollection(Desktop& desktop, WindowState& state, JobControl& jobs,
                          const std::string& path, const PuzzleFileContent& content, int& chosen);

// The title of the board holding the collection's puzzle `index`:
// "gridAtelier -- name.sdm, puzzle 2 of 50".
std::string collectionTitle(const Collection& collection, int index);

// Puzzle `index` of the collection is on the board: it counts as played.
void startCollectionPuzzle(WindowState& state, int index);
// A new board: unless it holds the collection's current puzzle, none is current.
void followCollectionBoard(WindowState& state);
// The board's puzzle was finished: so it is in its collection.
void finishCollectionPuzzle(WindowState& state);
// The puzzle after the current one, -1 when there is none.
int nextCollectionPuzzle(const WindowState& state);

// The command table's maker of the next run, refused when every puzzle the
// list rates is rated; its notice starts the run after it while the list
// wants one.
std::unique_ptr<Job> prepareCollectionJob(Desktop& desktop, WindowState& state, int command);

}  // namespace ga
