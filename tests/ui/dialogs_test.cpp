// The dialogs on the fake desktop, played as the player would.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "ui/record_regions_dialog.h"
#include "ui/recreate_dialog.h"

namespace ga {
namespace {

class DialogsTest : public ::testing::Test {
  protected:
    using Script = std::function<void(FakeDialog&)>;
    void SetUp() override { setDefaultSettings(current); }
    // Play `script` in a dialog; true when the current Settings changed.
    bool regions(int result, const Script& script) {
        return play(result, script,
                    [&] { return runRecordRegionsDialog(desktop, current, files); });
    }
    bool recreate(int result, const Script& script) {
        return play(result, script, [&] { return runRecreateDialog(desktop, current); });
    }
    bool play(int result, const Script& script, const std::function<int()>& run) {
        const Settings before = current;
        desktop.onDialog(script);
        EXPECT_EQ(run(), result);
        return std::memcmp(&before, &current, sizeof before) != 0;
    }
    void csv(const std::string& name) {
        std::ofstream(dir / name) << "x";
        std::strcpy(current.csvPath, (dir / name).c_str());
    }

    FakeDesktop desktop;
    Settings current;
    FileDialogMemory files;
    testing::ScratchDir dir;
};

TEST_F(DialogsTest, OnlyAnExistingLowerCaseCsvFileIsOfferedAgain) {
    for (const std::string name : {"upper.CSV", "plain.txt", "gone.csv", "regions.csv"}) {
        csv(name);
        if (name == "gone.csv") std::remove(current.csvPath);
        const bool offered = name == "regions.csv";
        EXPECT_FALSE(regions(offered ? kDialogOkay : kDialogCancel, [&](FakeDialog& d) {
            EXPECT_EQ(d.text(kCsvFileNameTextId), "selected : " + (offered ? name : "no file"));
            EXPECT_EQ(d.press(kSearchCountArrowsId, -1), offered);
            EXPECT_EQ(d.click(kDialogOkay), offered) << "Okay is disabled";
        }));
    }
}

TEST_F(DialogsTest, AChosenFileAndTheTypedNumbersAreStoredOnOkay) {
    files.csvWorkingPath = "earlier/choice.csv";
    desktop.onFileDialog([&](const FileDialogRequest& r, std::string& path) {
        EXPECT_EQ(r.proposedPath, "earlier/choice.csv");
        path = dir / "new.csv";
        return true;
    });
    EXPECT_TRUE(regions(kDialogOkay, [&](FakeDialog& d) {
        d.click(kCsvFileButtonId);
        EXPECT_EQ(d.text(kCsvFileNameTextId), "selected : new.csv");
        d.type(kSearchCountFieldId, "250x");
        d.type(kMaxRegionCellsFieldId, "20");
        d.choose(kSearchLevelListId, 4);
        d.click(kDialogOkay);
    }));
    EXPECT_STREQ(current.csvPath, (dir / "new.csv").c_str());
    EXPECT_EQ(current.searchCount * 100 + current.maxRegionCells + current.searchLevel * 1000000,
              4025020);
}

// A request the search cannot take is refused on "Okay" with the dialog left
// open, the typed numbers and the chosen file still in it.
TEST_F(DialogsTest, ARegionRequestTheSearchCannotTakeIsRefusedInsideTheDialog) {
    csv("r.csv");
    for (const char* maximum : {"99", "82", "999999999999"}) {
        regions(kDialogOkay, [&](FakeDialog& d) {
            d.type(kMaxRegionCellsFieldId, maximum);
            d.click(kDialogOkay);
            EXPECT_FALSE(d.ended());
            EXPECT_EQ(d.text(kMaxRegionCellsFieldId), maximum);
            EXPECT_EQ(d.text(kCsvFileNameTextId), "selected : r.csv");
            ASSERT_EQ(desktop.messageBoxes().back().text, "the maximum must not exceed 81 cells");
            EXPECT_EQ(desktop.messageBoxes().back().title, "alert");
            d.type(kMaxRegionCellsFieldId, "81");
            d.click(kDialogOkay);
        });
    }
    EXPECT_EQ(current.maxRegionCells, 81);
}

TEST_F(DialogsTest, ArrowsStepWithinTheirBoundsAfterReadingWhatWasTyped) {
    csv("r.csv");
    const int count = kSearchCountFieldId, cells = kMaxRegionCellsFieldId;
    // clang-format off
    const struct { int field; const char* typed; bool up; const char* shown; } cases[] = {
        {count, "1000", true, "1000"}, {count, "950", true, "1050"}, {count, "100", false, "100"},
        {count, "150x", false, "50"}, {cells, "36", true, "36"}, {cells, "35", true, "36"},
        {cells, "4", false, "4"}};
    // clang-format on
    regions(kDialogCancel, [&](FakeDialog& d) {
        for (const auto& c : cases) {
            const int arrows = c.field == count ? kSearchCountArrowsId : kMaxRegionCellsArrowsId;
            d.type(c.field, c.typed);
            d.press(arrows, c.up ? -1 : +1);
            EXPECT_EQ(d.text(c.field), c.shown) << c.typed;
        }
    });
}

TEST_F(DialogsTest, ASerialNumberIsTakenOnlyWhenItPassesAndStaysAsTypedWhenRefused) {
    const char* const kFirst = "found the first serial number that's illegal";
    const char* const kRange = "found an illegal serial number out of range";
    // clang-format off
    const struct { int part; const char* typed; const char* refusal; } cases[] = {
        {0, "0x75BCD14", kFirst}, {0, "3ADE68B2", kFirst} /* 987654322 */, {1, "1FFFFFFF", kRange},
        {2, "0x10000000", kRange}, {1, " 20000008", nullptr}};  // accepted, parts 2 and 3 at bounds
    // clang-format on
    for (const auto& c : cases) {
        const size_t shown = desktop.messageBoxes().size();
        recreate(c.refusal ? kDialogCancel : kDialogOkay, [&](FakeDialog& d) {
            EXPECT_EQ(d.text(kFirstSerialFieldId + 2), "0xFFFFFFF");
            d.type(kFirstSerialFieldId + c.part, c.typed);
            d.click(kDialogOkay);
            EXPECT_EQ(d.ended(), c.refusal == nullptr);
            EXPECT_EQ(d.text(kFirstSerialFieldId + c.part), c.typed);
        });
        const auto boxes = desktop.messageBoxes();
        EXPECT_EQ(boxes.size() == shown ? "" : boxes.back().text, c.refusal ? c.refusal : "");
    }
    EXPECT_EQ(current.recreateSerial[1], 0x20000008u);
}

TEST_F(DialogsTest, SerialArrowsReadEveryFieldAndStopAtTheBoundsOfTheirPart) {
    recreate(kDialogCancel, [&](FakeDialog& d) {
        d.type(kFirstSerialFieldId + 3, "abc");
        d.press(kFirstSerialArrowsId + 2, -1);  // part 3 at its highest: stays
        d.press(kFirstSerialArrowsId + 1, +1);  // part 2 at its lowest: stays
        d.press(kFirstSerialArrowsId + 3, -1);
        EXPECT_EQ(d.text(kFirstSerialFieldId + 2), "0xFFFFFFF");
        EXPECT_EQ(d.text(kFirstSerialFieldId + 1), "0x20000000");
        EXPECT_EQ(d.text(kFirstSerialFieldId + 3), "0xABD");
    });
}

}  // namespace
}  // namespace ga
