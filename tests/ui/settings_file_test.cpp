#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/fake_desktop.h"
#include "ui/settings_file.h"

namespace ga {
namespace {

namespace fs = std::filesystem;
using Quad = std::array<int, 4>;

std::vector<std::string> moves(const FakeDesktop& desktop) {
    return desktop.logStartingWith("moveWindow");
}

template <typename Rect>
Quad quadOf(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t int32At(const unsigned char* bytes, int offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

bool sameFile(const SettingsFile& a, const SettingsFile& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

SettingsFile sampleFile() {
    SettingsFile file;
    for (int i = 0; i < kSettingsHeadBytes; ++i)
        file.reserved[i] = static_cast<unsigned char>(i + 1);
    Settings& s = file.settings;
    setDefaultSettings(s);
    std::memset(s.reservedAt20, 0xEE, sizeof s.reservedAt20);
    s.screenWidth = 1920;
    s.windowRect = {710, 240, 1210, 840};
    s.windowWidth = 500;
    s.menuMode = 8;
    s.statusCode = 0x11;
    std::strcpy(s.fileName, "saved.ga");
    s.level = 6;
    std::strcpy(s.csvPath, "/data/regions.csv");
    s.recreateSerial[4] = 0x89ABCDEF;
    return file;
}

TEST(SettingsBytes, EveryFieldSitsAtItsFileOffsetLittleEndian) {
    unsigned char bytes[kSettingsFileBytes];
    encodeSettingsFile(sampleFile(), bytes);
    struct {
        int offset;
        uint32_t value;
    } const fields[] = {{24, 1920},  {48, 710},   {60, 840},        {80, 500},        {96, 1},
                        {108, 8},    {384, 0x11}, {388, 1},         {392, 6},         {664, 2},
                        {668, 1000}, {672, 16},   {676, 123456789}, {692, 0x89ABCDEF}};
    for (const auto& f : fields) EXPECT_EQ(int32At(bytes, f.offset), f.value) << f.offset;
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 120), "saved.ga");
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 404), "/data/regions.csv");
    for (int i = 0; i < kSettingsHeadBytes; ++i) EXPECT_EQ(bytes[i], i + 1) << "reserved head";
    for (int i = 32; i < 48; ++i) EXPECT_EQ(bytes[i], 0xEE) << "reserved in the block";
}

TEST(SettingsBytes, DecodingThenEncodingGivesBackAnyBytes) {
    std::mt19937 random(7);
    unsigned char bytes[kSettingsFileBytes], again[kSettingsFileBytes];
    for (int round = 0; round < 20; ++round) {
        for (unsigned char& byte : bytes) byte = static_cast<unsigned char>(random());
        SettingsFile file;
        decodeSettingsFile(bytes, file);
        encodeSettingsFile(file, again);
        ASSERT_EQ(std::memcmp(bytes, again, sizeof bytes), 0);
    }
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "ga-settings-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern + "/";
        std::ofstream(root + "blocker") << "a file, so no folder can be made under it";
    }
    void TearDown() override {
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_directory())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }
    // A folder that can never be made, whoever runs the tests.
    std::string impossibleFolder() const { return root + "blocker/bin/"; }
    std::size_t entries() const {
        return std::distance(fs::directory_iterator(root), fs::directory_iterator());
    }

    std::string root;
};

TEST_F(SettingsFileTest, AWrittenFileReadsBackAndRewritesByteForByte) {
    const std::string path = root + "gridAtelier.par";
    ASSERT_TRUE(writeSettingsFile(path, sampleFile()));
    EXPECT_EQ(fileBytes(path).size(), 696u);
    SettingsFile read;
    ASSERT_TRUE(readSettings({path, ""}, read));
    EXPECT_TRUE(sameFile(read, sampleFile()));
    ASSERT_TRUE(writeSettingsFile(root + "again.par", read));
    EXPECT_EQ(fileBytes(root + "again.par"), fileBytes(path));
    EXPECT_EQ(entries(), 3u) << "no fresh file is left behind";

    SettingsFile outOfRange = sampleFile();
    outOfRange.settings.level = 99;
    ASSERT_TRUE(writeSettingsFile(path, outOfRange));
    ASSERT_TRUE(readSettings({path, ""}, read));
    EXPECT_EQ(read.settings.level, 4);
}

