#include "core/puzzle_formats.h"

#include <cctype>
#include <cstdio>

#include "core/puzzle_text.h"
#include "core/puzzle_xml.h"

namespace ga {

namespace {

// The file's lines without their '\n' and a '\r' before it.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (end < text.size() || !line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

// Up to the first white space.
std::string_view firstWord(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() && !isSpace(line[end])) ++end;
    return line.substr(0, end);
}

bool isCellCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

// The header lines' letters and what they tell.
struct HeaderField {
    char letter;
    std::string PuzzleFileInfo::*field;
};
constexpr HeaderField kHeaderFields[] = {
    {'A', &PuzzleFileInfo::author},  {'D', &PuzzleFileInfo::description},
    {'C', &PuzzleFileInfo::comment}, {'B', &PuzzleFileInfo::date},
    {'S', &PuzzleFileInfo::source},  {'L', &PuzzleFileInfo::level},
    {'U', &PuzzleFileInfo::url}};

// A header line of the one-puzzle text: '#' and a capital letter.
bool isHeaderLine(std::string_view line) {
    return line.size() >= 2 && line[0] == '#' && line[1] >= 'A' && line[1] <= 'Z';
}

bool isSectionLine(std::string_view line) {
    line = trimmed(line);
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The error of a grid that readPuzzleText refused; `lastLine` stands for the
// whole grid when no single line is at fault, `firstLine` is the grid's own
// first line in the file.
FormatError gridError(const PuzzleTextVerdict& verdict, int firstLine, int lastLine) {
    const int line = verdict.line > 0 ? firstLine + verdict.line - 1 : lastLine;
    switch (verdict.status) {
        case PuzzleTextStatus::kBadCharacter:
            return {line, quotedCharacter(verdict.character) +
                              " is neither a digit 1-9 nor an open cell ('.' or '0')"};
        case PuzzleTextStatus::kRowLength:
            return {line, std::to_string(verdict.count) + " cells on the line, a row has 9"};
        case PuzzleTextStatus::kCellCount:
            return {line, std::to_string(verdict.count) + " cells in all, a puzzle has 81"};
        case PuzzleTextStatus::kNoCells:
        case PuzzleTextStatus::kPuzzle:
            break;
    }
    return {line, "no puzzle"};
}

PuzzleFileContent failed(PuzzleFormat format, FormatError error) {
    PuzzleFileContent content;
    content.format = format;
    content.error = std::move(error);
    return content;
}

// The one-puzzle formats: the grid read from the file's lines with the header
// lines, the section lines and the lines of other sections left blank, so
// that readPuzzleText's line numbers stay the file's.
PuzzleFileContent readOnePuzzle(PuzzleFormat format, std::string_view text) {
    PuzzleFileContent content;
    content.format = format;
    const std::vector<std::string_view> lines = splitLines(text);
    std::string grid;
    bool inGrid = true;
    int firstGridLine = 0;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string_view line = lines[at];
        if (format == PuzzleFormat::kSdk && isSectionLine(line)) {
            const std::string_view name = trimmed(line);
            inGrid = sameLetters(name, "[Puzzle]");
            grid += '\n';
            continue;
        }
        if (format == PuzzleFormat::kSdk && !line.empty() && line[0] == '#') {
            if (isHeaderLine(line)) {
                for (const HeaderField& header : kHeaderFields) {
                    if (header.letter == line[1])
                        content.info.*header.field = std::string(trimmed(line.substr(2)));
                }
            }
            grid += '\n';
            continue;
        }
        if (inGrid) {
            if (firstGridLine == 0 && !trimmed(line).empty())
                firstGridLine = static_cast<int>(at) + 1;
            grid.append(line.data(), line.size());
        }
        grid += '\n';
    }
    PuzzleRecord record;
    const PuzzleTextVerdict verdict = readPuzzleText(grid, record);
    if (verdict.status != PuzzleTextStatus::kPuzzle) {
        return failed(format, gridError(verdict, 1, static_cast<int>(lines.size())));
    }
    content.puzzles.push_back(record);
    content.lines.push_back(firstGridLine);
    return content;
}

// The collections of lines: sdm takes every line but blank ones as a puzzle
// of exactly 81 cells, the command line's lines the first word of every line
// but blank and '#' lines, or a pencil-mark grid.
PuzzleFileContent readPuzzleLines(PuzzleFormat format, std::string_view text) {
    PuzzleFileContent content;
    content.format = format;
    PuzzleRecord record;
    if (format == PuzzleFormat::kLines &&
        readPencilMarks(text, record).status == PencilMarkStatus::kPuzzle) {
        content.puzzles.push_back(record);
        content.lines.push_back(1);
        return content;
    }
    const std::vector<std::string_view> lines = splitLines(text);
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const int lineNumber = static_cast<int>(at) + 1;
        const std::string_view line = lines[at];
        if (trimmed(line).empty()) continue;
        if (format == PuzzleFormat::kLines && line[0] == '#') continue;
        const std::string_view cells =
            format == PuzzleFormat::kSdm ? trimmed(line) : firstWord(line);
        std::size_t bad = 0;
        while (bad < cells.size() && isCellCharacter(cells[bad])) ++bad;
        if (bad < cells.size() || cells.size() != static_cast<std::size_t>(kCells)) {
            if (format == PuzzleFormat::kLines &&
                readPencilMarks(line, record).status == PencilMarkStatus::kPuzzle) {
                content.puzzles.push_back(record);
                content.lines.push_back(lineNumber);
                continue;
            }
            if (bad < cells.size() && bad < static_cast<std::size_t>(kCells)) {
                return failed(format, {lineNumber, "character " + std::to_string(bad + 1) + " is " +
                                                       quotedCharacter(cells[bad]) +
                                                       ", a cell is a digit 1-9, '.' or '0'"});
            }
            return failed(format, {lineNumber, std::to_string(cells.size()) +
                                                   " characters, a puzzle line has 81 cells"});
        }
        if (content.puzzles.size() == static_cast<std::size_t>(kMostFilePuzzles)) {
            return failed(format, {lineNumber, "more than " + std::to_string(kMostFilePuzzles) +
                                                   " puzzles, the most a collection holds"});
        }
        readPuzzleText(cells, record);
        content.puzzles.push_back(record);
        content.lines.push_back(lineNumber);
    }
    if (content.puzzles.empty()) return failed(format, {0, "the file holds no puzzle"});
    return content;
}

