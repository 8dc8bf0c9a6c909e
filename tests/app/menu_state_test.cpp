// The radio-like check marks of the level and express-mode items.
#include "app/menu_state.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "platform/fake_desktop.h"

namespace {

using ga::FakeDesktop;

std::set<int> checkedItems(const FakeDesktop& desktop) {
    std::set<int> items;
    for (int command : ga::menuItemCommands())
        if (desktop.menuItem(command)->checked) items.insert(command);
    return items;
}

std::set<int> marksIn(const FakeDesktop& desktop, int first, int last) {
    std::set<int> marks;
    for (int command : checkedItems(desktop))
        if (command >= first && command <= last) marks.insert(command);
    return marks;
}

// One mark per group; a damaged stored value must not reach the items that
// 1210 + level or 1114 + mode would hit, and a refused request changes nothing.
TEST(CheckMarks, EachGroupCarriesOneMark) {
    const struct {
        bool level;
        int stored, requested;
        bool answerKnown;
        int expected;
    } cases[] = {
        {true, 4, 2, false, 2},  {true, 0, 7, false, 7},   {true, 5, 8, false, 5},
        {true, 5, -1, false, 5}, {true, -96, 1, false, 1}, {true, -96, 99, false, -96},
        {false, 0, 2, false, 1}, {false, 0, 2, true, 2},   {false, 2, 0, false, 0},
        {false, 2, 2, false, 1}, {false, 1, 3, true, 1},   {false, 96, 0, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.level ? "level " : "mode ") << c.stored << " to "
                                          << c.requested << " answer " << c.answerKnown);
        FakeDesktop desktop;
        desktop.setMenu(ga::mainMenu());
        const int first = c.level ? ga::kCommandFirstLevel : ga::kCommandFirstExpressMode;
        const int last = c.level ? ga::kCommandLastLevel : ga::kCommandLastExpressMode;
        const int other = c.level ? ga::kCommandNotExpressMistake : ga::kCommandFirstLevel;
        if (c.stored >= 0 && first + c.stored <= last)
            desktop.checkMenuItem(first + c.stored, true);
        desktop.checkMenuItem(other, true);
        int value = c.stored;
        if (c.level) {
            ga::setLevel(desktop, value, c.requested);
        } else {
            ga::setExpressMode(desktop, value, c.requested, c.answerKnown);
        }
        EXPECT_EQ(value, c.expected);
        const bool valid = c.expected >= 0 && first + c.expected <= last;
        EXPECT_EQ(marksIn(desktop, first, last),
                  valid ? std::set<int>{first + c.expected} : std::set<int>{});
        EXPECT_TRUE(desktop.menuItem(other)->checked);
    }
}

}  // namespace
