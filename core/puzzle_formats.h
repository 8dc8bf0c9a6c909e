// The puzzle files other programs read and write, as text:
//
//   kSdk    one puzzle as nine rows of nine cells ('.' or '0' open), after
//           optional "#X" lines that tell about it (#A author, #D
//           description, #C comment, #B date, #S source, #L level, #U web
//           address); in a file with "[Puzzle]"-style sections only the
//           puzzle's section holds the grid.
//   kSs     one puzzle drawn with '|' between the boxes and a line of '-'
//           between the bands.
//   kSdm    a collection: one puzzle per line, 81 cells each.
//   kXml    a collection in XML: <opensudoku> holding <game data="81
//           digits"/> elements, '0' for an open cell, with an optional name,
//           author and description (as child elements or attributes).
//   kLines  the command line's own input: one puzzle per line (81 cells,
//           then white space and any text), '#' lines and blank lines
//           skipped, or one pencil-mark grid.
//
// The desktop's binary puzzle file (ui/puzzle_file.h) is kGaFile; it is read
// and written one layer up, where its encoding lives. Readers touch nothing
// but what they return, so they can be fed anything.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/puzzle_record.h"

namespace ga {

// A collection holds at most this many puzzles.
constexpr int kMostFilePuzzles = 100000;

enum class PuzzleFormat { kUnknown, kGaFile, kSdk, kSs, kSdm, kXml, kLines };

// What a file tells about its puzzle or its collection; empty when it does not.
struct PuzzleFileInfo {
    std::string name, author, description, comment, date, source, level, url;
};

// Why a file could not be read: the 1-based line (0: the file as a whole)
// and a short English reason.
struct FormatError {
    int line = 0;
    std::string what;
};

struct PuzzleFileContent {
    PuzzleFormat format = PuzzleFormat::kUnknown;
    std::vector<PuzzleRecord> puzzles;  // clues as readPuzzleText gives them
    std::vector<int> lines;             // the line each puzzle starts on
    PuzzleFileInfo info;
    FormatError error;  // what is empty when the file was read
    bool ok() const { return error.what.empty(); }
};

// The format the text is in, told from its content; `extension` (without the
// dot, any case) only decides between formats that both fit. Never kGaFile.
PuzzleFormat detectTextFormat(std::string_view text, std::string_view extension);

// Reads the text in the format given (one of the text formats). On an error
// `puzzles` is empty and `error` tells the line and what is wrong.
PuzzleFileContent readPuzzleTextAs(PuzzleFormat format, std::string_view text);

// The format for a file name by its extension; kUnknown when none fits.
PuzzleFormat formatOfFileName(std::string_view name);
// The extension each format's files carry, without the dot.
const char* extensionOf(PuzzleFormat format);
// The extension of a file name, without the dot; "" when it has none.
std::string_view extensionOfFileName(std::string_view name);

// The text of a file holding `puzzles` (their clues) in a text format; the
// one-puzzle formats write the first. `info` goes where the format has room.
std::string writePuzzleText(PuzzleFormat format, const std::vector<PuzzleRecord>& puzzles,
                            const PuzzleFileInfo& info = {});

}  // namespace ga
