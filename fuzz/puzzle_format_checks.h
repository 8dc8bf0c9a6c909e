// What the fuzz targets of the puzzle file formats check of any read: a
// refused file gives no puzzle and a reason, a read one its puzzles with
// their lines, only clues 1-9 in them, and the format's writer gives a text
// that reads back to the same clues.
#pragma once

#include <cstring>
#include <string_view>

#include "core/puzzle_formats.h"
#include "core/puzzle_text.h"
#include "fuzz/fuzz_support.h"

namespace ga {

inline void checkPuzzleFileContent(const PuzzleFileContent& content, std::string_view text) {
    if (!content.ok()) {
        FUZZ_CHECK(content.puzzles.empty() && content.lines.empty());
        FUZZ_CHECK(content.error.line >= 0);
        return;
    }
    FUZZ_CHECK(!content.puzzles.empty() && content.puzzles.size() == content.lines.size());
    FUZZ_CHECK(content.puzzles.size() <= static_cast<std::size_t>(kMostFilePuzzles));
    for (const PuzzleRecord& record : content.puzzles) {
        for (int cell = 0; cell < kCells; ++cell) {
            FUZZ_CHECK(record.openFlags[cell] == 0 || record.openFlags[cell] == 1);
            FUZZ_CHECK(record.openFlags[cell] == 1
                           ? record.answerGrid[cell] == 0
                           : record.answerGrid[cell] >= 1 && record.answerGrid[cell] <= 9);
        }
        FUZZ_CHECK(record.answerKnown == 0);
    }
    for (int line : content.lines)
        FUZZ_CHECK(line >= 0 && static_cast<std::size_t>(line) <= text.size() + 1);
    if (content.format == PuzzleFormat::kGaFile) return;
    const std::string written = writePuzzleText(content.format, content.puzzles, content.info);
    const PuzzleFileContent again = readPuzzleTextAs(content.format, written);
    FUZZ_CHECK(again.ok());
    const bool onePuzzle =
        content.format == PuzzleFormat::kSdk || content.format == PuzzleFormat::kSs;
    FUZZ_CHECK(again.puzzles.size() == (onePuzzle ? 1 : content.puzzles.size()));
    for (std::size_t i = 0; i < again.puzzles.size(); ++i)
        FUZZ_CHECK(clueLine(again.puzzles[i]) == clueLine(content.puzzles[i]));
}

// A target reading the text in one format.
inline int fuzzPuzzleFormat(PuzzleFormat format, const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkPuzzleFileContent(readPuzzleTextAs(format, text), text);
    return 0;
}

}  // namespace ga
