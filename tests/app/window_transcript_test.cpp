// What the player sees, step by step, against a committed transcript
// (tests/data/window_transcript.txt). Each scene plays on a fresh window; after
// a step marked '*' every menu item enabled there is tried, each on a fresh
// replay of the scene up to that step, so every command meets every menu mode
// it can be given in. A step writes what changed on screen: title, status box,
// greyed and checked menu items, hand-build buttons, the 81 cells, and what
// was asked or shown (dialogs, file dialogs, message boxes, pictures, the
// clipboard).
//
// A change of what the player sees changes the transcript in the same commit.
// To accept one, rewrite the file and read its diff:
//   GRIDATELIER_UPDATE_GOLDEN=1 build/tests/app/app_tests --gtest_filter='WindowTranscript.*'
//   git diff tests/data/window_transcript.txt
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_window.h"
#include "core/random.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/play_dialogs.h"
#include "ui/puzzle_file.h"

namespace ga {
namespace {

// One answer, solved by the pencil marks; the same without its first clue,
// which has several.
const std::string kPuzzle =
    "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.";
const std::string kAnswer =
    "348762951672591384159384276237956418816243795495178623784619532521437869963825147";
const std::string kSeveral = "." + kPuzzle.substr(1);
// A position with candidates, one cell a token, whose next step is an X-Wing.
const std::string kXWingMarks =
    "4 56 89 89 16 156 7 2 3 3 56 7 2 69 568 89 4 1 89 1 2 7 3 4 5 689 69 1 2 6 4 79 79 3 5 8 "
    "89 4 89 6 5 3 2 1 7 5 7 3 1 8 2 69 69 4 7 9 1 5 4 68 68 3 2 2 3 5 89 1679 168 4 6789 69 6 "
    "8 4 3 2 79 1 79 5";

// A step is a menu item's text, or: `press BUTTON`; `type CELL [TEXT]` (enter,
// write, leave); `enter CELL`, `write TEXT`, `leave`; `key up|down|left|right|
// tab|backtab [start|end|inside]` (the caret is at both ends unless said);
// `fill GRID` (types each open cell, '.' empty); `clip TEXT` (\n a line end);
// `answer DIALOG SCRIPT` (how the player answers that dialog from now on);
// `fail pictures`; `note D` (Shift + digit D in the cell in hand), `digit D`
// (the digit strip's button); `wait S` (S seconds pass, then a tick of the
// window's clock); `ask` (the hint panel's question). A cell is rNcM. A job runs to its end, but
// one started by a step that begins with '&' only within the next step. New puzzles are Practice
// ones, made quickly.
// clang-format off
const std::vector<std::vector<std::string>> kScenes = {
    {"*Practice", "*Recreate from Serial Number...", "*Save Puzzle", "*Open Answer",
     "Erase Solving And Candidates", "type r4c1 5", "type r4c2 123", "Save Puzzle",
     "Show Candidates", "Pencil Marks", "Erase Solving And Candidates", "Open Answer", "Undo",
     "Undo", "Undo", "Undo", "Undo", "Undo", "Undo", "Undo", "Redo", "Redo", "Redo", "Redo", "Redo",
     "Redo", "Redo", "Redo", "&New Puzzle", "About", "Exit"},
    {"Practice", "*Load Puzzle", "enter r1c2", "write 4", "key right", "write 8",
     "key down inside", "leave", "type r2c1 3", "type r2c2 79", "Not Express Mistake",
     "Absolute Mistake", "Visible Mistake", "Hint", "enter r3c3", "write 5", "Print...", "leave",
     "Show Candidates", "Undo", "Undo", "Redo", "type r9c9 7", "Undo", "enter r1c1", "key up",
     "key left", "key backtab", "enter r9c8", "key down", "key right", "key tab", "leave",
     "Erase Solving And Candidates", "*fill " + kAnswer, "Erase Solving And Candidates",
     "Pencil Marks", "fail pictures", "Print...", "Export Picture...", "Copy Puzzle"},
    {"Practice", "Load Puzzle", "Absolute Mistake", "*Hand-build Puzzle", "type r1c1 3",
     "type r1c2 3", "press Registre", "enter r1c3", "write 4", "Undo", "Redo", "leave", "Undo",
     "type r1c2", "type r1c1", "*press Registre", "press Cancel", "Hand-build Puzzle",
     "fill " + kAnswer, "press Registre", "fill " + kPuzzle, "press Registre",
     "fill 3." + kAnswer.substr(2), "press Registre", "fill " + std::string(81, '5'),
     "press Registre", "fill " + kAnswer, "press Registre",
     "Hand-build Puzzle", "fill " + kPuzzle, "press Registre", "*press Without Answer",
     "Backtracking", "answer 3000 click 2", "Hand-build Puzzle"},
    {"Practice", "clip \\n" + kPuzzle + "x", "Paste Puzzle", "clip " + std::string(81, '1'),
     "Paste Puzzle", "clip " + kPuzzle.substr(1), "Paste Puzzle",
     "clip " + kPuzzle.substr(0, 40) + "\\n" + kPuzzle.substr(40), "Paste Puzzle",
     "clip " + kSeveral, "Paste Puzzle", "clip " + kPuzzle, "Paste Puzzle",
     "Default Settings", "answer 2000 choose 2012 3 click 2100 click 1", "Default Settings",
     "Record Regions of Multi Answer...", "answer 3000 click 2", "Exit",
     "answer 3000 click 2021 click 1", "Paste Puzzle", "Paste Puzzle", "answer 107 click 2",
     "Exit", "answer 107 click 1", "Exit"},
    {"Practice", "Load Puzzle", "enter r1c2", "note 4", "note 8", "note 4", "note 5", "leave",
     "enter r1c3", "note 6", "leave", "enter r1c4", "write 6", "leave", "Undo", "Redo", "Undo",
     "enter r1c4", "note 6", "write 2", "note 3", "leave", "enter r1c5", "Mark Cell Rose",
     "Mark Cell Green", "leave", "enter r1c6", "Mark Cell Lilac", "Unmark Cell", "digit 7",
     "leave", "digit 7", "digit 3", "Hint", "enter r2c1", "note 5", "Fill In Candidates",
     "Undo", "leave", "Clear Colour Marks", "Save Puzzle", "Load Puzzle"},
    {"Practice", "Load Puzzle", "wait 5", "type r1c2 4", "wait 70", "Pause", "wait 30", "Pause",
     "wait 2", "Statistics...", "wait 1", "fill " + kAnswer, "wait 3", "wait 10", "Statistics...",
     "answer 6000 click 6001 click 1", "Statistics..."},
    {"Practice", "clip " + kXWingMarks, "Paste Puzzle", "Hint", "Hint", "ask", "Help", "Hint",
     "type r8c6 9", "Hint", "Hint", "Apply Hint"},
};
// clang-format on

// How the player answers each dialog unless a step says otherwise: okay (or
// "No" to the save question), and a choice in the dialogs that ask for one.
const std::map<int, std::string> kDialogAnswers = {
    {5000, "type 5011 75BCD15 type 5012 20000008 type 5013 3FE type 5014 0 type 5015 0 click 1"},
    {2000, "choose 2012 2 choose 2011 0 click 1"},
    {4000, "click 4001 choose 4011 0 type 4021 1 type 4022 4 click 1"},
    {7000, "type 7002 2 click 1"},  // two puzzles: a page of them, one of their answers
};

constexpr int kButtons[] = {kButtonRegister, kButtonWithoutAnswer, kButtonCancelHandBuild};

std::string itemName(int command) {
    const std::string text = commandRow(command)->text;
    return text.substr(0, text.find('\t'));
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return out;
}

// A window on a fake desktop, played by steps; `lines` gets what they change.
class Play {
  public:
    explicit Play(const std::string& dir) : dir_(dir) {
        startup_.place.path = dir + "/gridAtelier.par";
        desktop_.queueWorkerCommands();
        desktop_.onWorkerCommand([this](int id) { window_->onCommand(id); });
        desktop_.onColourRequest([this](int id) { return window_->onCellColour(id); });
        desktop_.onDialog([this](FakeDialog& dialog) { answer(dialog); });
        desktop_.onFileDialog([this](const FileDialogRequest& request, std::string& path) {
            const bool open = request.purpose == FileDialogRequest::Purpose::kOpen;
            path = dir_ + (open ? "/kept.ga" : "/out." + request.defaultExtension);
            return true;
        });
        window_ = std::make_unique<MainWindow>(desktop_, startup_);
        EXPECT_TRUE(window_->onCreate());
        seedRandomWith(2024);  // in place of the clock
    }

