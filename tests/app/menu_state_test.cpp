#include "app/menu_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
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

int modeColumn(int menuMode) {
    for (int column = 0; column < 7; ++column) {
        if (kPatternModes[column] == menuMode) return column;
    }
    return -1;
}

char ruleFor(int command, int column) {
    for (const ExpectedRow& row : kExpected) {
        if (command >= row.firstCommand && command <= row.lastCommand) return row.byMode[column];
    }
    ADD_FAILURE() << "no expectation for menu item " << command;
    return '-';
}

using MenuStates = std::vector<std::pair<int, FakeDesktop::MenuItemState>>;

FakeDesktop::MenuItemState stateOf(const FakeDesktop& desktop, int command) {
    return desktop.menuItem(command).value_or(FakeDesktop::MenuItemState{});
}

MenuStates snapshot(const FakeDesktop& desktop) {
    MenuStates states;
    for (int command : ga::menuItemCommands())
        states.emplace_back(command, stateOf(desktop, command));
    return states;
}

// Prior menus a pattern may meet: everything enabled, everything greyed, and
// two mixed ones. Some items carry check marks, which no pattern may move.
enum Prior { kAllEnabled, kAllGreyed, kEvenGreyed, kOddGreyed, kPriorCount };

void prepare(FakeDesktop& desktop, int prior) {
    desktop.addMenuItems(ga::menuItemCommands());
    for (int command : ga::menuItemCommands()) {
        bool enabled = prior == kAllEnabled || (prior == kEvenGreyed && command % 2 == 1) ||
                       (prior == kOddGreyed && command % 2 == 0);
        desktop.enableMenuItem(command, enabled);
    }
    desktop.checkMenuItem(1212, true);
    desktop.checkMenuItem(1115, true);
    desktop.clearLog();
}

class MenuPattern : public ::testing::TestWithParam<std::tuple<int, bool, int>> {};

