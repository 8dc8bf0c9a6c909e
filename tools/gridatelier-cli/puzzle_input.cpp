#include "tools/gridatelier-cli/puzzle_input.h"

#include <string_view>

#include "tools/gridatelier-cli/line_reader.h"
#include "tools/gridatelier-cli/puzzle_line.h"

namespace ga::cli {

InputSummary forEachPuzzle(int fd, std::FILE* results, std::FILE* errors,
                           const PuzzleHandler& handle, const std::string& inputName) {
    InputSummary summary;
    PuzzleTextReader reader(fd);
    PuzzleRecord record;
    std::string_view line;
    long lineNumber = 0;
    for (long lines = 0; reader.next(line, lines); lineNumber += lines - 1) {
        ++lineNumber;
        const LineVerdict verdict = parsePuzzleLine(line, record);
        if (verdict.status == LineStatus::kSkipped) continue;
        if (verdict.status != LineStatus::kPuzzle) {
            ++summary.malformedLines;
            reportMalformedLine(results, errors, lineNumber, verdict, inputName);
            continue;
        }
        ++summary.puzzles;
        if (!handle(record, lineNumber)) {
            summary.stopped = true;
            break;
        }
    }
    summary.readFailed = reader.readFailed();
    return summary;
}

}  // namespace ga::cli