std::string gridRows(const PuzzleRecord& record, bool drawn) {
    const std::string cells = clueLine(record);
    std::string text;
    for (int row = 0; row < 9; ++row) {
        if (drawn && (row == 3 || row == 6)) text += "-----------\n";
        for (int column = 0; column < 9; ++column) {
            if (drawn && (column == 3 || column == 6)) text += '|';
            text += cells[row * 9 + column];
        }
        text += '\n';
    }
    return text;
}

// One line of a header: line breaks in the value would start a new line.
void addHeader(std::string& text, char letter, const std::string& value) {
    if (value.empty()) return;
    text += '#';
    text += letter;
    for (char c : value) text += c == '\n' || c == '\r' ? ' ' : c;
    text += '\n';
}

}  // namespace

PuzzleFormat detectTextFormat(std::string_view text, std::string_view extension) {
    const PuzzleFormat named = formatOfFileName(std::string("x.") + std::string(extension));
    std::string_view start = text;
    if (start.substr(0, 3) == "\xEF\xBB\xBF") start.remove_prefix(3);
    while (!start.empty() && (isSpace(start.front()) || start.front() == '\n'))
        start.remove_prefix(1);
    if (!start.empty() && start.front() == '<') return PuzzleFormat::kXml;

    PuzzleRecord record;
    if (readPencilMarks(text, record).status == PencilMarkStatus::kPuzzle)
        return PuzzleFormat::kLines;

    bool headers = false, sections = false, comments = false, drawn = false;
    bool longLine = false, onlyCellLines = true;
    for (std::string_view line : splitLines(text)) {
        if (trimmed(line).empty()) continue;
        if (line[0] == '#') {
            headers = headers || isHeaderLine(line);
            comments = true;
            continue;
        }
        if (isSectionLine(line)) {
            sections = true;
            continue;
        }
        const std::string_view cells = trimmed(line);
        if (firstWord(cells).size() >= static_cast<std::size_t>(kCells)) longLine = true;
        bool allCells = cells.size() == static_cast<std::size_t>(kCells);
        for (char c : cells) allCells = allCells && isCellCharacter(c);
        onlyCellLines = onlyCellLines && allCells;
        if (line.find('|') != std::string_view::npos || line.find("---") != std::string_view::npos)
            drawn = true;
    }
    if (longLine) {
        if (onlyCellLines && !comments && named != PuzzleFormat::kLines) return PuzzleFormat::kSdm;
        return PuzzleFormat::kLines;
    }
    if (sections || headers) return PuzzleFormat::kSdk;
    if (drawn) return named == PuzzleFormat::kSdk ? PuzzleFormat::kSdk : PuzzleFormat::kSs;
    return named == PuzzleFormat::kSs ? PuzzleFormat::kSs : PuzzleFormat::kSdk;
}

