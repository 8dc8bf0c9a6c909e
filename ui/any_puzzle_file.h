// Puzzle files in any format the program knows: the desktop's own binary
// puzzle file (puzzle_file.h, its bytes as they always were) and the text
// formats of core/puzzle_formats.h. The format is told from the bytes; the
// file name's extension only decides between formats that both fit.
//
// This lives beside puzzle_file.h rather than in core/ because the binary
// file's encoding lives here; the text formats themselves stay in core/.
#pragma once

#include <string>
#include <string_view>

#include "core/puzzle_formats.h"
#include "ui/puzzle_file.h"

namespace ga {

// The most bytes a puzzle file of any format may have.
constexpr std::size_t kMostPuzzleFileBytes = 16u << 20;

struct AnyPuzzleFile {
    PuzzleFileContent content;
    // Of a binary puzzle file (content.puzzles then holds its one record as
    // saved); for the text formats as the program starts, of a hand-built puzzle.
    PuzzleFileHeader header;
};

// The file's format from its bytes: kGaFile for bytes that are no text (a NUL
// among them, or exactly a binary puzzle file that decodes), else
// detectTextFormat.
PuzzleFormat detectPuzzleFileFormat(std::string_view bytes, std::string_view fileName);

// Reads the bytes of a file named `fileName` (only its extension counts).
// On failure content.error names the line (0 for the file as a whole) and
// what is wrong, and content.puzzles is empty.
AnyPuzzleFile readPuzzleFileAny(std::string_view bytes, std::string_view fileName);

// Reads the file at `path` whole (a regular file of at most
// kMostPuzzleFileBytes; a FIFO is refused without waiting) and then as
// readPuzzleFileAny does.
AnyPuzzleFile readPuzzleFileAt(const std::string& path);

// The bytes of a file in `format` holding the one puzzle: the binary file
// exactly as encodePuzzleFile writes it, a text format with the clues only.
std::string encodePuzzleFileAs(PuzzleFormat format, const PuzzleFileHeader& header,
                               const PuzzleRecord& record, const PuzzleFileInfo& info = {});

// Writes that file at `path` through the atomic writer, as writePuzzleFile does.
PuzzleFileWrite writePuzzleFileAs(PuzzleFormat format, const PuzzleFileHeader& header,
                                  const PuzzleRecord& record, const std::string& path);

}  // namespace ga
