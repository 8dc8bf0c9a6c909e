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
    void SetUp() override { setDefaultSettings(current); }
    // Plays `script` in the region dialog (or another `run`); true when the
    // current Settings changed.
    bool play(int result, const std::function<void(FakeDialog&)>& script,
              std::function<int()> run = nullptr) {
        const Settings before = current;
        desktop.onDialog(script);
        if (!run) run = [&] { return runRecordRegionsDialog(desktop, current, files); };
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
        EXPECT_FALSE(play(offered ? kDialogOkay : kDialogCancel, [&](FakeDialog& d) {
            EXPECT_EQ(d.text(kCsvFileNameTextId), "selected : " + (offered ? name : "no file"));
            EXPECT_EQ(d.isEnabled(kSearchCountArrowsId), offered);
            EXPECT_EQ(d.pressEnter(), offered) << "Okay is disabled";
        }));
    }
}

TEST_F(DialogsTest, AChosenFileAndTheTypedNumbersAreStoredOnOkay) {
    files.csvWorkingPath = "earlier/choice.csv";
    desktop.onFileDialog([&](const FileDialogRequest& r, std::string& path) {
        EXPECT_EQ(r.title + r.defaultExtension + r.proposedPath,
                  "save file as ...csvearlier/choice.csv");
        path = dir / "new.csv";
        return true;
    });
    EXPECT_TRUE(play(kDialogOkay, [&](FakeDialog& d) {
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
        play(kDialogOkay, [&](FakeDialog& d) {
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
    const struct {
        int field;
        const char* typed;
        bool up;
        const char* shown;
    } cases[] = {{count, "1000", true, "1000"}, {count, "950", true, "1050"},
                 {count, "100", false, "100"},  {count, "150x", false, "50"},
                 {cells, "36", true, "36"},     {cells, "35", true, "36"},
                 {cells, "4", false, "4"}};
    play(kDialogCancel, [&](FakeDialog& d) {
        for (const auto& c : cases) {
            const int arrows = c.field == count ? kSearchCountArrowsId : kMaxRegionCellsArrowsId;
            d.type(c.field, c.typed);
            c.up ? d.pressUp(arrows) : d.pressDown(arrows);
            EXPECT_EQ(d.text(c.field), c.shown) << c.typed;
        }
    });
}

TEST_F(DialogsTest, ASerialNumberIsTakenOnlyWhenItPassesAndStaysAsTypedWhenRefused) {
    const struct {
        int part;
        const char* typed;
        const char* refusal;  // null: accepted
    } cases[] = {
        {0, "0x75BCD14", "found the first serial number that's illegal"},
        {0, "3ADE68B2", "found the first serial number that's illegal"},  // 987654322
        {1, "1FFFFFFF", "found an illegal serial number out of range"},
        {2, "0x10000000", "found an illegal serial number out of range"},
        {1, " 20000008", nullptr},  // with the other parts at their highest or lowest
    };
    for (const auto& c : cases) {
        const size_t shown = desktop.messageBoxes().size();
        play(
            c.refusal ? kDialogCancel : kDialogOkay,
            [&](FakeDialog& d) {
                EXPECT_EQ(d.text(kFirstSerialFieldId + 2), "0xFFFFFFF");
                d.type(kFirstSerialFieldId + c.part, c.typed);
                d.pressEnter();
                EXPECT_EQ(d.ended(), c.refusal == nullptr);
                EXPECT_EQ(d.text(kFirstSerialFieldId + c.part), c.typed);
            },
            [&] { return runRecreateDialog(desktop, current); });
        const auto boxes = desktop.messageBoxes();
        EXPECT_EQ(boxes.size() == shown ? "" : boxes.back().text, c.refusal ? c.refusal : "");
    }
    EXPECT_EQ(current.recreateSerial[1], 0x20000008u);
}

TEST_F(DialogsTest, SerialArrowsReadEveryFieldAndStopAtTheBoundsOfTheirPart) {
    play(
        kDialogCancel,
        [&](FakeDialog& d) {
            d.type(kFirstSerialFieldId + 3, "abc");
            d.pressUp(kFirstSerialArrowsId + 2);    // part 3 at its highest: stays
            d.pressDown(kFirstSerialArrowsId + 1);  // part 2 at its lowest: stays
            d.pressUp(kFirstSerialArrowsId + 3);
            EXPECT_EQ(d.text(kFirstSerialFieldId + 2), "0xFFFFFFF");
            EXPECT_EQ(d.text(kFirstSerialFieldId + 1), "0x20000000");
            EXPECT_EQ(d.text(kFirstSerialFieldId + 3), "0xABD");
        },
        [&] { return runRecreateDialog(desktop, current); });
}

}  // namespace
}  // namespace ga