TEST_F(SettingsFileTest, AFileOfAnyOtherLengthCountsAsNoFile) {
    const std::string path = root + "gridAtelier.par";
    ASSERT_TRUE(writeSettingsFile(path, sampleFile()));
    for (int size : {697, 695, 12, 0}) {
        fs::resize_file(path, size);
        SettingsFile read = sampleFile();
        EXPECT_FALSE(readSettings({path, ""}, read)) << size;
        EXPECT_TRUE(sameFile(read, SettingsFile{})) << size;
    }
    fs::remove(path);
    fs::create_directory(path);
    SettingsFile read;
    EXPECT_FALSE(readSettings({path, ""}, read));
}

TEST_F(SettingsFileTest, TheChosenPlaceWinsAndTheExecutablesFileOnlySeedsIt) {
    SettingsFile shipped = sampleFile(), own = sampleFile();
    shipped.settings.level = 2;
    own.settings.level = 5;
    ASSERT_TRUE(writeSettingsFile(root + "shipped.par", shipped));
    const SettingsPlace place{root + "own.par", root + "shipped.par"};
    SettingsFile read;
    ASSERT_TRUE(readSettings(place, read));
    EXPECT_EQ(read.settings.level, 2);
    ASSERT_TRUE(writeSettingsFile(place.path, own));
    ASSERT_TRUE(readSettings(place, read));
    EXPECT_EQ(read.settings.level, 5);
}

