#include "app/spoken_board.h"

#include <algorithm>
#include <cctype>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "core/translation.h"
#include "ui/board.h"
#include "ui/board_ids.h"

namespace ga {

namespace {

// The colour in the mark's menu item, "Mark Cell Rose\tAlt + 1": its last
// word before the key, in small letters.
std::string markName(CellMark mark) {
    const CommandRow* row = commandRow(kCommandFirstColourMark + static_cast<int>(mark) - 1);
    if (row == nullptr) return std::string();
    std::string text = translate("Menu", row->text);
    text = text.substr(0, text.find('\t'));
    text = text.substr(text.rfind(' ') + 1);
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The digits of a cell's text, one by one: "4, 6, 7".
std::string listed(const std::string& digits) {
    std::string words;
    for (const char c : digits) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) continue;
        if (!words.empty()) words += ", ";
        words += c;
    }
    return words;
}

}  // namespace

CellInk shownInk(const WindowState& state, int cellIndex) {
    const SeenCell& shown = state.seen.cell(cellIndex);
    return shown.notes ? CellInk::kCandidate
                       : cellInk(state.puzzle, state.settings.expressMode, cellIndex, shown.text);
}

CellSpeech cellSpokenText(const WindowState& state, int cellIndex) {
    CellSpeech speech;
    speech.name =
        filled(translate("Reader", "row %1, column %2"),
               {std::to_string(rowOf(cellIndex) + 1), std::to_string(columnOf(cellIndex) + 1)});
    const SeenCell& shown = state.seen.cell(cellIndex);
    const std::string digits = listed(shown.text);
    const bool clue = state.puzzle.openFlags[cellIndex] == 0;
    if (digits.empty()) {
        speech.description = translate("Reader", "empty");
    } else if (clue) {
        speech.description = filled(translate("Reader", "%1, clue"), {digits});
    } else if (shown.notes || digits.size() > 1) {
        speech.description = filled(translate("Reader", "notes %1"), {digits});
    } else {
        speech.description = digits;
    }
    if (!clue && !digits.empty() && shownInk(state, cellIndex) == CellInk::kMistake)
        speech.description += translate("Reader", ", mistake");
    if (shown.mark != CellMark::kNone)
        speech.description += filled(translate("Reader", ", marked %1"), {markName(shown.mark)});
    return speech;
}

void speakChangedCells(Desktop& desktop, const WindowState& state) {
    for (int cell = 0; cell < kCells; ++cell) {
        const CellSpeech speech = cellSpokenText(state, cell);
        if (speech.description != state.seen.cell(cell).spoken)
            desktop.setAccessibleText(cellId(cell), speech.name, speech.description);
    }
}

CellSpeech digitButtonSpokenText(int digit, const std::string& shown) {
    CellSpeech speech;
    speech.name = std::to_string(digit);
    const size_t line = shown.find('\n');
    const std::string left = line == std::string::npos ? std::string() : shown.substr(line + 1);
    const bool counted = !left.empty() && std::all_of(left.begin(), left.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    speech.description =
        counted ? filled(translate("Reader", "%1 left"), {left}) : translate("Reader", "none left");
    return speech;
}

void speakDigitButton(Desktop& desktop, int digit, const std::string& shown) {
    const CellSpeech speech = digitButtonSpokenText(digit, shown);
    desktop.setAccessibleText(digitButtonId(digit), speech.name, speech.description);
}

void nameStatusBox(Desktop& desktop) {
    desktop.setAccessibleText(kStatusBoxId, translate("Reader", "Status"), "");
}

}  // namespace ga
