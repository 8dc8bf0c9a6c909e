#include "app/menu_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/menu_table.h"
#include "platform/fake_desktop.h"

namespace {

using ga::FakeDesktop;

// What each pattern leaves, by menu mode 0, 1, 2, 4, 8, 16, 32: E enabled,
// G greyed, A enabled only with a known answer, - untouched.
constexpr int kPatternModes[] = {0, 1, 2, 4, 8, 16, 32};

struct ExpectedRow {
    int firstCommand;
    int lastCommand;
    const char* byMode;
};

constexpr ExpectedRow kExpected[] = {
    {1000, 1000, "-------"}, {1030, 1030, "-------"}, {1110, 1111, "EE-E-G-"},
    {1112, 1112, "GEGE-G-"}, {1113, 1113, "EE-E-G-"}, {1114, 1115, "GE-EGG-"},
    {1116, 1116, "GA-AGG-"}, {1117, 1117, "GE-EEEE"}, {1118, 1118, "GE-EGEE"},
    {1119, 1119, "GA-AGG-"}, {1120, 1121, "GE-EGEE"}, {1122, 1123, "GE-EGGE"},
    {1124, 1126, "EE-E-G-"}, {1210, 1216, "EE-E-G-"}, {1217, 1217, "G----G-"},
};

int columnOf(int menuMode) {
    for (int column = 0; column < 7; ++column) {
        if (kPatternModes[column] == menuMode) return column;
    }
    return -1;
}

char ruleFor(int command, int menuMode) {
    const int column = columnOf(menuMode);
    if (column < 0) return '-';
    for (const ExpectedRow& row : kExpected) {
        if (command >= row.firstCommand && command <= row.lastCommand) return row.byMode[column];
    }
    ADD_FAILURE() << "no expectation for menu item " << command;
    return '-';
}

bool enabled(const FakeDesktop& desktop, int command) {
    return desktop.menuItem(command)->enabled;
}

// Every item enabled or every item greyed, so that touching an item a pattern
// leaves alone shows either way.
void prepare(FakeDesktop& desktop, bool allEnabled) {
    desktop.addMenuItems(ga::menuItemCommands());
    for (int command : ga::menuItemCommands()) desktop.enableMenuItem(command, allEnabled);
    desktop.clearLog();
}

TEST(MenuPattern, SetsItsItemsAndLeavesTheRest) {
    for (int menuMode : {0, 1, 2, 4, 8, 16, 32, 3, 5, 7, 9, 15, 17, 31, 33, 64, -1}) {
        for (bool answerKnown : {false, true}) {
            for (bool allEnabled : {true, false}) {
                SCOPED_TRACE(::testing::Message() << "mode " << menuMode << " answer "
                                                  << answerKnown << " prior " << allEnabled);
                FakeDesktop desktop;
                prepare(desktop, allEnabled);
                ga::applyMenuPattern(desktop, answerKnown, menuMode);
                for (int command : ga::menuItemCommands()) {
                    const char rule = ruleFor(command, menuMode);
                    const bool expected = rule == 'E'   ? true
                                          : rule == 'G' ? false
                                          : rule == 'A' ? answerKnown
                                                        : allEnabled;
                    EXPECT_EQ(enabled(desktop, command), expected) << command << " " << rule;
                }
                EXPECT_TRUE(desktop.logStartingWith("checkMenuItem").empty());
                if (columnOf(menuMode) < 0) {
                    EXPECT_TRUE(desktop.log().empty()) << "a mode without a pattern";
                }
            }
        }
    }
}

TEST(UpdateMenu, BusyGreysEverythingButAbout) {
    for (bool allEnabled : {true, false}) {
        FakeDesktop desktop;
        prepare(desktop, allEnabled);
        ga::updateMenu(desktop, true, ga::kMenuPlaying, true);
        for (int command : ga::menuItemCommands()) {
            EXPECT_EQ(enabled(desktop, command), command == ga::kCommandAbout && allEnabled)
                << command;
        }
        EXPECT_TRUE(desktop.logStartingWith("checkMenuItem").empty());
    }
}

TEST(UpdateMenu, IdleEnablesExitThenAppliesThePattern) {
    for (int menuMode : {0, 1, 2, 4, 8, 16, 32, 3, 33, -1}) {
        FakeDesktop busy;
        prepare(busy, true);
        ga::updateMenu(busy, true, menuMode, true);
        FakeDesktop expected;
        prepare(expected, true);
        ga::updateMenu(expected, true, menuMode, true);
        ga::applyMenuPattern(expected, true, menuMode);

        busy.clearLog();
        ga::updateMenu(busy, false, menuMode, true);
        EXPECT_EQ(busy.log().front(), "enableMenuItem 1000 1") << menuMode;
        for (int command : ga::menuItemCommands()) {
            EXPECT_EQ(enabled(busy, command),
                      command == ga::kCommandExit || enabled(expected, command))
                << "mode " << menuMode << " item " << command;
        }
    }
}

// The saved pattern names only "Save Puzzle", so a job finished while the
// puzzle stands saved leaves the busy greying on everything else.
TEST(UpdateMenu, JobAfterSaveLeavesTheBusyGreying) {
    FakeDesktop desktop;
    desktop.addMenuItems(ga::menuItemCommands());
    ga::applyMenuPattern(desktop, true, ga::kMenuPlaying);
    ga::applyMenuPattern(desktop, true, ga::kMenuSaved);
    EXPECT_TRUE(enabled(desktop, ga::kCommandCheckSolvable));
    ga::updateMenu(desktop, true, ga::kMenuSaved, true);
    ga::updateMenu(desktop, false, ga::kMenuSaved, true);
    for (int command : ga::menuItemCommands()) {
        EXPECT_EQ(enabled(desktop, command),
                  command == ga::kCommandExit || command == ga::kCommandAbout)
            << command;
    }
}

std::vector<int> checkedBetween(const FakeDesktop& desktop, int first, int last) {
    std::vector<int> checked;
    for (int command = first; command <= last; ++command) {
        if (desktop.menuItem(command)->checked) checked.push_back(command);
    }
    return checked;
}

// A damaged stored value must not reach the items that 1210 + level or
// 1114 + mode would hit: a check mark on the other group stays.
TEST(CheckMarks, SetLevelMovesTheOneMark) {
    const struct {
        int stored, requested, expected;
    } cases[] = {{4, 2, 2},  {3, 3, 3},   {0, 7, 7}, {5, 8, 5},
                 {5, -1, 5}, {-96, 1, 1}, {9, 6, 6}, {-96, 99, -96}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.stored << " to " << c.requested);
        FakeDesktop desktop;
        desktop.addMenuItems(ga::menuItemCommands());
        if (ga::isLevel(c.stored)) desktop.checkMenuItem(ga::levelCommand(c.stored), true);
        desktop.checkMenuItem(ga::kCommandNotExpressMistake, true);
        int level = c.stored;
        ga::setLevel(desktop, level, c.requested);
        EXPECT_EQ(level, c.expected);
        EXPECT_EQ(checkedBetween(desktop, 1210, 1217),
                  ga::isLevel(c.expected) ? std::vector<int>{ga::levelCommand(c.expected)}
                                          : std::vector<int>{});
        EXPECT_TRUE(desktop.menuItem(ga::kCommandNotExpressMistake)->checked);
    }
}

