#include "app/status_messages.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/command_ids.h"
#include "platform/fake_desktop.h"

namespace {

using ga::StatusInputs;

StatusInputs sampleInputs() {
    StatusInputs in;
    in.level = 4;
    in.fileName = "mine.ga";
    in.serial[0] = 0x1A2B;
    in.serial[1] = 0;
    in.serial[2] = 0xFFFFFFFF;
    in.serial[3] = 0x10;
    in.serial[4] = 7;
    return in;
}

TEST(StatusMessages, FixedTextsAreShownVerbatim) {
    const std::pair<int, const char*> cases[] = {
        {0, "welcome to the Grid Atelier!"},
        {1, "you're going to try puzzles as Advanced"},
        {2, "new puzzle as Advanced class,\r\nserial number is 1A2B-0-FFFFFFFF-10-7"},
        {3, "saved a puzzle to a file named mine.ga"},
        {4, "loaded mine.ga,\r\nPractice, sn is 1A2B-0-FFFFFFFF-10-7"},
        {5, "no express mistakes"},
        {6, "express visible mistakes as red color font"},
        {7, "express absolute mistakes as red color font"},
        {8, "reset the solving"},
        {9, "reset the candidates"},
        {10,
         "no candidates expressed\r\neven by shallow analysis\r\ncause single candidate "
         "is not a hint."},
        {11, "the answer was opened"},
        {12, "finished although there are some mistakes"},
        {13, "\r\nsolving..."},
        {14,
         "Congraz! complete solving\r\nthis puzzle may have multi answers\r\ncause "
         "different to the answer"},
        {15, "Congraz! complete solving"},
        {16,
         "could not solve the puzzle...\r\ndue to the pencil marks\r\nplz try the "
         "backtracking method."},
        {17, "could not solve the puzzle...\r\nplease try again."},
        {32, "\r\nchecking..."},
        {33, "solvable structure."},
        {34, "unsolvable structure.\r\nthis puzzle is unsolvable."},
        {35, "single answer."},
        {36, "multiple answers.\r\nthis puzzle has multiple answers."},
        {37, "no answer data or illegal answer detected."},
        // Codes no handler sets clear the box.
        {18, ""},
        {31, ""},
        {38, ""},
        {-1, ""},
        {INT_MIN, ""}};
    for (const auto& [code, text] : cases) EXPECT_EQ(ga::statusText(code, sampleInputs()), text);
}

TEST(StatusMessages, VariantsFollowTheirInputs) {
    const struct {
        int code, level, candidateDepth, puzzleClass, answerKnown;
        const char* text;
    } cases[] = {
        {10, 0, 1, 0, 0, "candidates due to shallow analysis.\r\nthey are just hints"},
        {10, 0, 2, 0, 0, "candidates due to deep analysis."},
        {10, 0, 3, 0, 0,
         "no candidates expressed\r\neven by shallow analysis\r\ncause single "
         "candidate is not a hint."},
        {4, 0, 0, 7, 1, "loaded mine.ga,\r\nExtra-Terrestrial, sn is 1A2B-0-FFFFFFFF-10-7"},
        {4, 0, 0, 8, 1, "loaded mine.ga, Hand-build"},
        {4, 0, 0, 8, 0, "loaded mine.ga,\r\nHand-build without Answer"},
        // Only a foreign or damaged file carries these classes.
        {4, 0, 0, 9, 1, "loaded mine.ga, Unknown"},
        {4, 0, 0, INT_MAX, 0, "loaded mine.ga,\r\nUnknown without Answer"},
        {4, 0, 0, -1, 0, "loaded mine.ga,\r\nUnknown, sn is 1A2B-0-FFFFFFFF-10-7"},
        {1, 6, 0, 0, 0, "you're going to try puzzles as World Class"},
        {1, 8, 0, 0, 0, "you're going to try puzzles as Hand-build"},
        {1, 9, 0, 0, 0, "you're going to try puzzles as Unknown"},
        {2, -5, 0, 0, 0, "new puzzle as Unknown class,\r\nserial number is 1A2B-0-FFFFFFFF-10-7"}};
    for (const auto& c : cases) {
        StatusInputs in = sampleInputs();
        in.level = c.level;
        in.candidateDepth = c.candidateDepth;
        in.puzzleClass = c.puzzleClass;
        in.answerKnown = c.answerKnown;
        EXPECT_EQ(ga::statusText(c.code, in), c.text) << c.code;
    }
}

TEST(StatusMessages, FileNameIsTextNotFormat) {
    StatusInputs in = sampleInputs();
    in.fileName = "100%s %X.ga";
    EXPECT_EQ(ga::statusText(3, in), "saved a puzzle to a file named 100%s %X.ga");
    in.puzzleClass = 8;
    in.answerKnown = 1;
    EXPECT_EQ(ga::statusText(4, in), "loaded 100%s %X.ga, Hand-build");
}

TEST(StatusMessages, ShowStatusWritesTheStatusBox) {
    ga::FakeDesktop desktop;
    ASSERT_TRUE(desktop.createControl(ga::kStatusBoxId, ga::ControlKind::kStatusBox, {}));
    desktop.clearLog();
    ga::showStatus(desktop, 13, sampleInputs());
    EXPECT_EQ(desktop.control(ga::kStatusBoxId)->text, "\r\nsolving...");
    EXPECT_EQ(desktop.log(), std::vector<std::string>{"setText 1500 \"\\r\\nsolving...\""});
}

TEST(ShowError, OpensAnErrorBoxForFileFailuresOnly) {
    ga::FakeDesktop desktop;
    for (int code : {1, 2, 4, 0, 3, 5, -1}) ga::showError(desktop, code);
    const std::vector<ga::FakeDesktop::MessageBoxCall> boxes = desktop.messageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "failed to save data to a file");
    EXPECT_EQ(boxes[1].text, "failed to load data from a file");
    EXPECT_EQ(boxes[2].text, "failed to open or create a csv file");
    for (const auto& box : boxes) EXPECT_EQ(box.title, "error");
}

}  // namespace
