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
                 std::vector<std::string>& lines, std::vector<int>& commands) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntryKind::kItem:
                lines.push_back(indent + std::to_string(entry.command) + " " + entry.text);
                commands.push_back(entry.command);
                break;
            case MenuEntryKind::kSeparator:
                lines.push_back(indent + "---");
                break;
            case MenuEntryKind::kSubPopup:
                lines.push_back(indent + "> " + entry.text);
                listEntries(entry.subEntries, indent + "  ", lines, commands);
                break;
        }
    }
}

// The commands the rest of the program builds the menu from are exactly the
// items shown, in the same order, and Cancel has none.
TEST(MenuTable, ShowsEveryPopupItemAndSeparatorInOrder) {
    std::vector<std::string> lines;
    std::vector<int> commands;
    for (const ga::MenuPopup& popup : ga::menuPopups()) {
        lines.push_back(popup.title);
        listEntries(popup.entries, "  ", lines, commands);
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
    EXPECT_EQ(ga::menuItemCommands(), commands);
    EXPECT_FALSE(ga::hasMenuItem(ga::kCommandCancel));
    EXPECT_TRUE(ga::hasMenuItem(ga::kCommandExtraTerrestrialLevel));
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

// The plain Ctrl keys are covered above; what else may be held, and keys
// without a command.
TEST(MenuTable, AcceleratorsMatchOnlyCtrlWithTheirOwnKey) {
    constexpr unsigned kCtrl = ga::kModifierCtrl;
    const struct {
        char key;
        unsigned modifiers;
        int command;
    } cases[] = {{'u', kCtrl, 1120},
                 {'U', kCtrl | ga::kModifierShift, 0},
                 {'C', 0, 0},
                 {'C', kCtrl | ga::kModifierAlt, 0},
                 {'C', kCtrl | ga::kModifierMeta, 0},
                 {'8', kCtrl, 0},
                 {'M', kCtrl, 0},
                 {'\0', kCtrl, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ga::acceleratorCommand(c.key, c.modifiers), c.command)
            << c.key << " " << c.modifiers;
    }
}

}  // namespace
