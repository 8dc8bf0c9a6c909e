#include "ui/collection_progress.h"

#include <charconv>

#include "core/puzzle_formats.h"
#include "core/puzzle_text.h"
#include "ui/user_files.h"

namespace ga {

namespace {

constexpr std::string_view kHeader = "gridAtelier collection 1";
// A collection's progress is a line per puzzle at most.
constexpr std::size_t kMostProgressBytes = 4u << 20;

constexpr std::string_view kMarkWords[] = {"", "played", "finished"};

// Splits off the text up to the next '\n'; false when there is none.
bool nextLine(std::string_view& text, std::string_view& line) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return false;
    line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return true;
}

// "<word> <value>" or "<value> <word>": the two parts around one space.
bool splitPair(std::string_view line, std::string_view& first, std::string_view& second) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return false;
    first = line.substr(0, space);
    second = line.substr(space + 1);
    return !first.empty() && !second.empty();
}

// A decimal number in 1..highest, nothing else around it.
bool numberIn(std::string_view text, long long highest, long long& out) {
    if (text.empty() || text[0] == '0' || text.size() > 12) return false;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (value < 1 || value > highest) return false;
    out = value;
    return true;
}

bool expectPair(std::string_view& text, std::string_view word, std::string_view& value) {
    std::string_view line, first;
    return nextLine(text, line) && splitPair(line, first, value) && first == word;
}

}  // namespace

std::string collectionKey(const std::vector<PuzzleRecord>& puzzles) {
    return fingerprintOf(writePuzzleText(PuzzleFormat::kSdm, puzzles));
}

void markPuzzle(CollectionProgress& progress, int index, PuzzleMark mark) {
    if (index < 0 || index >= static_cast<int>(progress.marks.size())) return;
    PuzzleMark& kept = progress.marks[index];
    if (mark > kept) kept = mark;
}

std::string formatCollectionProgress(const CollectionProgress& progress) {
    std::string text(kHeader);
    text += "\nkey " + progress.key + "\npuzzles " + std::to_string(progress.marks.size()) + "\n";
    for (std::size_t i = 0; i < progress.marks.size(); ++i) {
        if (progress.marks[i] == PuzzleMark::kNone) continue;
        text += std::to_string(i + 1) + " ";
        text += kMarkWords[static_cast<int>(progress.marks[i])];
        text += "\n";
    }
    return text;
}

bool parseCollectionProgress(std::string_view text, const std::string& key, int count,
                             CollectionProgress& out) {
    out = CollectionProgress{};
    std::string_view line, keyText, countText;
    long long puzzles = 0;
    if (!nextLine(text, line) || line != kHeader || !expectPair(text, "key", keyText) ||
        keyText != key || !expectPair(text, "puzzles", countText) ||
        !numberIn(countText, kMostFilePuzzles, puzzles) || puzzles != count)
        return false;
    out.key = key;
    out.marks.assign(static_cast<std::size_t>(count), PuzzleMark::kNone);
    while (nextLine(text, line)) {
        std::string_view numberText, word;
        long long number = 0;
        if (!splitPair(line, numberText, word) || !numberIn(numberText, count, number)) continue;
        for (int mark = 1; mark < 3; ++mark) {
            if (word == kMarkWords[mark])
                markPuzzle(out, static_cast<int>(number - 1), static_cast<PuzzleMark>(mark));
        }
    }
    return true;
}

std::string collectionProgressPath(const std::string& stateFolder, const std::string& key) {
    return stateFolder + "collections/" + key + ".progress";
}

CollectionProgress loadCollectionProgress(const std::string& stateFolder, const std::string& key,
                                          int count) {
    CollectionProgress progress;
    std::string bytes;
    if (stateFolder.empty() ||
        readWholeFile(collectionProgressPath(stateFolder, key), bytes, kMostProgressBytes) !=
            ReadOutcome::kRead ||
        !parseCollectionProgress(bytes, key, count, progress)) {
        progress.key = key;
        progress.marks.assign(static_cast<std::size_t>(count), PuzzleMark::kNone);
    }
    return progress;
}

bool saveCollectionProgress(const std::string& stateFolder, const CollectionProgress& progress) {
    if (stateFolder.empty()) return true;
    return writeUserFile(collectionProgressPath(stateFolder, progress.key),
                         formatCollectionProgress(progress));
}

}  // namespace ga