PuzzleFileContent readPuzzleTextAs(PuzzleFormat format, std::string_view text) {
    switch (format) {
        case PuzzleFormat::kSdk:
        case PuzzleFormat::kSs:
            return readOnePuzzle(format, text);
        case PuzzleFormat::kSdm:
        case PuzzleFormat::kLines:
            return readPuzzleLines(format, text);
        case PuzzleFormat::kXml:
            return readXmlCollection(text);
        case PuzzleFormat::kGaFile:
        case PuzzleFormat::kUnknown:
            break;
    }
    return failed(format, {0, "not a text format"});
}

std::string_view extensionOfFileName(std::string_view name) {
    const std::size_t slash = name.rfind('/');
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return name.substr(dot + 1);
}

const char* extensionOf(PuzzleFormat format) {
    switch (format) {
        case PuzzleFormat::kGaFile:
            return "ga";
        case PuzzleFormat::kSdk:
            return "sdk";
        case PuzzleFormat::kSs:
            return "ss";
        case PuzzleFormat::kSdm:
            return "sdm";
        case PuzzleFormat::kXml:
            return "opensudoku";
        case PuzzleFormat::kLines:
            return "txt";
        case PuzzleFormat::kUnknown:
            break;
    }
    return "";
}

PuzzleFormat formatOfFileName(std::string_view name) {
    const std::string_view extension = extensionOfFileName(name);
    for (PuzzleFormat format : {PuzzleFormat::kGaFile, PuzzleFormat::kSdk, PuzzleFormat::kSs,
                                PuzzleFormat::kSdm, PuzzleFormat::kXml, PuzzleFormat::kLines}) {
        if (!extension.empty() && sameLetters(extension, extensionOf(format))) return format;
    }
    if (sameLetters(extension, "xml")) return PuzzleFormat::kXml;
    return PuzzleFormat::kUnknown;
}

std::string writePuzzleText(PuzzleFormat format, const std::vector<PuzzleRecord>& puzzles,
                            const PuzzleFileInfo& info) {
    std::string text;
    switch (format) {
        case PuzzleFormat::kSdk:
            for (const HeaderField& header : kHeaderFields)
                addHeader(text, header.letter, info.*header.field);
            [[fallthrough]];
        case PuzzleFormat::kSs:
            if (!puzzles.empty()) text += gridRows(puzzles.front(), format == PuzzleFormat::kSs);
            break;
        case PuzzleFormat::kSdm:
        case PuzzleFormat::kLines:
            for (const PuzzleRecord& record : puzzles) text += clueLine(record) + '\n';
            break;
        case PuzzleFormat::kXml:
            text = writeXmlCollection(puzzles, info);
            break;
        case PuzzleFormat::kGaFile:
        case PuzzleFormat::kUnknown:
            break;
    }
    return text;
}

}  // namespace ga