    // Plays a step; what a job shows while it runs goes to `busy`.
    void step(const std::string& text, std::vector<std::string>* busy = nullptr) {
        const bool hold = text[0] == '&';
        const std::string what = text.substr(text[0] == '&' || text[0] == '*');
        const std::string verb = what.substr(0, what.find(' '));
        const std::string rest = what.size() > verb.size() ? what.substr(verb.size() + 1) : "";
        const std::string arg = rest.substr(0, rest.find(' '));
        const std::string tail = rest.size() > arg.size() ? rest.substr(arg.size() + 1) : "";
        const int hand = window_->state().marks.cellInHand;
        const std::vector<std::string> keys = {"up", "down", "left", "right", "tab", "backtab"};
        if (verb == "press") {
            for (int id : kButtons)
                if (desktop_.control(id) && desktop_.control(id)->text == rest)
                    window_->onCommand(id);
        } else if (verb == "type" || verb == "enter") {
            focus(cellOf(arg));
            if (verb == "type") edit(cellOf(arg), tail), focus(-1);
        } else if (verb == "write") {
            edit(hand, rest);
        } else if (verb == "note") {
            window_->onCellNoteKey(cellId(hand), std::stoi(rest));
        } else if (verb == "wait") {
            desktop_.advanceSteadyClock(std::stoll(rest) * 1000);
            window_->onTick();
        } else if (verb == "digit") {
            window_->onCommand(digitButtonId(std::stoi(rest)));
        } else if (verb == "leave") {
            focus(-1);
        } else if (verb == "key") {
            const auto key = std::find(keys.begin(), keys.end(), arg) - keys.begin();
            const CaretPlace caret{tail != "end" && tail != "inside",
                                   tail != "start" && tail != "inside"};
            const int next = window_->onCellKey(cellId(hand), static_cast<CellKey>(key), caret);
            if (next != 0) focus(cellIndexOf(next));
        } else if (verb == "fill") {
            for (int cell = 0; cell < kCells; ++cell)
                if (desktop_.control(cellId(cell))->kind == ControlKind::kOpenCell)
                    step("type r" + std::to_string(cell / 9 + 1) + "c" +
                         std::to_string(cell % 9 + 1) +
                         (arg[cell] == '.' ? "" : " " + arg.substr(cell, 1)));
        } else if (verb == "clip") {
            std::string text = rest;
            for (size_t at; (at = text.find("\\n")) != text.npos;) text.replace(at, 2, "\n");
            desktop_.setClipboardText(text);
        } else if (verb == "answer") {
            answers_[std::stoi(arg)] = tail;
        } else if (verb == "ask") {
            window_->onCommand(kCommandTechniqueHelp);
        } else if (verb == "fail") {
            desktop_.picturesSucceed(false);
        } else {
            const std::vector<int> items = menuItemCommands();
            const auto item = std::find_if(items.begin(), items.end(),
                                           [&](int command) { return itemName(command) == what; });
            ASSERT_TRUE(item != items.end()) << what;
            window_->onCommand(*item);
        }
        if (hold) return;
        if (busy && window_->busy()) {
            busy->push_back("(while the job runs)");
            report(*busy);
            busy->push_back("(when it is done)");
        }
        while (window_->busy())
            ASSERT_TRUE(desktop_.deliverWorkerCommand(std::chrono::seconds(60)));
    }

