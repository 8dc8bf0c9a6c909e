#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "platform/fake_desktop.h"
#include "ui/about_dialog.h"
#include "ui/default_settings_dialog.h"
#include "ui/exit_dialog.h"
#include "ui/record_regions_dialog.h"
#include "ui/recreate_dialog.h"
#include "ui/settings.h"

namespace ga {
namespace {

namespace fs = std::filesystem;

const std::string& textOf(const FakeDialog& d, int id) {
    return d.control(id)->text;
}

TEST(DialogTemplates, IdsAreUniqueAndEveryUpDownStepsAnEditFieldOfItsOwn) {
    for (const DialogTemplate& t : {defaultSettingsTemplate(), aboutTemplate(), exitTemplate(),
                                    recordRegionsTemplate(), recreateTemplate()}) {
        std::map<int, DialogControlKind> kinds;
        std::set<int> buddies;
        for (const DialogControl& c : t.controls) {
            EXPECT_TRUE(c.id == kNoControlId || kinds.emplace(c.id, c.kind).second) << c.id;
        }
        for (const DialogControl& c : t.controls) {
            if (c.kind != DialogControlKind::kUpDown) continue;
            EXPECT_TRUE(buddies.insert(c.buddy).second) << c.id;
            EXPECT_EQ(kinds[c.buddy], DialogControlKind::kEditField) << c.id;
        }
    }
}

// --- default settings ---------------------------------------------------------

class DefaultSettingsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        setDefaultSettings(defaults);
        setDefaultSettings(current);
        defaults.expressMode = 2;
        defaults.level = 5;
        defaults.neverConfirmSave = 1;
        current.reflectToCurrent = 0;
        current.expressMode = 0;
        current.level = 1;
    }
    int run() { return runDefaultSettingsDialog(desktop, defaults, current); }

    FakeDesktop desktop;
    Settings defaults, current;
};

TEST_F(DefaultSettingsDialog, OpensOnTheStoredChoicesAndOkayStoresOnlyIntoItsFields) {
    desktop.onDialog([](FakeDialog& d) {
        EXPECT_EQ(d.control(kExpressModeListId)->items.size(), 3u);
        EXPECT_EQ(d.control(kNewPuzzleLevelListId)->items.size(), 7u);
        EXPECT_EQ(d.selection(kExpressModeListId), 2);
        EXPECT_EQ(d.selection(kNewPuzzleLevelListId), 5);
        EXPECT_TRUE(d.checked(kNeverConfirmSaveBoxId));
        EXPECT_FALSE(d.checked(kReflectToCurrentBoxId));
        d.choose(kExpressModeListId, 0);
        d.choose(kNewPuzzleLevelListId, 6);
        d.click(kNeverConfirmSaveBoxId);
        d.click(kReflectToCurrentBoxId);
        d.pressEnter();
    });
    const Settings before = current;
    EXPECT_EQ(run(), kDialogOkay);
    EXPECT_EQ(defaults.expressMode, 0);
    EXPECT_EQ(defaults.level, 6);
    EXPECT_EQ(defaults.neverConfirmSave, 0);
    EXPECT_EQ(defaults.reflectToCurrent, 1);  // untouched: the check lives in current
    EXPECT_EQ(current.reflectToCurrent, 1);
    EXPECT_EQ(current.expressMode, before.expressMode);  // applying is the window's job
    EXPECT_EQ(current.level, before.level);
}

TEST_F(DefaultSettingsDialog, CancelAndCloseBoxStoreNothing) {
    for (bool viaCloseBox : {false, true}) {
        desktop.onDialog([viaCloseBox](FakeDialog& d) {
            d.choose(kExpressModeListId, 0);
            d.click(kNeverConfirmSaveBoxId);
            d.click(kReflectToCurrentBoxId);
            viaCloseBox ? d.close() : d.click(kDialogCancel);
        });
        const Settings d0 = defaults, c0 = current;
        EXPECT_EQ(run(), kDialogCancel);
        EXPECT_EQ(std::memcmp(&d0, &defaults, sizeof d0), 0);
        EXPECT_EQ(std::memcmp(&c0, &current, sizeof c0), 0);
    }
}