TEST_F(SettingsFileTest, ThePlaceIsTheFirstFolderThatCanBeWritten) {
    SettingsPlace place = chooseSettingsPlace(root, root + "config/gridAtelier/");
    EXPECT_EQ(place.path, root + "gridAtelier.par");
    EXPECT_EQ(entries(), 1u) << "neither the probe nor the user folder is left behind";

    place = chooseSettingsPlace(impossibleFolder(), root + "home/.config/gridAtelier");
    EXPECT_EQ(place.path, root + "home/.config/gridAtelier/gridAtelier.par");
    EXPECT_EQ(place.besideExecutable, impossibleFolder() + "gridAtelier.par");
    EXPECT_EQ(fs::status(root + "home").permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(SettingsFileTest, AReadOnlyExecutableFolderGivesWayToTheUserFolder) {
    const std::string bin = root + "bin/";
    fs::create_directory(bin);
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(bin.c_str(), W_OK) == 0) GTEST_SKIP() << "this user writes into read-only folders";
    EXPECT_EQ(chooseSettingsPlace(bin, root + "cfg/").path, root + "cfg/gridAtelier.par");
}

TEST_F(SettingsFileTest, WhenNoFolderCanBeWrittenTheUserIsToldAtStartAndAtExit) {
    const SettingsPlace place = chooseSettingsPlace(impossibleFolder(), root + "blocker/cfg/");
    EXPECT_EQ(place.path, "");
    FakeDesktop desktop;
    SettingsFile file;
    setDefaultSettings(file.settings);
    Settings current;
    EXPECT_EQ(writeSettingsAtStart(desktop, place, file, current), -1);
    EXPECT_TRUE(moves(desktop).empty());
    EXPECT_EQ(current.level, 0) << "the current Settings are not touched";
    EXPECT_EQ(writeSettingsAtExit(desktop, place, file), -1);
    const std::string box = "messageBox \"failed to open .par file\" \"alert\"";
    EXPECT_EQ(desktop.logStartingWith("messageBox"), (std::vector<std::string>{box, box}));
}

TEST(PlaceWindow, FirstStartsMeasureTheWindowAndCentreItOnEachAxisAtZero) {
    struct {
        ScreenRect window;
        int screenWidth, screenHeight;
        Quad move;  // left, top, width, height
        int storedScreenWidth, storedScreenHeight;
    } const cases[] = {
        {{0, 0, 500, 600}, 1920, 1080, {710, 240, 500, 600}, 1920, 1080},
        // Larger than the screen: the division truncates towards zero.
        {{0, 0, 1001, 603}, 800, 600, {-100, -1, 1001, 603}, 800, 600},
        // Already away from 0 on one axis: that axis stays.
        {{30, 0, 530, 600}, 1920, 1080, {30, 240, 500, 600}, 0, 1080},
    };
    for (const auto& c : cases) {
        FakeDesktop desktop;
        desktop.setWindowRect(c.window);
        desktop.setScreenSize(c.screenWidth, c.screenHeight);
        Settings s;
        placeWindow(desktop, s);
        const Quad m = c.move, placed = {m[0], m[1], m[0] + m[2], m[1] + m[3]};
        EXPECT_EQ(moves(desktop).size(), 1u);
        EXPECT_EQ(quadOf(desktop.shownWindowRect()), placed);
        EXPECT_EQ(quadOf(s.windowRect), placed);
        EXPECT_EQ((Quad{s.windowWidth, s.windowHeight, s.screenWidth, s.screenHeight}),
                  (Quad{m[2], m[3], c.storedScreenWidth, c.storedScreenHeight}));
    }
}

TEST_F(SettingsFileTest, StartWritesBeforePlacingExitKeepsTheRectangleAndTheNextStartUsesIt) {
    const SettingsPlace place = chooseSettingsPlace(root, "");
    FakeDesktop desktop;
    desktop.setWindowRect({0, 0, 500, 600});
    SettingsFile file;
    ASSERT_FALSE(readSettings(place, file));
    setDefaultSettings(file.settings);
    Settings current;
    ASSERT_EQ(writeSettingsAtStart(desktop, place, file, current), 0);
    EXPECT_EQ(int32At(fileBytes(place.path).data(), 80), 0u) << "geometry reaches the file at exit";
    EXPECT_EQ(current.windowWidth, 500);
    EXPECT_EQ(std::memcmp(&current, &file.settings, sizeof current), 0);

    desktop.setWindowRect({-900, 25, -400, 625});
    ASSERT_EQ(writeSettingsAtExit(desktop, place, file), 0);
    const std::vector<unsigned char> bytes = fileBytes(place.path);
    ASSERT_EQ(bytes.size(), 696u);
    EXPECT_EQ(static_cast<int32_t>(int32At(bytes.data(), 48)), -900);
    EXPECT_EQ(int32At(bytes.data(), 60), 625u);
    EXPECT_TRUE(desktop.messageBoxes().empty());

    SettingsFile next;
    ASSERT_TRUE(readSettings(place, next));
    FakeDesktop nextDesktop;
    nextDesktop.setWindowRect({0, 0, 510, 610});
    ASSERT_EQ(writeSettingsAtStart(nextDesktop, place, next, current), 0);
    EXPECT_EQ(moves(nextDesktop), std::vector<std::string>{"moveWindow -900 25 500 600"});
}

TEST(UserSettingsFolder, FollowsTheBaseDirectoryConvention) {
    struct {
        const char *xdg, *home, *folder;
    } const cases[] = {
        {"/x/cfg/", "/home/u", "/x/cfg/gridAtelier/"},
        {nullptr, "/home/u", "/home/u/.config/gridAtelier/"},
        {"", "/home/u/", "/home/u/.config/gridAtelier/"},
        {"relative/cfg", "/home/u", "/home/u/.config/gridAtelier/"},
        {nullptr, nullptr, ""},
        {"cfg", "home", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(userSettingsFolder(c.xdg, c.home), c.folder);
}

}  // namespace
}  // namespace ga
