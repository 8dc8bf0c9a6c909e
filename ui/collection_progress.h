// What the player did with each puzzle of a collection (a file of many
// puzzles): played or finished, kept per collection in the player's state
// folder as collections/<key>.progress.
//
// The key is the fingerprint of the collection's puzzles written one clue
// line each, not of the file's path or bytes: the same puzzles keep their
// progress when the file is moved, renamed, copied or saved again in another
// format or with other line ends, and an edited file whose puzzles changed
// (so that the numbers would point at other puzzles) starts afresh.
//
// The file, each line ending in "\n":
//
//   gridAtelier collection 1
//   key 0123456789abcdef        the collection's key, checked on reading
//   puzzles 50                  how many puzzles it holds, checked too
//   3 played                    a line per puzzle touched: its number (from 1)
//   7 finished                  and what became of it
//
// A file with another header, key or count belongs to no collection of ours
// and is ignored; a line that is not of this form is skipped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/puzzle_record.h"

namespace ga {

enum class PuzzleMark : uint8_t { kNone, kPlayed, kFinished };

struct CollectionProgress {
    std::string key;
    std::vector<PuzzleMark> marks;  // one per puzzle, in file order
};

// The key of a collection of these puzzles (their clues).
std::string collectionKey(const std::vector<PuzzleRecord>& puzzles);

// A mark only ever rises: a finished puzzle played again stays finished.
void markPuzzle(CollectionProgress& progress, int index, PuzzleMark mark);

std::string formatCollectionProgress(const CollectionProgress& progress);
// Reads `text` as the progress of the collection with `key` and `count`
// puzzles; false (and `out` holds no marks) when it is not.
bool parseCollectionProgress(std::string_view text, const std::string& key, int count,
                             CollectionProgress& out);

// The file's place in the state folder `stateFolder` (ending in '/').
std::string collectionProgressPath(const std::string& stateFolder, const std::string& key);
// Reads the collection's progress; no marks when there is no usable file.
CollectionProgress loadCollectionProgress(const std::string& stateFolder, const std::string& key,
                                          int count);
// Writes it through the atomic writer; false when it could not be written.
bool saveCollectionProgress(const std::string& stateFolder, const CollectionProgress& progress);

}  // namespace ga
