// Puzzle lines as gridatelier-cli reads them from standard input: the line
// reader splitting a stream (through a small buffer, so that lines cross its
// blocks and make it grow), the parser of one line, and the loop that joins
// them and reports the malformed lines. The first input byte picks the block
// size; the rest is the stream.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "tools/gridatelier-cli/line_reader.h"
#include "tools/gridatelier-cli/puzzle_input.h"
#include "tools/gridatelier-cli/puzzle_line.h"

namespace ga::cli {
namespace {

bool isLineSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// 1..9, 0 for an empty cell, -1 for no cell character.
int cellValue(unsigned char c) {
    if (c >= '1' && c <= '9') return c - '0';
    return c == '.' || c == '0' ? 0 : -1;
}

bool allCells(std::string_view line, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (cellValue(static_cast<unsigned char>(line[i])) < 0) return false;
    return true;
}

// The lines of `stream` as the reader must hand them over: split at '\n', a
// last line without one included, nothing after a final '\n'.
std::vector<std::string_view> splitLines(std::string_view stream) {
    std::vector<std::string_view> lines;
    while (!stream.empty()) {
        const std::size_t newline = stream.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back(stream);
            break;
        }
        lines.push_back(stream.substr(0, newline));
        stream.remove_prefix(newline + 1);
    }
    return lines;
}

// What a line is, judged from its text alone, against what the parser said.
void checkVerdict(std::string_view line, const LineVerdict& verdict, const PuzzleRecord& before,
                  const PuzzleRecord& after) {
    bool blank = true;
    for (char c : line) blank = blank && isLineSpace(static_cast<unsigned char>(c));
    const bool skipped = line.empty() || line[0] == '#' || blank;
    FUZZ_CHECK(skipped == (verdict.status == LineStatus::kSkipped));

    const auto position = static_cast<std::size_t>(verdict.position);
    switch (verdict.status) {
        case LineStatus::kSkipped:
            break;
        case LineStatus::kPuzzle:
            FUZZ_CHECK(line.size() >= kCells && allCells(line, kCells));
            FUZZ_CHECK(line.size() == kCells ||
                       isLineSpace(static_cast<unsigned char>(line[kCells])));
            for (int cell = 0; cell < kCells; ++cell) {
                const int value = cellValue(static_cast<unsigned char>(line[cell]));
                FUZZ_CHECK(after.answerGrid[cell] == value);
                FUZZ_CHECK(after.openFlags[cell] == (value == 0 ? 1 : 0));
                FUZZ_CHECK(after.valueGrid[cell] == 0 && after.candidateNumbers[cell] == 0);
            }
            FUZZ_CHECK(after.answerKnown == 0);
            return;
        case LineStatus::kTooShort:
            FUZZ_CHECK(position < kCells && position <= line.size() && allCells(line, position));
            FUZZ_CHECK(position == line.size() ||
                       isLineSpace(static_cast<unsigned char>(line[position])));
            break;
        case LineStatus::kBadCharacter:
            FUZZ_CHECK(position < kCells && position < line.size() && allCells(line, position));
            FUZZ_CHECK(verdict.character == static_cast<unsigned char>(line[position]));
            FUZZ_CHECK(cellValue(verdict.character) < 0 && !isLineSpace(verdict.character));
            break;
        case LineStatus::kNoSeparator:
            FUZZ_CHECK(position == kCells && line.size() > kCells && allCells(line, kCells));
            FUZZ_CHECK(verdict.character == static_cast<unsigned char>(line[kCells]));
            FUZZ_CHECK(!isLineSpace(verdict.character));
            break;
    }
    // Only a puzzle is written into the record.
    FUZZ_CHECK(std::memcmp(&before, &after, sizeof before) == 0);
    if (verdict.status == LineStatus::kSkipped) return;
    // The reason goes to a terminal on one line: printable ASCII only.
    const std::string reason = describeVerdict(verdict);
    FUZZ_CHECK(!reason.empty());
    for (char c : reason) FUZZ_CHECK(c >= 0x20 && c < 0x7f);
}

}  // namespace
}  // namespace ga::cli

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    using namespace ga::cli;
    if (size == 0) return 0;
    const std::size_t blockSize = 1 + data[0] % 64;
    const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string_view> expected = splitLines(stream);

    static fuzz::MemoryFile memory;
    const int fd = memory.hold(stream.data(), stream.size());
    LineReader reader(fd, blockSize);
    std::vector<std::string> lines;
    for (std::string_view line; reader.next(line);) lines.emplace_back(line);
    FUZZ_CHECK(!reader.readFailed());
    FUZZ_CHECK(lines.size() == expected.size());

    long puzzles = 0;
    long malformed = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_CHECK(lines[i] == expected[i]);
        PuzzleRecord before;
        std::memset(&before, 0x5A, sizeof before);
        PuzzleRecord after = before;
        const LineVerdict verdict = parsePuzzleLine(lines[i], after);
        checkVerdict(lines[i], verdict, before, after);
        if (verdict.status == LineStatus::kPuzzle) ++puzzles;
        if (verdict.status != LineStatus::kPuzzle && verdict.status != LineStatus::kSkipped)
            ++malformed;
    }

    // The command loop over the same stream: each puzzle handed over once, in
    // order, and one error line per malformed line.
    memory.hold(stream.data(), stream.size());
    char* errorText = nullptr;
    std::size_t errorSize = 0;
    std::FILE* errors = ::open_memstream(&errorText, &errorSize);
    FUZZ_CHECK(errors != nullptr);
    long handed = 0;
    long lastLine = 0;
    const InputSummary summary = forEachPuzzle(fd, errors, [&](PuzzleRecord&, long lineNumber) {
        FUZZ_CHECK(lineNumber > lastLine && lineNumber <= static_cast<long>(lines.size()));
        lastLine = lineNumber;
        ++handed;
        return true;
    });
    std::fclose(errors);
    long errorLines = 0;
    for (std::size_t i = 0; i < errorSize; ++i) errorLines += errorText[i] == '\n';
    std::free(errorText);
    FUZZ_CHECK(summary.puzzles == puzzles && handed == puzzles);
    FUZZ_CHECK(summary.malformedLines == malformed && errorLines == malformed);
    FUZZ_CHECK(!summary.readFailed && !summary.stopped);
    return 0;
}