TEST_F(DefaultSettingsDialog, ValuesWithoutAnEntryAreNeverStoredOutOfRange) {
    defaults.level = 7;        // a valid class the list does not offer
    defaults.expressMode = 9;  // damaged
    desktop.onDialog([](FakeDialog& d) {
        EXPECT_EQ(d.selection(kExpressModeListId), -1);
        EXPECT_EQ(d.selection(kNewPuzzleLevelListId), -1);
        d.click(kDialogOkay);
    });
    EXPECT_EQ(run(), kDialogOkay);
    EXPECT_EQ(defaults.level, 7);
    EXPECT_EQ(defaults.expressMode, 1);  // what the settings reader repairs it to
}

// --- about and exit ---------------------------------------------------------------

TEST(AboutAndExitDialogs, EnterEndsWithOkayCancelAndTheCloseBoxWithCancel) {
    const std::string line = aboutLine();
    const std::string prefix = "gridAtelier ver. ";
    EXPECT_EQ(line.rfind(prefix, 0), 0u);
    EXPECT_EQ(line.find_first_not_of("0123456789.", prefix.size()), std::string::npos) << line;

    FakeDesktop desktop;
    int linesShown = 0;
    for (int (*run)(Desktop&) : {runAboutDialog, runExitDialog}) {
        desktop.onDialog([&](FakeDialog& d) {
            if (d.control(kAboutLineFieldId) != nullptr) {
                EXPECT_EQ(textOf(d, kAboutLineFieldId), line);
                ++linesShown;
            }
            d.pressEnter();
        });
        EXPECT_EQ(run(desktop), kDialogOkay);
        desktop.onDialog([](FakeDialog& d) { d.close(); });
        EXPECT_EQ(run(desktop), kDialogCancel);
    }
    desktop.onDialog([](FakeDialog& d) { d.click(kDialogCancel); });
    EXPECT_EQ(runExitDialog(desktop), kDialogCancel);
    EXPECT_EQ(desktop.dialogsRun(), (std::vector<int>{106, 106, 107, 107, 107}));
    EXPECT_EQ(linesShown, 1);  // in About only
}

// --- record regions ---------------------------------------------------------------

const int kRecordControls[] = {kDialogOkay,          kSearchLevelListId,
                               kSearchCountFieldId,  kMaxRegionCellsFieldId,
                               kSearchCountArrowsId, kMaxRegionCellsArrowsId};

class RecordRegionsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        setDefaultSettings(current);
        std::string pattern = ::testing::TempDir() + "ga-dialogs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string makeFile(const std::string& name) {
        const std::string path = (fs::path(folder) / name).string();
        std::ofstream(path) << "x";
        return path;
    }
    void storePath(const std::string& path) {
        ASSERT_LT(path.size(), sizeof current.csvPath);
        std::strcpy(current.csvPath, path.c_str());
    }
    int run() { return runRecordRegionsDialog(desktop, current, workingPath); }

    FakeDesktop desktop;
    Settings current;
    std::string workingPath;
    std::string folder;
};

TEST_F(RecordRegionsDialog, WithoutAFileShowsNoFileAndOffersOnlyChoosingOne) {
    desktop.onDialog([](FakeDialog& d) {
        EXPECT_EQ(textOf(d, kCsvFileNameTextId), "selected : no file");
        for (int id : kRecordControls) EXPECT_FALSE(d.isEnabled(id)) << id;
        EXPECT_TRUE(d.isEnabled(kCsvFileButtonId));
        EXPECT_TRUE(d.isEnabled(kSaveRegionDefaultsBoxId));
        EXPECT_EQ(d.selection(kSearchLevelListId), 2);
        EXPECT_EQ(d.control(kSearchLevelListId)->items.size(), 5u);
        EXPECT_EQ(textOf(d, kSearchCountFieldId), "1000");
        EXPECT_EQ(textOf(d, kMaxRegionCellsFieldId), "16");
        EXPECT_EQ(d.control(kSearchCountFieldId)->textLimit, 5);
        EXPECT_EQ(d.control(kMaxRegionCellsFieldId)->textLimit, 0);
        EXPECT_FALSE(d.pressEnter());
    });
    const Settings before = current;
    EXPECT_EQ(run(), kDialogCancel);
    EXPECT_EQ(std::memcmp(&before, &current, sizeof before), 0);
}

