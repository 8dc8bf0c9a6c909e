// Help's pages: one per technique with a board on which the ladder finds it,
// and a page of keys that names every key the menu has.
#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/help_book.h"

namespace ga::testing {
namespace {

TEST(HelpBook, EveryTechniqueHasAPageWithItsStepDrawnOnAnExample) {
    const HelpBook book = helpBook();
    ASSERT_EQ(book.pages.size(), size_t(helpPageOf(static_cast<Technique>(0)) + kTechniqueCount));
    EXPECT_EQ(helpPageOf(Technique::kNone), 0);
    for (int t = 0; t < kTechniqueCount; ++t) {
        const Technique technique = static_cast<Technique>(t);
        const HelpPage& page = book.pages[size_t(helpPageOf(technique))];
        SCOPED_TRACE(page.title);
        EXPECT_EQ(page.title, techniqueInfo(technique).name);
        EXPECT_TRUE(page.hasExample && page.drawing.shown);
        EXPECT_NE(page.text.find("In the example: "), std::string::npos);
    }
}

TEST(HelpBook, TheKeysPageNamesEveryKeyOfTheMenu) {
    const HelpBook book = helpBook();
    const std::string& keys = book.pages[1].text;
    const MenuDescription menu = mainMenu();
    for (const Accelerator& key : menu.accelerators) {
        const std::string name = key.key == kKeyF1       ? std::string("F1")
                                 : key.key == kKeyEscape ? std::string("Escape")
                                                         : std::string(1, key.key);
        std::string held;
        if (key.modifiers & kModifierCtrl) held += "Ctrl + ";
        if (key.modifiers & kModifierShift) held += "Shift + ";
        if (key.modifiers & kModifierAlt) held += "Alt + ";
        EXPECT_NE(keys.find(held + name + "\t"), std::string::npos) << held + name;
    }
    EXPECT_GT(menu.accelerators.size(), size_t{24});
}

TEST(HelpBook, TheQuestionSaysTheNameAsItIsSpoken) {
    const std::pair<Technique, const char*> questions[] = {
        {Technique::kXWing, "What is an X-Wing?"},
        {Technique::kAlsXZ, "What is an ALS-XZ?"},
        {Technique::kEmptyRectangle, "What is an Empty Rectangle?"},
        {Technique::kUniqueRectangle1, "What is a Unique Rectangle Type 1?"},
        {Technique::kTwoStringKite, "What is a 2-String Kite?"},
    };
    for (const auto& [technique, question] : questions)
        EXPECT_EQ(techniqueQuestion(technique), question);
}

}  // namespace
}  // namespace ga::testing
