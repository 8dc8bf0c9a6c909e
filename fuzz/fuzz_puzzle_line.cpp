// Puzzle lines as gridatelier-cli reads them from standard input: the line
// reader splitting a stream through a small buffer (the first input byte picks
// its size), and the parser of each line judged against the line's text.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "tools/gridatelier-cli/line_reader.h"
#include "tools/gridatelier-cli/puzzle_line.h"

namespace {

using namespace ga;
using namespace ga::cli;

bool isSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// 1..9, 0 for an empty cell, -1 for no cell character.
int cellValue(unsigned char c) {
    return c >= '1' && c <= '9' ? c - '0' : c == '.' || c == '0' ? 0 : -1;
}

// The number of cell characters the line starts with.
std::size_t leadingCells(const std::string& line) {
    std::size_t n = 0;
    while (n < line.size() && cellValue(line[n]) >= 0) ++n;
    return n;
}

// Only a puzzle is written into the record; a reason is one printable line.
void checkVerdict(const std::string& line, const LineVerdict& verdict, const PuzzleRecord& after) {
    const std::size_t at = std::min<std::size_t>(leadingCells(line), kCells);
    const bool ends = at == line.size() || isSpace(line[at]);
    const bool blank = std::all_of(line.begin(), line.end(), [](char c) { return isSpace(c); });
    const LineStatus expected = blank || line[0] == '#' ? LineStatus::kSkipped
                                : at == kCells
                                    ? ends ? LineStatus::kPuzzle : LineStatus::kNoSeparator
                                : ends ? LineStatus::kTooShort
                                       : LineStatus::kBadCharacter;
    FUZZ_CHECK(verdict.status == expected);
    if (expected == LineStatus::kPuzzle) {
        for (int cell = 0; cell < kCells; ++cell) {
            const int value = cellValue(line[cell]);
            FUZZ_CHECK(after.answerGrid[cell] == value && after.openFlags[cell] == (value == 0));
            FUZZ_CHECK(after.valueGrid[cell] == 0 && after.candidateNumbers[cell] == 0);
        }
        FUZZ_CHECK(after.answerKnown == 0);
        return;
    }
    PuzzleRecord untouched;
    std::memset(&untouched, 0x5A, sizeof untouched);
    FUZZ_CHECK(std::memcmp(&after, &untouched, sizeof after) == 0);
    if (expected == LineStatus::kSkipped) return;
    FUZZ_CHECK(static_cast<std::size_t>(verdict.position) == at);
    FUZZ_CHECK(ends || verdict.character == static_cast<unsigned char>(line[at]));
    const std::string reason = describeVerdict(verdict);
    FUZZ_CHECK(!reason.empty());
    for (char c : reason) FUZZ_CHECK(c >= 0x20 && c < 0x7f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string stream(reinterpret_cast<const char*>(data) + 1, size - 1);
    // A file in memory that the reader takes like standard input.
    static const int fd = ::memfd_create("ga-fuzz", 0);
    FUZZ_CHECK(::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0);
    FUZZ_CHECK(::pwrite(fd, stream.data(), stream.size(), 0) == ssize_t(stream.size()));
    LineReader reader(fd, 1 + data[0] % 64);
    std::size_t from = 0;  // where the next line starts
    for (std::string_view view; reader.next(view);) {
        const std::size_t end = std::min(stream.find('\n', from), stream.size());
        const std::string line(view);
        FUZZ_CHECK(from < stream.size() && line == stream.substr(from, end - from));
        from = end + 1;
        PuzzleRecord after;
        std::memset(&after, 0x5A, sizeof after);
        checkVerdict(line, parsePuzzleLine(line, after), after);
    }
    FUZZ_CHECK(from >= stream.size() && !reader.readFailed());
    return 0;
}