TEST_F(RecordRegionsDialog, OnlyAnExistingLowerCaseCsvFileIsOfferedAndOnlyOkayStores) {
    for (const std::string& path : {makeFile("upper.CSV"), makeFile("plain.txt"),
                                    (fs::path(folder) / "missing.csv").string(), folder}) {
        SCOPED_TRACE(path);
        storePath(path);
        desktop.onDialog([](FakeDialog& d) {
            EXPECT_EQ(textOf(d, kCsvFileNameTextId), "selected : no file");
            EXPECT_FALSE(d.isEnabled(kDialogOkay));
        });
        EXPECT_EQ(run(), kDialogCancel);
    }

    const std::string offered = makeFile("regions.csv");
    storePath(offered);
    desktop.onDialog([](FakeDialog& d) {
        d.type(kSearchCountFieldId, "300");
        d.pressUp(kMaxRegionCellsArrowsId);
        d.choose(kSearchLevelListId, 0);
        d.click(kSaveRegionDefaultsBoxId);
        d.click(kDialogCancel);
    });
    const Settings before = current;
    EXPECT_EQ(run(), kDialogCancel);
    EXPECT_EQ(std::memcmp(&before, &current, sizeof before), 0);

    desktop.onDialog([](FakeDialog& d) {
        EXPECT_EQ(textOf(d, kCsvFileNameTextId), "selected : regions.csv");
        for (int id : kRecordControls) EXPECT_TRUE(d.isEnabled(id)) << id;
        d.choose(kSearchLevelListId, 4);
        d.click(kSaveRegionDefaultsBoxId);
        d.pressEnter();
    });
    EXPECT_EQ(run(), kDialogOkay);
    EXPECT_EQ(workingPath, offered);
    EXPECT_EQ(std::string(current.csvPath), offered);
    EXPECT_EQ(current.searchLevel, 4);
    EXPECT_EQ(current.saveRegionDefaults, 1);
}

TEST_F(RecordRegionsDialog, ChoosingAFileEnablesTheSearchAndOkayStoresTheFullPathAndValues) {
    workingPath = "earlier/choice.csv";
    const std::string chosen = (fs::path(folder) / "new.csv").string();
    desktop.onFileDialog([&](const FileDialogRequest&, std::string& path) {
        path = chosen;
        return true;
    });
    desktop.onDialog([](FakeDialog& d) {
        d.click(kCsvFileButtonId);
        EXPECT_EQ(textOf(d, kCsvFileNameTextId), "selected : new.csv");
        for (int id : kRecordControls) EXPECT_TRUE(d.isEnabled(id)) << id;
        d.type(kSearchCountFieldId, "250x");
        d.type(kMaxRegionCellsFieldId, "99999999999");  // stored as typed, cut to 9 digits
        d.click(kDialogOkay);
    });
    EXPECT_EQ(run(), kDialogOkay);

    const std::vector<FileDialogRequest> asked = desktop.fileDialogs();
    ASSERT_EQ(asked.size(), 1u);
    const FileDialogRequest& r = asked[0];
    EXPECT_TRUE(r.purpose == FileDialogRequest::Purpose::kSave && r.title == "save file as ..." &&
                r.defaultExtension == "csv" && r.proposedPath == "earlier/choice.csv");
    ASSERT_EQ(r.filters.size(), 2u);
    EXPECT_EQ(r.filters[0].name + r.filters[0].pattern, "csv file (*.csv)*.csv");
    EXPECT_EQ(r.filters[1].name + r.filters[1].pattern, "all files (*.*)*.*");

    EXPECT_EQ(std::string(current.csvPath), chosen);
    EXPECT_EQ(workingPath, chosen);
    EXPECT_EQ(current.searchCount, 250);
    EXPECT_EQ(current.maxRegionCells, 999999999);
}

TEST_F(RecordRegionsDialog, ACancelledOrUnstorableChoiceChangesNothing) {
    desktop.onDialog([](FakeDialog& d) {
        d.click(kCsvFileButtonId);  // the file dialog is cancelled by default
        EXPECT_FALSE(d.isEnabled(kDialogOkay));
    });
    EXPECT_EQ(run(), kDialogCancel);
    EXPECT_TRUE(desktop.messageBoxes().empty());

    desktop.onFileDialog([](const FileDialogRequest&, std::string& path) {
        path = std::string(kSettingsTextBytes - 4, 'a') + ".csv";  // no room for the NUL
        return true;
    });
    desktop.onDialog([](FakeDialog& d) {
        d.click(kCsvFileButtonId);
        EXPECT_FALSE(d.isEnabled(kDialogOkay));
        EXPECT_EQ(textOf(d, kCsvFileNameTextId), "selected : no file");
    });
    EXPECT_EQ(run(), kDialogCancel);
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(desktop.messageBoxes()[0].title, "error");
    EXPECT_EQ(workingPath, "");
}

