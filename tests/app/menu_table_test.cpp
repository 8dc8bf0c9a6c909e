#include "app/menu_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/command_ids.h"

namespace {

using ga::MenuEntry;
using ga::MenuEntryKind;

void listEntries(ga::TableView<MenuEntry> entries, const std::string& indent,
                 std::vector<std::string>& lines) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntryKind::kItem:
                lines.push_back(indent + std::to_string(entry.command) + " " + entry.text);
                break;
            case MenuEntryKind::kSeparator:
                lines.push_back(indent + "---");
                break;
            case MenuEntryKind::kSubPopup:
                lines.push_back(indent + "> " + entry.text);
                listEntries(entry.subEntries, indent + "  ", lines);
                break;
        }
    }
}

TEST(MenuTable, ShowsEveryPopupItemAndSeparatorInOrder) {
    std::vector<std::string> lines;
    for (const ga::MenuPopup& popup : ga::menuPopups()) {
        lines.push_back(popup.title);
        listEntries(popup.entries, "  ", lines);
    }
    const std::vector<std::string> expected = {
        "File(&F)",
        "  1113 Load Puzzle\tCtrl + L",
        "  1112 Save Puzzle\tCtrl + S",
        "  ---",
        "  1000 Exit\tCtrl + X",
        "Puzzle(&P)",
        "  1110 New Puzzle\tCtrl + N",
        "  > -- Level Setting",
        "    1210 Practice\tCtrl + 0",
        "    ---",
        "    1211 Novice\tCtrl + 1",
        "    1212 Beginner\tCtrl + 2",
        "    1213 Intermediate\tCtrl + 3",
        "    1214 Advanced\tCtrl + 4",
        "    ---",
        "    1215 Expert\tCtrl + 5",
        "    1216 World Class\tCtrl + 6",
        "    1217 Extra-terrestrial\tCtrl + 7",
        "  ---",
        "  1124 Hand-build Puzzle\tCtrl + H",
        "  1111 Recreate from Serial Number...",
        "Solve(&S)",
        "  1118 Show Candidates\tCtrl + C",
        "  ---",
        "  1122 Pencil Marks\tCtrl + P",
        "  1123 Backtracking\tCtrl + B",
        "  ---",
        "  1120 Check Solvable\tCtrl + U",
        "  1121 Check Multiple\tCtrl + Shift + U",
        "  ---",
        "  1119 Open Answer\tCtrl + O",
        "Express(&E)",
        "  1117 Erase Solving And Candidates\tCtrl + R",
        "  ---",
        "  1114 Not Express Mistake\tCtrl + E",
        "  1115 Visible Mistake\tCtrl + V",
        "  1116 Absolute Mistake\tCtrl + A",
        "Option(&O)",
        "  1125 Default Settings\tCtrl + D",
        "  1126 Record Regions of Multi Answer...",
        "  ---",
        "  1030 About\tCtrl + T",
    };
    EXPECT_EQ(lines, expected);
}

TEST(MenuTable, EveryCommandHasOneItemButCancel) {
    const std::vector<int> commands = ga::menuItemCommands();
    EXPECT_EQ(std::set<int>(commands.begin(), commands.end()).size(), commands.size());
    EXPECT_FALSE(ga::hasMenuItem(ga::kCommandCancel));
    for (int command : {ga::kCommandRecreatePuzzle, ga::kCommandRecordRegions,
                        ga::kCommandExtraTerrestrialLevel}) {
        EXPECT_TRUE(ga::hasMenuItem(command)) << command;
    }
}

// The key named after the tab and the key that runs the command must agree,
// and the one hint without an accelerator is Check Multiple's.
TEST(MenuTable, EveryKeyHintMatchesItsAccelerator) {
    std::set<int> hinted;
    for (const ga::MenuPopup& popup : ga::menuPopups()) {
        std::vector<const MenuEntry*> items;
        for (const MenuEntry& entry : popup.entries) {
            if (entry.kind == MenuEntryKind::kSubPopup) {
                for (const MenuEntry& sub : entry.subEntries) items.push_back(&sub);
            }
            items.push_back(&entry);
        }
        for (const MenuEntry* entry : items) {
            if (entry->kind != MenuEntryKind::kItem) continue;
            const std::string text = entry->text;
            const std::string hint = text.substr(text.find('\t') + 1);
            if (entry->command == ga::kCommandCheckMultiple) {
                EXPECT_EQ(hint, "Ctrl + Shift + U");
                continue;
            }
            if (text.find('\t') == std::string::npos) continue;  // no key at all
            ASSERT_EQ(hint.size(), 8u) << text;
            EXPECT_EQ(hint.substr(0, 7), "Ctrl + ") << text;
            EXPECT_EQ(ga::acceleratorCommand(hint[7], ga::kModifierCtrl), entry->command) << text;
            hinted.insert(entry->command);
        }
    }
    EXPECT_EQ(ga::accelerators().count, 24);
    for (const ga::Accelerator& accelerator : ga::accelerators()) {
        EXPECT_EQ(hinted.count(accelerator.command), 1u) << accelerator.key;
    }
}

struct KeyCase {
    char key;
    unsigned modifiers;
    int command;
};

class AcceleratorKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AcceleratorKeys, MatchOnlyCtrlWithTheirOwnKey) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(ga::acceleratorCommand(c.key, c.modifiers), c.command);
}

constexpr unsigned kCtrl = ga::kModifierCtrl;
INSTANTIATE_TEST_SUITE_P(Keys, AcceleratorKeys,
                         ::testing::Values(KeyCase{'U', kCtrl, 1120},
                                           KeyCase{'U', kCtrl | ga::kModifierShift, 0},
                                           KeyCase{'u', kCtrl, 1120}, KeyCase{'C', kCtrl, 1118},
                                           KeyCase{'V', kCtrl, 1115}, KeyCase{'X', kCtrl, 1000},
                                           KeyCase{'A', kCtrl, 1116}, KeyCase{'C', 0, 0},
                                           KeyCase{'C', kCtrl | ga::kModifierAlt, 0},
                                           KeyCase{'C', kCtrl | ga::kModifierMeta, 0},
                                           KeyCase{'0', kCtrl, 1210}, KeyCase{'7', kCtrl, 1217},
                                           KeyCase{'8', kCtrl, 0}, KeyCase{'M', kCtrl, 0},
                                           KeyCase{'\0', kCtrl, 0}));

}  // namespace