    // What changed on screen since the last call.
    void report(std::vector<std::string>& lines) {
        desktop_.paintPendingCells();
        const std::vector<std::string> log = desktop_.logStartingWith("");
        for (; logged_ < log.size(); ++logged_) {
            std::string line = log[logged_];
            for (size_t at; (at = line.find(dir_)) != line.npos;)
                line.replace(at, dir_.size(), "<dir>");
            for (const char* shown :
                 {"messageBox", "runDialog", "askFileName", "setClipboard", "destroyWindow",
                  "printPicture", "printPages", "savePicture", "showStep", "showHelp"})
                if (line.rfind(shown, 0) == 0) lines.push_back(escaped(line));
            if (line.find("Picture") != line.npos) picture(lines);
        }
        std::map<std::string, std::string> now = seen();
        for (const char* what : {"title", "status", "greyed", "checked", "buttons", "board",
                                 "digits", "clock", "cover", "dialog shown"}) {
            if (std::exchange(shown_[what], now[what]) == now[what]) continue;
            if (now[what].back() == ',') now[what].pop_back();
            lines.push_back(what + std::string(":") + (now[what].empty() ? " (none)" : now[what]));
        }
    }

    bool enabled(int command) const { return desktop_.menuItem(command)->enabled; }

  private:
    static int cellOf(const std::string& name) { return (name[1] - '1') * 9 + name[3] - '1'; }
    // The player types into a cell: the desktop shows it and reports the edit.
    void edit(int cell, const std::string& text) {
        desktop_.setText(cellId(cell), text);
        window_->onCellEdited(cellId(cell), text);
    }
    // The desktop moves the focus: the cell in hand reports leaving first.
    void focus(int cell) {
        const int hand = window_->state().marks.cellInHand;
        if (hand >= 0) window_->onCellNotification(cellId(hand), CellNotification::kLostFocus);
        if (cell >= 0) window_->onCellNotification(cellId(cell), CellNotification::kGainedFocus);
    }
    void answer(FakeDialog& dialog) {
        const int id = desktop_.dialogsRun().back();
        const auto given = answers_.count(id) ? answers_.find(id) : kDialogAnswers.find(id);
        // What the dialogs of play show: the statistics table, the finish box.
        shownDialog_.clear();
        const int rows = id == kStatisticsDialogId ? 9 : id == kFinishDialogId ? 1 : 0;
        for (int row = 0; row < rows; ++row) {
            shownDialog_ += "\n   ";
            for (int column = 0; column < (id == kFinishDialogId ? 3 : 6); ++column)
                shownDialog_ +=
                    " | " + dialog.text(id == kFinishDialogId
                                            ? kFinishFirstLineId + column
                                            : kStatisticsFirstCellId + row * 10 + column);
        }
        std::istringstream script(given != kDialogAnswers.end() ? given->second : "click 1");
        for (std::string verb, text; script >> verb;) {
            int control = 0;
            script >> control;
            if (verb == "click") dialog.click(control);
            if (verb == "type") script >> text, dialog.type(control, text);
            if (verb == "choose") script >> text, dialog.choose(control, std::stoi(text));
        }
    }
    void picture(std::vector<std::string>& lines) {
        const BoardPicture drawn = desktop_.pictures().back().first;
        std::vector<std::string> cells;
        for (const BoardPicture::Cell& c : drawn.cells)  // values end in v, candidates in c
            cells.push_back((c.digits.empty() ? "." : c.digits) + "  vc"[int(c.mark)]);
        lines.push_back("  heading: " + drawn.heading + grid(cells));
    }
    // Nine lines of nine cells, in columns.
    static std::string grid(std::vector<std::string> cells) {
        size_t width = 0;
        for (std::string& cell : cells)
            cell.erase(cell.find_last_not_of(' ') + 1), width = std::max(width, cell.size());
        std::string text;
        for (int cell = 0; cell < kCells; ++cell) {
            const std::string pad(cell % 9 == 8 ? 0 : width - cells[cell].size(), ' ');
            text += (cell % 9 ? " " : "\n  ") + cells[cell] + pad;
        }
        return text;
    }
    // Cells: the text ('.' empty), for an open cell with text its colour
    // (b blue, r red, g grey), upper case in the big font, 'n' when shown as
    // notes, then the tint (/u unit, /s same digit, /h hinted, /i in hand) and
    // the colour mark (*1..*4). The digit strip: what is left of each digit.
    std::map<std::string, std::string> seen() {
        std::map<std::string, std::string> now;
        now["title"] = desktop_.shownTitle().empty() ? "" : " " + desktop_.shownTitle();
        now["status"] = " " + escaped(desktop_.text(kStatusBoxId));
        for (int command : menuItemCommands()) {
            const std::optional<FakeDesktop::MenuItemState> item = desktop_.menuItem(command);
            if (!item) ADD_FAILURE() << "no menu item " << command;
            if (!item) continue;
            if (!item->enabled) now["greyed"] += " " + itemName(command) + ",";
            if (item->checked) now["checked"] += " " + itemName(command) + ",";
        }
        for (int id : kButtons) {
            const auto button = desktop_.control(id);
            if (button)
                now["buttons"] += " [" + button->text + (button->enabled ? "]" : " greyed]");
        }
        std::vector<std::string> cells;
        for (int cell = 0; cell < kCells; ++cell) {
            const FakeDesktop::ControlState c = *desktop_.control(cellId(cell));
            std::string token = c.text.empty() ? "." : c.text;
            if (c.kind == ControlKind::kOpenCell && !c.text.empty()) {
                const TextColour k = c.paintedColour.value_or(TextColour{-1, -1, -1});
                const char colour = k.red == 255    ? 'r'
                                    : k.blue == 255 ? 'b'
                                    : k.red == 102  ? 'g'
                                                    : '?';
                token += c.font == FontChoice::kSmall ? colour : std::toupper(colour);
                if (window_->state().seen.cell(cell).notes) token += 'n';
            }
            const int tint = static_cast<int>(window_->onCellBackground(cellId(cell)));
            const int mark = static_cast<int>(window_->onCellMark(cellId(cell)));
            cells.push_back(token + (tint ? std::string("/") + "-ushi"[tint] : "") +
                            (mark ? "*" + std::to_string(mark) : ""));
        }
        now["board"] = grid(cells);
        now["clock"] = " " + window_->state().seen.text(kClockId);
        now["dialog shown"] = shownDialog_;
        now["cover"] = desktop_.cover().empty() ? "" : " " + escaped(desktop_.cover());
        for (int digit = 1; digit <= 9; ++digit) {
            const std::string text = window_->state().seen.text(digitButtonId(digit));
            now["digits"] += " " + text.substr(0, 1) + ":" + text.substr(text.find('\n') + 1);
            if (window_->state().marks.chosenDigit == digit) now["digits"] += "(chosen)";
        }
        return now;
    }

