// The menu around jobs and the radio-like check marks.
#include "app/menu_state.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/window_commands.h"
#include "platform/fake_desktop.h"
#include "tests/support/test_records.h"

namespace {

using ga::FakeDesktop;

std::set<int> enabledItems(const FakeDesktop& desktop) {
    std::set<int> items;
    for (int command : ga::menuItemCommands())
        if (desktop.menuItem(command)->enabled) items.insert(command);
    return items;
}

std::set<int> checkedItems(const FakeDesktop& desktop) {
    std::set<int> items;
    for (int command : ga::menuItemCommands())
        if (desktop.menuItem(command)->checked) items.insert(command);
    return items;
}

// After any job the menu is what it was before the job started; the checks'
// and the region search's notices change nothing of it. Every menu mode a job
// can start from, reached as the program reaches it.
TEST(MenuAroundJobs, AJobGivesBackTheMenuItFound) {
    using namespace ga;
    const struct {
        std::vector<int> modes;  // the patterns applied, the last one current
        int handBuildStage;
        int command;
    } cases[] = {
        {{kMenuNoPuzzle}, 0, kCommandRecordRegions},
        {{kMenuNoPuzzle, kMenuPlaying}, 0, kCommandCheckSolvable},
        {{kMenuNoPuzzle, kMenuLoaded}, 0, kCommandPencilMarks},
        {{kMenuNoPuzzle, kMenuLoaded, kMenuSaved}, 0, kCommandCheckMultiple},
        {{kMenuNoPuzzle, kMenuPlaying, kMenuAnswerOpened}, 0, kCommandRecordRegions},
        {{kMenuNoPuzzle, kMenuPlaying, kMenuAnswerOpened, kMenuSaved}, 0, kCommandRecordRegions},
        {{kMenuNoPuzzle, kMenuHandBuildClues}, 1, kCommandCheckSolvable},
        {{kMenuNoPuzzle, kMenuHandBuildClues, kMenuHandBuildAnswer}, 2, kCommandBacktracking},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.modes.back() << " after "
                                          << c.modes.size() - 1 << " others, job " << c.command);
        FakeDesktop desktop;
        desktop.setMenu(mainMenu());
        desktop.createControl(kStatusBoxId, ControlKind::kStatusBox, {});
        WindowState state;
        state.puzzle = ga::testing::puzzleFromText(
            "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.");
        loadClues(state.puzzle);
        state.handBuildStage = c.handBuildStage;
        for (int mode : c.modes) enterMenuMode(desktop, state, mode);
        const std::set<int> before = enabledItems(desktop);
        ASSERT_TRUE(before.count(c.command)) << "the job's item is enabled";

        JobControl jobs(desktop);
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([&](int id) { jobs.handleNotice(desktop, state, id); });
        jobs.startWorker();
        ASSERT_TRUE(jobs.startJob(desktop, state, c.command));
        EXPECT_EQ(enabledItems(desktop), std::set<int>{kCommandAbout});
        ASSERT_TRUE(desktop.deliverWorkerCommand(std::chrono::seconds(60)));
        EXPECT_FALSE(jobs.busy());
        EXPECT_EQ(enabledItems(desktop), before);
    }
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
