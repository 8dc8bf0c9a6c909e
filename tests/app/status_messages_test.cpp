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

struct TextCase {
    int code;
    const char* text;
};

class FixedStatusTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(FixedStatusTexts, AreShownVerbatim) {
    EXPECT_EQ(ga::statusText(GetParam().code, sampleInputs()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FixedStatusTexts,
    ::testing::Values(
        TextCase{0, "welcome to the Grid Atelier!"},
        TextCase{1, "you're going to try puzzles as Advanced"},
        TextCase{2, "new puzzle as Advanced class,\r\nserial number is 1A2B-0-FFFFFFFF-10-7"},
        TextCase{3, "saved a puzzle to a file named mine.ga"},
        TextCase{4, "loaded mine.ga,\r\nPractice, sn is 1A2B-0-FFFFFFFF-10-7"},
        TextCase{5, "no express mistakes"},
        TextCase{6, "express visible mistakes as red color font"},
        TextCase{7, "express absolute mistakes as red color font"},
        TextCase{8, "reset the solving"}, TextCase{9, "reset the candidates"},
        TextCase{10,
                 "no candidates expressed\r\neven by shallow analysis\r\ncause single candidate "
                 "is not a hint."},
        TextCase{11, "the answer was opened"},
        TextCase{12, "finished although there are some mistakes"}, TextCase{13, "\r\nsolving..."},
        TextCase{14,
                 "Congraz! complete solving\r\nthis puzzle may have multi answers\r\ncause "
                 "different to the answer"},
        TextCase{15, "Congraz! complete solving"},
        TextCase{16,
                 "could not solve the puzzle...\r\ndue to the pencil marks\r\nplz try the "
                 "backtracking method."},
        TextCase{17, "could not solve the puzzle...\r\nplease try again."},
        TextCase{32, "\r\nchecking..."}, TextCase{33, "solvable structure."},
        TextCase{34, "unsolvable structure.\r\nthis puzzle is unsolvable."},
        TextCase{35, "single answer."},
        TextCase{36, "multiple answers.\r\nthis puzzle has multiple answers."},
        TextCase{37, "no answer data or illegal answer detected."},
        // Codes no handler sets clear the box.
        TextCase{18, ""}, TextCase{31, ""}, TextCase{38, ""}, TextCase{-1, ""},
        TextCase{INT_MIN, ""}));

struct VariantCase {
    int code;
    int level;
    int candidateDepth;
    int puzzleClass;
    int answerKnown;
    const char* text;
};

class StatusVariants : public ::testing::TestWithParam<VariantCase> {};

TEST_P(StatusVariants, FollowTheirInputs) {
    const VariantCase& c = GetParam();
    StatusInputs in = sampleInputs();
    in.level = c.level;
    in.candidateDepth = c.candidateDepth;
    in.puzzleClass = c.puzzleClass;
    in.answerKnown = c.answerKnown;
    EXPECT_EQ(ga::statusText(c.code, in), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, StatusVariants,
    ::testing::Values(
        VariantCase{10, 0, 1, 0, 0, "candidates due to shallow analysis.\r\nthey are just hints"},
        VariantCase{10, 0, 2, 0, 0, "candidates due to deep analysis."},
        VariantCase{10, 0, 3, 0, 0,
                    "no candidates expressed\r\neven by shallow analysis\r\ncause single "
                    "candidate is not a hint."},
        VariantCase{4, 0, 0, 7, 1,
                    "loaded mine.ga,\r\nExtra-Terrestrial, sn is 1A2B-0-FFFFFFFF-10-7"},
        VariantCase{4, 0, 0, 8, 1, "loaded mine.ga, Hand-build"},
        VariantCase{4, 0, 0, 8, 0, "loaded mine.ga,\r\nHand-build without Answer"},
        // Only a foreign or damaged file carries these classes.
        VariantCase{4, 0, 0, 9, 1, "loaded mine.ga, Unknown"},
        VariantCase{4, 0, 0, INT_MAX, 0, "loaded mine.ga,\r\nUnknown without Answer"},
        VariantCase{4, 0, 0, -1, 0, "loaded mine.ga,\r\nUnknown, sn is 1A2B-0-FFFFFFFF-10-7"},
        VariantCase{1, 6, 0, 0, 0, "you're going to try puzzles as World Class"},
        VariantCase{1, 8, 0, 0, 0, "you're going to try puzzles as Hand-build"},
        VariantCase{1, 9, 0, 0, 0, "you're going to try puzzles as Unknown"},
        VariantCase{2, -5, 0, 0, 0,
                    "new puzzle as Unknown class,\r\nserial number is 1A2B-0-FFFFFFFF-10-7"}));

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
