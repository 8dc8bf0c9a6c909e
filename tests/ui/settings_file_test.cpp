// The settings file: its bytes, what a damaged file becomes, and where the
// window opens.
#include "ui/settings_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"

namespace ga {
namespace {

namespace fs = std::filesystem;

uint32_t int32At(const std::string& bytes, int offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

SettingsFile sampleFile() {
    SettingsFile file;
    for (int i = 0; i < kSettingsHeadBytes; ++i)
        file.reserved[i] = static_cast<unsigned char>(i + 1);
    Settings& s = file.settings;
    setDefaultSettings(s);
    std::memset(s.reservedAt20, 0xEE, sizeof s.reservedAt20);
    s.windowRect = {-1200, 240, -700, 840};  // a screen left of the primary one
    s.windowWidth = 500;
    s.menuMode = 8;
    std::strcpy(s.fileName, "saved.ga");
    s.level = 6;
    std::strcpy(s.csvPath, "/data/regions.csv");
    s.recreateSerial[4] = 0x0ABCDEF;
    return file;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string path() const { return dir / "gridAtelier.par"; }
    testing::ScratchDir dir;
};

TEST_F(SettingsFileTest, FieldsSitAtTheirOffsetsAndAFileReadsBackByteForByte) {
    ASSERT_TRUE(writeSettingsFile(path(), sampleFile()));
    const std::string bytes = testing::readFile(path());
    ASSERT_EQ(bytes.size(), 696u);
    // clang-format off
    const struct { int offset; uint32_t value; } fields[] = {
        {0, 0x04030201}, {32, 0xEEEEEEEE}, {48, static_cast<uint32_t>(-1200)}, {60, 840}, {80, 500},
        {96, 1}, {108, 8}, {388, 1}, {392, 6}, {664, 2}, {668, 1000}, {672, 16}, {676, 123456789},
        {692, 0x0ABCDEF}};
    // clang-format on
    for (const auto& f : fields) EXPECT_EQ(int32At(bytes, f.offset), f.value) << f.offset;
    EXPECT_STREQ(bytes.c_str() + 120, "saved.ga");
    EXPECT_STREQ(bytes.c_str() + 404, "/data/regions.csv");

    SettingsFile back;
    ASSERT_TRUE(readSettings({path(), ""}, back));
    ASSERT_TRUE(writeSettingsFile(dir / "again.par", back));
    EXPECT_EQ(testing::readFile(dir / "again.par"), bytes);

    // A file of another length, or a folder, counts as none.
    for (int size : {697, 695, 0, -1}) {
        fs::remove(path());
        ASSERT_TRUE(size < 0 ? fs::create_directory(path())
                             : writeSettingsFile(path(), sampleFile()));
        if (size >= 0) fs::resize_file(path(), size);
        SettingsFile file = sampleFile();
        EXPECT_FALSE(readSettings({path(), ""}, file)) << size;
        EXPECT_EQ(file.settings.level, 0) << size;
    }
}

// Every field a dialog shows keeps to that dialog's range; anything else takes
// its default, while the values at the very ends of a range are kept.
TEST(RepairSettings, GivesEveryFieldOutsideItsRangeItsDefault) {
    using S = Settings;
    // clang-format off
    // repaired == value: kept
    const struct { int32_t S::*field; int32_t value, repaired; } fields[] = {
        {&S::level, 8, 4}, {&S::level, 7, 7}, {&S::expressMode, 3, 1}, {&S::expressMode, -1, 1},
        {&S::searchLevel, 5, 2}, {&S::searchLevel, 4, 4}, {&S::searchCount, 1189017989, 1000},
        {&S::searchCount, 99, 1000}, {&S::searchCount, 100, 100}, {&S::searchCount, 1000, 1000},
        {&S::maxRegionCells, 37, 16}, {&S::maxRegionCells, 3, 16}, {&S::maxRegionCells, 4, 4},
        {&S::maxRegionCells, 36, 36}, {&S::reflectToCurrent, 2, 1}, {&S::neverConfirmSave, -1, 0},
        {&S::saveSerialDefaults, 7, 0}, {&S::menuMode, 3, 0}, {&S::menuMode, 32, 32},
        {&S::statusCode, 18, 0}, {&S::statusCode, 37, 37}};
    const struct { int part; uint32_t value, repaired; } parts[] = {
        {0, 123456788, 123456789}, {0, 987654322, 123456789}, {1, 0x1FFFFFFF, 0x20000000},
        {1, 0xE0000000, 0x20000000}, {2, 0x10000000, 0x0FFFFFFF}, {4, 0x0FFFFFFF, 0x0FFFFFFF}};
    // clang-format on
    for (const auto& f : fields) {
        Settings s = sampleFile().settings, expected = s;
        s.*f.field = f.value;
        expected.*f.field = f.repaired;
        EXPECT_EQ(repairSettings(s), f.value != f.repaired) << f.value;
        EXPECT_EQ(std::memcmp(&s, &expected, sizeof s), 0) << f.value;
    }
    for (const auto& p : parts) {
        Settings s = sampleFile().settings;
        s.recreateSerial[p.part] = p.value;
        repairSettings(s);
        EXPECT_EQ(s.recreateSerial[p.part], p.repaired) << p.part << ' ' << p.value;
    }
    Settings s = sampleFile().settings;
    std::memset(s.fileName, 'f', sizeof s.fileName);
    s.windowRect.right = 40000;
    EXPECT_TRUE(repairSettings(s));
    EXPECT_EQ(s.fileName[0], '\0');
    EXPECT_EQ(s.windowWidth | s.windowRect.left, 0) << "measured and centred again";
}

// Centred at the first start; at the next start where it was closed, even on
// a screen left of the primary one.
TEST_F(SettingsFileTest, TheWindowOpensWhereItWasClosed) {
    const SettingsPlace place{path(), ""};
    FakeDesktop desktop;
    desktop.setWindowRect({0, 0, 500, 600});
    desktop.setScreenSize(1920, 1080);
    SettingsFile file;
    setDefaultSettings(file.settings);
    Settings current;
    ASSERT_EQ(writeSettingsAtStart(desktop, place, file, current), 0);
    desktop.setWindowRect({-900, 25, -400, 625});
    ASSERT_EQ(writeSettingsAtExit(desktop, place, file), 0);
    ASSERT_TRUE(readSettings(place, file));
    ASSERT_EQ(writeSettingsAtStart(desktop, place, file, current), 0);
    EXPECT_EQ(
        desktop.logStartingWith("moveWindow"),
        (std::vector<std::string>{"moveWindow 710 240 500 600", "moveWindow -900 25 500 600"}));
}

TEST(SettingsFolder, FollowsTheConfigFolderOrHomeAndNeverARelativePath) {
    EXPECT_EQ(userSettingsFolder("/cfg//", "/home/p"), "/cfg/gridAtelier/");
    EXPECT_EQ(userSettingsFolder(nullptr, "/home/p/"), "/home/p/.config/gridAtelier/");
    EXPECT_EQ(userSettingsFolder("relative", "/home/p"), "/home/p/.config/gridAtelier/");
    EXPECT_EQ(userSettingsFolder("", "relative"), "");
    EXPECT_EQ(userSettingsFolder(nullptr, nullptr), "");
}

}  // namespace
}  // namespace ga