TEST_F(RecordRegionsDialog, ArrowsStepWithinTheirBoundsAfterReadingWhatWasTyped) {
    storePath(makeFile("r.csv"));
    desktop.onDialog([](FakeDialog& d) {
        auto after = [&d](int field, const char* typed, int arrows, bool up) {
            d.type(field, typed);
            up ? d.pressUp(arrows) : d.pressDown(arrows);
            return textOf(d, field);
        };
        const int count = kSearchCountFieldId, countArrows = kSearchCountArrowsId;
        const int cells = kMaxRegionCellsFieldId, cellArrows = kMaxRegionCellsArrowsId;
        EXPECT_EQ(after(count, "1000", countArrows, true), "1000");
        EXPECT_EQ(after(count, "100", countArrows, false), "100");
        EXPECT_EQ(after(count, "950", countArrows, true), "1050");  // bound tested first
        EXPECT_EQ(after(count, "150", countArrows, false), "50");
        EXPECT_EQ(after(count, "500", countArrows, true), "600");
        EXPECT_EQ(after(count, "7zz", countArrows, false), "7");  // below: stays, rewritten
        EXPECT_EQ(after(cells, "36", cellArrows, true), "36");
        EXPECT_EQ(after(cells, "4", cellArrows, false), "4");
        EXPECT_EQ(after(cells, "10", cellArrows, true), "11");
        EXPECT_EQ(after(cells, "", cellArrows, true), "1");
        EXPECT_EQ(textOf(d, count), "7");  // the other field is left as it was
        d.click(kDialogOkay);
    });
    EXPECT_EQ(run(), kDialogOkay);
    EXPECT_EQ(current.searchCount, 7);
    EXPECT_EQ(current.maxRegionCells, 1);
}

// --- recreate ---------------------------------------------------------------------

