// The XML collection of puzzle_formats.h: a small reader of our own for just
// its shape, and its writer.
//
// Read: an optional XML declaration, comments and processing instructions,
// then one <opensudoku> element. Every <game> inside it, however deep, is a
// puzzle whose data attribute holds the 81 cells ('0' or '.' open); the root's
// <name>, <author>, <description>, <comment>, <source> and <level> children,
// or the root's (or a <folder>'s) attributes of those names, tell about the
// collection. Only the five predefined entities and numeric character
// references are known; a document type declaration is refused, so no
// entity can expand. Nesting deeper than kMostXmlDepth or more than
// kMostFilePuzzles games is refused too.
#pragma once

#include <string_view>
#include <vector>

#include "core/puzzle_formats.h"

namespace ga {

constexpr int kMostXmlDepth = 64;

PuzzleFileContent readXmlCollection(std::string_view text);

std::string writeXmlCollection(const std::vector<PuzzleRecord>& puzzles,
                               const PuzzleFileInfo& info);

}  // namespace ga
