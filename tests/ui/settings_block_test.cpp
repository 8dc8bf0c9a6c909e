#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "ui/settings.h"

namespace ga {
namespace {

Settings validSettings() {
    Settings s;
    setDefaultSettings(s);
    s.menuMode = 4;
    std::strcpy(s.fileName, "puzzle.ga");
    s.windowRect = {-1200, 40, -700, 640};  // a screen left of the primary one
    s.windowWidth = 500;
    s.windowHeight = 600;
    return s;
}

bool sameBytes(const Settings& a, const Settings& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool allZero(const char (&text)[kSettingsTextBytes]) {
    for (char c : text)
        if (c != 0) return false;
    return true;
}

TEST(SetDefaultSettings, WritesTheDefaultsAndLeavesEveryOtherByte) {
    Settings s;
    std::memset(static_cast<void*>(&s), 0x5A, sizeof s);
    setDefaultSettings(s);

    EXPECT_EQ(s.reflectToCurrent, 1);
    EXPECT_EQ(s.saveRegionDefaults | s.saveSerialDefaults | s.neverConfirmSave, 0);
    EXPECT_EQ(s.checkBeforeSolve, 0);
    EXPECT_EQ(s.expressMode, 1);
    EXPECT_EQ(s.level, 4);
    EXPECT_EQ(s.searchLevel, 2);
    EXPECT_EQ(s.searchCount, 1000);
    EXPECT_EQ(s.maxRegionCells, 16);
    const uint32_t serial[] = {123456789, 0x20000000, 0x0FFFFFFF, 0x0FFFFFFF, 0x0FFFFFFF};
    EXPECT_EQ(std::memcmp(s.recreateSerial, serial, sizeof serial), 0);
    EXPECT_TRUE(allZero(s.csvPath));

    // Geometry, reserved areas and the working fields have no default.
    const auto* bytes = reinterpret_cast<const unsigned char*>(&s);
    for (int at = 0; at < 84; ++at) ASSERT_EQ(bytes[at], 0x5A) << at;
    for (int at = 96; at < 376; ++at) ASSERT_EQ(bytes[at], 0x5A) << at;
}

TEST(RepairSettings, ReplacesExactlyTheValuesOutsideTheirRanges) {
    struct {
        int32_t Settings::*field;
        int32_t value, expected;  // expected == value: in range, kept
    } const cases[] = {
        {&Settings::level, 8, 4},
        {&Settings::level, -1, 4},
        {&Settings::level, 7, 7},
        {&Settings::expressMode, 3, 1},
        {&Settings::expressMode, 2, 2},
        {&Settings::searchLevel, 5, 2},
        {&Settings::searchLevel, 4, 4},
        {&Settings::searchCount, -1, 1000},
        {&Settings::searchCount, 0, 0},
        {&Settings::maxRegionCells, 82, 16},
        {&Settings::maxRegionCells, 81, 81},
        {&Settings::reflectToCurrent, 2, 1},
        {&Settings::neverConfirmSave, -1, 0},
        {&Settings::saveSerialDefaults, 7, 0},
        {&Settings::menuMode, 3, 0},
        {&Settings::menuMode, 32, 32},
        {&Settings::menuModeBeforeHandBuild, 64, 0},
        {&Settings::modified, 2, 0},
        {&Settings::candidateDepth, 3, 0},
        {&Settings::statusCode, 18, 0},
        {&Settings::statusCode, 17, 17},
        {&Settings::statusCode, 37, 37},
        {&Settings::statusCode, 38, 0},
    };
    for (const auto& c : cases) {
        Settings s = validSettings();
        Settings expected = s;
        s.*c.field = c.value;
        expected.*c.field = c.expected;
        EXPECT_EQ(repairSettings(s), c.value != c.expected) << c.value;
        EXPECT_TRUE(sameBytes(s, expected)) << c.value;
    }
}

TEST(RepairSettings, EmptiesUnterminatedTextsAndResetsImpossibleGeometry) {
    Settings s = validSettings();
    std::memset(s.fileName, 'f', sizeof s.fileName);
    std::memset(s.csvPath, 'c', sizeof s.csvPath - 1);  // terminated in its last byte: kept
    s.windowRect.right = 40000;
    EXPECT_TRUE(repairSettings(s));
    EXPECT_TRUE(allZero(s.fileName));
    EXPECT_EQ(s.csvPath[258], 'c');
    EXPECT_EQ(s.windowWidth | s.windowHeight | s.windowRect.left | s.windowRect.top, 0);
}

TEST(ApplyPendingDefaults, CarriesOnlyTheTickedChoicesAndNeverTheCsvPath) {
    struct {
        int32_t saveRegion, saveSerial;
        bool regionCarried, serialCarried;
    } const cases[] = {{1, 0, true, false}, {0, 1, false, true}, {2, 2, false, false}};
    for (const auto& c : cases) {
        Settings defaults = validSettings();
        std::memset(defaults.csvPath, 'x', sizeof defaults.csvPath - 1);
        Settings current = defaults;
        std::strcpy(current.csvPath, "results/regions.csv");
        current.searchLevel = 0;
        current.searchCount = 300;
        current.maxRegionCells = 20;
        current.recreateSerial[0] = 987654321;
        current.saveRegionDefaults = c.saveRegion;
        current.saveSerialDefaults = c.saveSerial;

        applyPendingDefaults(defaults, current);

        using Search = std::array<int32_t, 3>;
        const Search expected = c.regionCarried ? Search{0, 300, 20} : Search{2, 1000, 16};
        EXPECT_EQ((Search{defaults.searchLevel, defaults.searchCount, defaults.maxRegionCells}),
                  expected);
        EXPECT_EQ(allZero(defaults.csvPath), c.regionCarried);
        EXPECT_STREQ(current.csvPath, "results/regions.csv");
        EXPECT_EQ(current.saveRegionDefaults, c.regionCarried ? 0 : c.saveRegion);
        EXPECT_EQ(defaults.recreateSerial[0], c.serialCarried ? 987654321u : 123456789u);
        EXPECT_EQ(current.saveSerialDefaults, c.serialCarried ? 0 : c.saveSerial);
    }
}

}  // namespace
}  // namespace ga
