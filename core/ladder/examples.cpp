#include "core/ladder/examples.h"

#include <algorithm>
#include <sstream>

#include "core/bits.h"

namespace ga {

extern const EmbeddedText kLadderExampleFiles[];
extern const int kLadderExampleFilesCount;

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \r");
    const auto last = text.find_last_not_of(" \r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

}  // namespace

std::vector<LadderExample> ladderExamples() {
    std::vector<const EmbeddedText*> files;
    for (int i = 0; i < kLadderExampleFilesCount; ++i) files.push_back(&kLadderExampleFiles[i]);
    std::sort(files.begin(), files.end(), [](const EmbeddedText* a, const EmbeddedText* b) {
        return std::string(a->name) < std::string(b->name);
    });
    std::vector<LadderExample> examples;
    for (const EmbeddedText* file : files) {
        std::istringstream in(file->text);
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            if (trimmed(text).empty() || text[0] == '#') continue;
            std::vector<std::string> fields;
            std::istringstream parts(text);
            for (std::string field; std::getline(parts, field, '|');)
                fields.push_back(trimmed(field));
            fields.resize(4);
            examples.push_back({std::string(file->name) + "_line" + std::to_string(line), fields[0],
                                fields[1], fields[2], fields[3]});
        }
    }
    return examples;
}

bool exampleBoard(const LadderExample& example, LadderBoard& board) {
    if (example.values.size() != kCells) return false;
    std::istringstream tokens(example.candidates);
    for (int cell = 0; cell < kCells; ++cell) {
        std::string token;
        if (!(tokens >> token)) return false;
        const char c = example.values[cell];
        const int value = c >= '1' && c <= '9' ? c - '0' : 0;
        board.values[cell] = static_cast<uint8_t>(value);
        board.candidates[cell] = 0;
        if ((token == "-") != (value != 0)) return false;
        for (char digit : token) {
            if (digit < '1' || digit > '9') {
                if (token != "-") return false;
                continue;
            }
            board.candidates[cell] |= static_cast<uint16_t>(bitOfValue(digit - '0'));
        }
    }
    board.uniqueAnswer = true;
    return true;
}

}  // namespace ga