TEST(ReadHexPart, ReadsLikeAnUnsignedHexConversionThatSaturates) {
    EXPECT_EQ(readHexPart(""), 0u);
    EXPECT_EQ(readHexPart("0x"), 0u);
    EXPECT_EQ(readHexPart("xyz"), 0u);
    EXPECT_EQ(readHexPart("-1"), 0u);
    EXPECT_EQ(readHexPart("0X1f"), 0x1Fu);
    EXPECT_EQ(readHexPart(" \t0x75BCD15"), 0x75BCD15u);
    EXPECT_EQ(readHexPart("ff"), 0xFFu);
    EXPECT_EQ(readHexPart("12g4"), 0x12u);
    EXPECT_EQ(readHexPart("0x 12"), 0u);
    EXPECT_EQ(readHexPart("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(readHexPart("0000000000DFFFFFFF"), 0xDFFFFFFFu);  // leading zeros are free
    EXPECT_EQ(readHexPart("100000000"), 0xFFFFFFFFu);
    EXPECT_EQ(readHexPart(std::string(200, '9')), 0xFFFFFFFFu);
}

class RecreateDialog : public ::testing::Test {
  protected:
    void SetUp() override { setDefaultSettings(current); }
    int run() { return runRecreateDialog(desktop, current); }
    FakeDesktop desktop;
    Settings current;
};

const char* const kDefaultParts[kSerialParts] = {"0x75BCD15", "0x20000000", "0xFFFFFFF",
                                                 "0xFFFFFFF", "0xFFFFFFF"};
const std::string kIllegal = "found the first serial number that's illegal";
const std::string kOutOfRange = "found an illegal serial number out of range";

TEST_F(RecreateDialog, ShowsTheStoredPartsInHexAndTakesThemOnOkay) {
    desktop.onDialog([](FakeDialog& d) {
        for (int part = 0; part < kSerialParts; ++part) {
            EXPECT_EQ(textOf(d, kFirstSerialFieldId + part), kDefaultParts[part]);
            EXPECT_EQ(d.control(kFirstSerialFieldId + part)->textLimit, 10);
        }
        EXPECT_FALSE(d.checked(kSaveSerialDefaultsBoxId));
        d.type(kFirstSerialFieldId + 2, "0x123");
        d.click(kSaveSerialDefaultsBoxId);
        d.pressEnter();
    });
    EXPECT_EQ(run(), kDialogOkay);
    EXPECT_TRUE(desktop.messageBoxes().empty());
    EXPECT_EQ(current.recreateSerial[0], 123456789u);
    EXPECT_EQ(current.recreateSerial[2], 0x123u);
    EXPECT_EQ(current.saveSerialDefaults, 1);
}

TEST_F(RecreateDialog, RefusalsNameTheFirstFaultAndKeepTheDialogOpenWithWhatWasTyped) {
    struct Case {
        int part;
        std::string typed;
        std::string message;
    };
    const Case cases[] = {
        {0, "0x75BCD14", kIllegal},      // 123456788: a digit twice
        {0, "0x3ADE68B2", kIllegal},     // 987654322
        {0, "0x42F697D4", kIllegal},     // 1123456980: a zero among the nine low digits
        {0, "0x42F69715", kOutOfRange},  // 1123456789: a permutation, but too large
        {1, "0x1FFFFFFF", kOutOfRange}, {1, "0xE0000000", kOutOfRange},
        {4, "0x10000000", kOutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        FakeDesktop fresh;
        Settings stored = current;
        fresh.onDialog([&](FakeDialog& d) {
            d.type(kFirstSerialFieldId + c.part, c.typed);
            d.pressEnter();
            EXPECT_FALSE(d.ended());
            EXPECT_EQ(textOf(d, kFirstSerialFieldId + c.part), c.typed);
            d.type(kFirstSerialFieldId + c.part, kDefaultParts[c.part]);
            d.pressEnter();
            EXPECT_TRUE(d.ended());
        });
        EXPECT_EQ(runRecreateDialog(fresh, stored), kDialogOkay);
        ASSERT_EQ(fresh.messageBoxes().size(), 1u);
        EXPECT_EQ(fresh.messageBoxes()[0].text, c.message);
        EXPECT_EQ(fresh.messageBoxes()[0].title, "alert");
    }
}

TEST_F(RecreateDialog, TheRelabelCheckComesBeforeTheRanges) {
    desktop.onDialog([](FakeDialog& d) {
        d.type(kFirstSerialFieldId + 4, "0xFFFFFFFF");
        d.type(kFirstSerialFieldId, "0x75BCD14");
        d.pressEnter();
        d.type(kFirstSerialFieldId, "0x75BCD15");
        d.pressEnter();
        d.click(kDialogCancel);
    });
    const Settings before = current;
    EXPECT_EQ(run(), kDialogCancel);
    const auto boxes = desktop.messageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text + "|" + boxes[1].text, kIllegal + "|" + kOutOfRange);
    EXPECT_EQ(std::memcmp(&before, &current, sizeof before), 0);
}

TEST_F(RecreateDialog, ArrowsReadEveryFieldAndStopAtTheBoundsOfTheirPart) {
    desktop.onDialog([](FakeDialog& d) {
        auto field = [&d](int part) { return textOf(d, kFirstSerialFieldId + part); };
        d.pressUp(kFirstSerialArrowsId + 2);  // 0xFFFFFFF is the highest
        EXPECT_EQ(field(2), "0xFFFFFFF");
        d.pressDown(kFirstSerialArrowsId + 1);  // 0x20000000 is the lowest
        EXPECT_EQ(field(1), "0x20000000");
        d.pressUp(kFirstSerialArrowsId + 1);
        EXPECT_EQ(field(1), "0x20000001");
        d.type(kFirstSerialFieldId + 3, " 10zz");
        d.pressDown(kFirstSerialArrowsId + 3);
        EXPECT_EQ(field(3), "0xF");
        d.type(kFirstSerialFieldId, "0x75BCD14");
        d.pressUp(kFirstSerialArrowsId);
        EXPECT_EQ(field(0), "0x75BCD15");
        d.type(kFirstSerialFieldId + 4, "1FFFFFFFF");  // saturates: above, so down steps
        d.pressDown(kFirstSerialArrowsId + 4);
        EXPECT_EQ(field(4), "0xFFFFFFFE");
        d.type(kFirstSerialFieldId + 4, "0");
        d.pressEnter();
    });
    EXPECT_EQ(run(), kDialogOkay);
    const uint32_t expected[kSerialParts] = {123456789u, 0x20000001u, 0xFFFFFFFu, 0xFu, 0u};
    for (int part = 0; part < kSerialParts; ++part) {
        EXPECT_EQ(current.recreateSerial[part], expected[part]) << part;
    }
}

}  // namespace
}  // namespace ga