TEST(CheckMarks, SetExpressModeMovesTheOneMark) {
    const struct {
        int stored, requested;
        bool answerKnown;
        int expected;
    } cases[] = {{0, 2, false, 1}, {0, 2, true, 2},  {2, 0, false, 0},
                 {1, 1, false, 1}, {2, 2, false, 1}, {1, 3, true, 1},
                 {1, -1, true, 1}, {96, 0, true, 0}, {-5, 2, true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.stored << " to " << c.requested << " answer " << c.answerKnown);
        FakeDesktop desktop;
        desktop.addMenuItems(ga::menuItemCommands());
        if (ga::isExpressMode(c.stored)) {
            desktop.checkMenuItem(ga::expressModeCommand(c.stored), true);
        }
        desktop.checkMenuItem(ga::kCommandFirstLevel, true);
        int mode = c.stored;
        ga::setExpressMode(desktop, mode, c.requested, c.answerKnown);
        EXPECT_EQ(mode, c.expected);
        EXPECT_EQ(checkedBetween(desktop, 1114, 1116),
                  ga::isExpressMode(c.expected)
                      ? std::vector<int>{ga::expressModeCommand(c.expected)}
                      : std::vector<int>{});
        EXPECT_TRUE(desktop.menuItem(ga::kCommandFirstLevel)->checked);
    }
}

}  // namespace