TEST_P(MenuPattern, SetsItsItemsAndLeavesTheRest) {
    const auto [menuMode, answerKnown, prior] = GetParam();
    FakeDesktop desktop;
    prepare(desktop, prior);
    const MenuStates before = snapshot(desktop);

    ga::applyMenuPattern(desktop, answerKnown, menuMode);

    const int column = modeColumn(menuMode);
    for (const auto& [command, was] : before) {
        FakeDesktop::MenuItemState expected = was;
        const char rule = column < 0 ? '-' : ruleFor(command, column);
        if (rule == 'E') expected.enabled = true;
        if (rule == 'G') expected.enabled = false;
        if (rule == 'A') expected.enabled = answerKnown;
        const FakeDesktop::MenuItemState now = stateOf(desktop, command);
        EXPECT_EQ(now.enabled, expected.enabled) << "item " << command << " rule " << rule;
        EXPECT_EQ(now.checked, was.checked) << "item " << command;
    }
    if (column < 0) {
        EXPECT_TRUE(desktop.log().empty());
    }
    EXPECT_TRUE(desktop.logStartingWith("checkMenuItem").empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, MenuPattern,
    ::testing::Combine(::testing::Values(0, 1, 2, 4, 8, 16, 32, 3, 5, 7, 9, 15, 17, 31, 33, 64, -1),
                       ::testing::Bool(), ::testing::Range(0, static_cast<int>(kPriorCount))));

bool enabled(const FakeDesktop& desktop, int command) {
    return stateOf(desktop, command).enabled;
}

TEST(UpdateMenu, BusyGreysEverythingButAbout) {
    for (int prior : {kAllEnabled, kAllGreyed, kOddGreyed}) {
        FakeDesktop desktop;
        prepare(desktop, prior);
        const MenuStates before = snapshot(desktop);
        ga::updateMenu(desktop, true, ga::kMenuPlaying, true);
        for (const auto& [command, was] : before) {
            const FakeDesktop::MenuItemState now = stateOf(desktop, command);
            EXPECT_EQ(now.enabled, command == ga::kCommandAbout && was.enabled) << command;
            EXPECT_EQ(now.checked, was.checked) << command;
        }
        for (const std::string& line : desktop.log()) {
            EXPECT_EQ(line.substr(0, 15), "enableMenuItem ") << line;
            EXPECT_EQ(line.back(), '0') << line;
            EXPECT_NE(line, "enableMenuItem 1030 0");
        }
    }
}

TEST(UpdateMenu, IdleEnablesExitThenAppliesThePattern) {
    for (int menuMode : {0, 1, 2, 4, 8, 16, 32, 3, 33, -1}) {
        FakeDesktop busy;
        prepare(busy, kAllEnabled);
        ga::updateMenu(busy, true, menuMode, true);
        FakeDesktop expected;
        prepare(expected, kAllEnabled);
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

TEST(MenuScenarios, StartUpOffersOnlyTheWaysToGetAPuzzle) {
    FakeDesktop desktop;
    desktop.addMenuItems(ga::menuItemCommands());
    ga::applyMenuPattern(desktop, false, ga::kMenuNoPuzzle);
    const std::vector<int> offered = {1000, 1030, 1110, 1111, 1113, 1124, 1125, 1126,
                                      1210, 1211, 1212, 1213, 1214, 1215, 1216};
    for (int command : ga::menuItemCommands()) {
        const bool isOffered = std::find(offered.begin(), offered.end(), command) != offered.end();
        EXPECT_EQ(enabled(desktop, command), isOffered) << command;
    }
}

TEST(MenuScenarios, OpenedAnswerLeavesOnlyEraseThenEraseRestoresPlay) {
    FakeDesktop desktop;
    desktop.addMenuItems(ga::menuItemCommands());
    ga::applyMenuPattern(desktop, true, ga::kMenuPlaying);
    ga::applyMenuPattern(desktop, true, ga::kMenuAnswerOpened);
    for (int command = 1114; command <= 1123; ++command) {
        EXPECT_EQ(enabled(desktop, command), command == ga::kCommandEraseSolving) << command;
    }
    EXPECT_TRUE(enabled(desktop, ga::kCommandNewPuzzle));
    ga::applyMenuPattern(desktop, true, ga::kMenuLoaded);
    for (int command = 1110; command <= 1125; ++command) {
        if (command != ga::kCommandRecreatePuzzle) {
            EXPECT_TRUE(enabled(desktop, command)) << command;
        }
    }
}

// The saved pattern names only "Save Puzzle", so a job finished while the
// puzzle stands saved leaves the busy greying on everything else.
TEST(MenuScenarios, JobAfterSaveLeavesTheBusyGreying) {
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
        if (stateOf(desktop, command).checked) checked.push_back(command);
    }
    return checked;
}

struct LevelCase {
    int storedLevel;
    int newLevel;
    int expectedLevel;
};

class SetLevel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(SetLevel, MovesTheOneCheckMark) {
    const LevelCase& c = GetParam();
    FakeDesktop desktop;
    desktop.addMenuItems(ga::menuItemCommands());
    if (ga::isLevel(c.storedLevel)) desktop.checkMenuItem(ga::levelCommand(c.storedLevel), true);
    // A damaged level must not reach the items that 1210 + level would hit.
    desktop.checkMenuItem(ga::kCommandNotExpressMistake, true);
    int level = c.storedLevel;

    ga::setLevel(desktop, level, c.newLevel);

    EXPECT_EQ(level, c.expectedLevel);
    const std::vector<int> expectedChecks =
        ga::isLevel(c.expectedLevel) ? std::vector<int>{ga::levelCommand(c.expectedLevel)}
                                     : std::vector<int>{};
    EXPECT_EQ(checkedBetween(desktop, 1210, 1217), expectedChecks);
    EXPECT_TRUE(stateOf(desktop, ga::kCommandNotExpressMistake).checked);
}

INSTANTIATE_TEST_SUITE_P(Levels, SetLevel,
                         ::testing::Values(LevelCase{4, 2, 2}, LevelCase{3, 3, 3},
                                           LevelCase{0, 7, 7}, LevelCase{5, 8, 5},
                                           LevelCase{5, -1, 5}, LevelCase{-96, 1, 1},
                                           LevelCase{9, 6, 6}, LevelCase{-96, 99, -96}));

struct ExpressCase {
    int storedMode;
    int requestedMode;
    bool answerKnown;
    int expectedMode;
};

class SetExpressMode : public ::testing::TestWithParam<ExpressCase> {};

TEST_P(SetExpressMode, MovesTheOneCheckMark) {
    const ExpressCase& c = GetParam();
    FakeDesktop desktop;
    desktop.addMenuItems(ga::menuItemCommands());
    if (ga::isExpressMode(c.storedMode)) {
        desktop.checkMenuItem(ga::expressModeCommand(c.storedMode), true);
    }
    // 1114 + 96 is the first level item.
    desktop.checkMenuItem(ga::kCommandFirstLevel, true);
    int mode = c.storedMode;

    ga::setExpressMode(desktop, mode, c.requestedMode, c.answerKnown);

    EXPECT_EQ(mode, c.expectedMode);
    const std::vector<int> expectedChecks =
        ga::isExpressMode(c.expectedMode) ? std::vector<int>{ga::expressModeCommand(c.expectedMode)}
                                          : std::vector<int>{};
    EXPECT_EQ(checkedBetween(desktop, 1114, 1116), expectedChecks);
    EXPECT_TRUE(stateOf(desktop, ga::kCommandFirstLevel).checked);
}

INSTANTIATE_TEST_SUITE_P(Modes, SetExpressMode,
                         ::testing::Values(ExpressCase{0, 2, false, 1}, ExpressCase{0, 2, true, 2},
                                           ExpressCase{2, 0, false, 0}, ExpressCase{1, 1, false, 1},
                                           ExpressCase{2, 2, false, 1}, ExpressCase{1, 3, true, 1},
                                           ExpressCase{1, -1, true, 1}, ExpressCase{96, 0, true, 0},
                                           ExpressCase{-5, 2, true, 2}));

}  // namespace