    std::string dir_;
    FakeDesktop desktop_;
    StartupSettings startup_;
    std::unique_ptr<MainWindow> window_;
    std::map<int, std::string> answers_;
    std::string shownDialog_;
    std::map<std::string, std::string> shown_;
    size_t logged_ = 0;
};

std::vector<std::string> transcript(const std::string& dir) {
    std::vector<std::string> out = {
        "# Cells: the text, '.' for none; an open cell's colour (b blue, r red, g grey), upper",
        "# case in the big font, n as notes; its tint (/u unit, /s same digit, /h hinted,",
        "# /i in hand) and colour mark (*1..*4). Digits: how many of each are left to place.",
        "# Written by tests/app/window_transcript_test.cpp, which tells how to rewrite it."};
    const auto play = [&](Play& p, const std::string& step, const std::string& heading) {
        out.push_back(heading);
        p.step(step, &out);
        p.report(out);
    };
    for (const auto& scene : kScenes) {
        out.push_back("#### a new window");
        Play story(dir);
        story.report(out);
        for (size_t s = 0; s < scene.size(); ++s) {
            play(story, scene[s], "== " + scene[s]);
            if (scene[s][0] != '*') continue;
            out.push_back("---- every item enabled after " + scene[s]);
            for (int command : menuItemCommands()) {
                if (!story.enabled(command)) continue;
                Play tried(dir);
                for (size_t replayed = 0; replayed <= s; ++replayed) tried.step(scene[replayed]);
                std::vector<std::string> ignored;
                tried.report(ignored);
                play(tried, itemName(command), "-- " + itemName(command));
            }
        }
    }
    return out;
}

TEST(WindowTranscript, MatchesTheCommittedTranscript) {
    testing::ScratchDir dir;
    PuzzleRecord kept =
        testing::puzzleWithAnswer(testing::gridFromText(kPuzzle), testing::gridFromText(kAnswer));
    PuzzleFileHeader header;
    header.puzzleClass = 3;
    ASSERT_EQ(writePuzzleFile(header, kept, (dir / "kept.ga").c_str()), kPuzzleFileWritten);
    std::string text;
    for (const std::string& line : transcript(dir.path().string())) text += line + "\n";
    if (std::getenv("GRIDATELIER_UPDATE_GOLDEN")) {
        std::ofstream(GRIDATELIER_TRANSCRIPT) << text;
        return;
    }
    std::istringstream actual(text), expected(testing::readFile(GRIDATELIER_TRANSCRIPT));
    std::string want, got, step, tried;  // where the player is
    for (int line = 1; std::getline(expected, want).good() | std::getline(actual, got).good();
         ++line) {
        ASSERT_EQ(want, got) << GRIDATELIER_TRANSCRIPT << ":" << line << ", after " << step
                             << tried;
        if (want.rfind("== ", 0) == 0 || want.rfind("---- ", 0) == 0) step = want, tried.clear();
        if (want.rfind("-- ", 0) == 0) tried = ", " + want;
        want.clear(), got.clear();
    }
}

}  // namespace
}  // namespace ga
