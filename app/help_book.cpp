#include "app/help_book.h"

#include "app/command_table.h"
#include "app/help_texts.h"
#include "core/ladder/examples.h"
#include "core/ladder/ladder.h"
#include "core/translation.h"
#include "ui/step_drawing.h"

namespace ga {

namespace {

constexpr int kPagesBeforeTechniques = 3;

const char* const kHowToPlay = QT_TRANSLATE_NOOP(
    "Help",
    "Fill the board so that every row, every column and every 3x3 box holds each digit from "
    "1 to 9 exactly once. The bold digits are the clues; they never change.\n\n"
    "Click a cell, or move to it with the arrows or Tab, and type a digit to place it. Type "
    "two or more digits to keep them as the cell's candidates, or press Shift with a digit to "
    "add or take away one note. Placing a value takes its digit from the notes of its row, "
    "column and box. The digit strip under the board counts what is left of each digit; a "
    "click on one tints every cell that shows it.\n\n"
    "Rows are numbered 1 to 9 from the top and columns 1 to 9 from the left, so r4c7 is the "
    "cell in row 4, column 7. A box is numbered 1 to 9 row by row.\n\n"
    "Stuck? Solve > Hint names the technique and where to look; Hint again tints its cells, "
    "draws the step on the board and shows its whole words beside the window, with a button "
    "that opens the technique's page here. Apply Hint does the step. Puzzle > New Puzzle makes "
    "a new puzzle of the class chosen under Level Setting; Solve > Rate Puzzle tells its "
    "level.\n\n"
    "The game in progress is kept when the window closes and comes back at the next start. "
    "Undo and Redo take back and make again any change to the board.");

// The board's own keys, which no menu item carries: the keys, a tab, what they do.
const char* const kCellKeys[] = {
    QT_TRANSLATE_NOOP("Help",
                      "1 .. 9\tplaces the digit in the cell in hand; two or more digits are "
                      "candidates"),
    QT_TRANSLATE_NOOP("Help",
                      "Shift + 1 .. 9\tadds the note to the cell in hand, or takes it away"),
    QT_TRANSLATE_NOOP("Help", "Up, Down, Left, Right\tmoves to the next cell that way"),
    QT_TRANSLATE_NOOP("Help", "Tab, Shift + Tab\tmoves to the next or previous open cell"),
    QT_TRANSLATE_NOOP("Help", "Delete, Backspace\ttakes digits out of the cell in hand"),
    QT_TRANSLATE_NOOP("Help", "Escape\tputs back the text the cell had when it was entered"),
};

std::string keysText() {
    std::string text =
        translate("Help", "The menu's keys work while a cell is being typed into.") + "\n\n";
    for (const KeyHelp& key : commandKeys()) text += key.keys + "\t" + key.what + "\n";
    text += "\n" + translate("Help", "In the board:") + "\n\n";
    const char* separator = "";
    for (const char* line : kCellKeys) {
        text += separator + translate("Help", line);
        separator = "\n";
    }
    return text;
}

std::string levelsText() {
    std::string text =
        translate("Help",
                  "Solve > Rate Puzzle, gridatelier-cli rate and the box at the end of a game "
                  "tell a puzzle's level: the level of the hardest technique its way to the "
                  "answer needs, raised by one when that way is long for the level. The levels "
                  "and the techniques that start each:") +
        "\n\n";
    for (int level = 0; level < kPuzzleLevelCount; ++level) {
        std::string names;
        const char* separator = "";
        for (int t = 0; t < kTechniqueCount; ++t) {
            const TechniqueInfo& info = techniqueInfo(static_cast<Technique>(t));
            if (static_cast<int>(info.level) != level) continue;
            names += separator + translate("Technique", info.name);
            separator = ", ";
        }
        //: A level and the techniques that start it: "Hard: Naked Quad, X-Wing, ..."
        text += filled(translate("Help", "%1: %2"),
                       {translate("Level", levelName(static_cast<Level>(level))), names}) +
                "\n";
    }
    return text + "\n" +
           filled(translate("Help", "A puzzle that needs a guess beyond the techniques is %1."),
                  {translate("Level", levelName(Level::kExtreme))});
}

// The first example board on which the ladder's next step is `technique`.
bool exampleOf(Technique technique, const std::vector<LadderExample>& examples, LadderBoard& board,
               LadderStep& step) {
    const std::string name = techniqueInfo(technique).name;
    for (const LadderExample& example : examples) {
        if (example.technique != name || !exampleBoard(example, board)) continue;
        step = nextLadderStep(board);
        if (step.technique == technique) return true;
    }
    return false;
}

HelpPage techniquePage(Technique technique, const std::vector<LadderExample>& examples) {
    const TechniqueInfo& info = techniqueInfo(technique);
    const TechniqueHelpText& words = techniqueHelpText(technique);
    HelpPage page;
    const std::string name = translate("Technique", info.name);
    page.title = name;
    page.text =
        translate("Help", words.whatItIs) + "\n\n" + translate("Help", words.explained) + "\n\n" +
        filled(translate("Help", "Level: %1."), {translate("Level", levelName(info.level))});
    LadderBoard board;
    LadderStep step;
    if (exampleOf(technique, examples, board, step)) {
        page.hasExample = true;
        page.example = stepBoardPicture(board);
        page.example.heading = name;
        page.drawing = stepDrawing(step, board);
        page.text += "\n\n" + filled(translate("Help", "In the example: %1"),
                                     {ladderStepText(step, StepWords::kWhole)});
    }
    return page;
}

}  // namespace

HelpBook helpBook() {
    HelpBook book;
    book.pages.push_back(
        HelpPage{translate("Help", "How to play"), translate("Help", kHowToPlay), false, {}, {}});
    book.pages.push_back(HelpPage{translate("Help", "Keys"), keysText(), false, {}, {}});
    book.pages.push_back(HelpPage{translate("Help", "Levels"), levelsText(), false, {}, {}});
    const std::vector<LadderExample> examples = ladderExamples();
    for (int t = 0; t < kTechniqueCount; ++t)
        book.pages.push_back(techniquePage(static_cast<Technique>(t), examples));
    return book;
}

int helpPageOf(Technique technique) {
    return technique == Technique::kNone ? 0 : kPagesBeforeTechniques + static_cast<int>(technique);
}

std::string techniqueQuestion(Technique technique) {
    const std::string english = techniqueInfo(technique).name;
    const std::string name = translate("Technique", english.c_str());
    // The English name as it is said: "an X-Wing", "an ALS-XZ", but "a Unique Rectangle". A
    // language whose article hangs on the name's gender says both without one.
    const bool vowelSound = std::string("AEIOX").find(english[0]) != std::string::npos;
    //: The question over a hint that opens the technique's page; %1 is its name.
    if (vowelSound) return filled(translate("Help", "What is an %1?"), {name});
    //: The question over a hint that opens the technique's page; %1 is its name.
    return filled(translate("Help", "What is a %1?"), {name});
}

}  // namespace ga
