// The Settings block: the program's defaults and the window's working state,
// 684 bytes at fixed offsets. It exists twice: the default Settings, read
// from and written to the settings file, and the current Settings, a copy
// taken when the window is created that the running program changes.
//
// The working fields (menuMode .. statusCode) mean something only in the
// current Settings; the default Settings carries them through unchanged so
// that the file keeps what it held. The reserved areas are never interpreted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/puzzle_record.h"

namespace ga {

class Desktop;

constexpr int kSettingsBytes = 684;
constexpr int kSettingsTextBytes = 260;

// The ranges the dialogs offer for the fields they show; a field read from the
// settings file outside its range takes its default (repairSettings). The
// serial parts keep to the ranges of generator/serial.h.
constexpr int kHighestExpressMode = 2;
constexpr int kHighestNewPuzzleLevel = 7;  // stored, though the list offers 0..6
constexpr int kHighestSearchLevel = 4;
constexpr int kLowestSearchCount = 100;
constexpr int kHighestSearchCount = 1000;
constexpr int kSearchCountStep = 100;
constexpr int kLowestRegionCells = 4;
constexpr int kHighestRegionCells = 36;

// Left, top, right, bottom on the screen, in pixels.
struct SettingsRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Every field is zero until read or set: the state of a first start.
struct Settings {
    unsigned char reservedAt0[4] = {};
    unsigned char reservedAt4[8] = {};
    int32_t screenWidth = 0;  // stored when the window was centred
    int32_t screenHeight = 0;
    unsigned char reservedAt20[16] = {};
    SettingsRect windowRect;  // where the window stood when the program last closed
    unsigned char reservedAt52[16] = {};
    int32_t windowWidth = 0;  // the size the window is given; 0 = measure it
    int32_t windowHeight = 0;
    unsigned char reservedAt76[8] = {};
    int32_t reflectToCurrent = 0;                // 0/1: the default-settings dialog's initial check
    int32_t saveRegionDefaults = 0;              // 0/1: the region dialog's "save as default"
    int32_t saveSerialDefaults = 0;              // 0/1: the recreate dialog's "save as default"
    int32_t menuMode = 0;                        // working: 0, 1, 2, 4, 8, 16 or 32
    int32_t modified = 0;                        // working: 0/1
    int32_t menuModeBeforeHandBuild = 0;         // working
    char fileName[kSettingsTextBytes] = {};      // working: NUL-terminated
    int32_t candidateDepth = 0;                  // working: 0 none, 1 shallow, 2 deep
    int32_t statusCode = 0;                      // working: the status message shown
    int32_t expressMode = 0;                     // 0..2
    int32_t level = 0;                           // 0..7, the class of a new puzzle
    int32_t neverConfirmSave = 0;                // 0/1
    int32_t checkBeforeSolve = 0;                // 0/1
    char csvPath[kSettingsTextBytes] = {};       // NUL-terminated
    int32_t searchLevel = 0;                     // 0..4
    int32_t searchCount = 0;                     // Regions to search for
    int32_t maxRegionCells = 0;                  // largest Region recorded
    uint32_t recreateSerial[kSerialParts] = {};  // offered by the recreate dialog
};

static_assert(offsetof(Settings, screenWidth) == 12, "Settings layout");
static_assert(offsetof(Settings, screenHeight) == 16, "Settings layout");
static_assert(offsetof(Settings, windowRect) == 36, "Settings layout");
static_assert(offsetof(Settings, windowWidth) == 68, "Settings layout");
static_assert(offsetof(Settings, windowHeight) == 72, "Settings layout");
static_assert(offsetof(Settings, reflectToCurrent) == 84, "Settings layout");
static_assert(offsetof(Settings, saveRegionDefaults) == 88, "Settings layout");
static_assert(offsetof(Settings, saveSerialDefaults) == 92, "Settings layout");
static_assert(offsetof(Settings, menuMode) == 96, "Settings layout");
static_assert(offsetof(Settings, modified) == 100, "Settings layout");
static_assert(offsetof(Settings, menuModeBeforeHandBuild) == 104, "Settings layout");
static_assert(offsetof(Settings, fileName) == 108, "Settings layout");
static_assert(offsetof(Settings, candidateDepth) == 368, "Settings layout");
static_assert(offsetof(Settings, statusCode) == 372, "Settings layout");
static_assert(offsetof(Settings, expressMode) == 376, "Settings layout");
static_assert(offsetof(Settings, level) == 380, "Settings layout");
static_assert(offsetof(Settings, neverConfirmSave) == 384, "Settings layout");
static_assert(offsetof(Settings, checkBeforeSolve) == 388, "Settings layout");
static_assert(offsetof(Settings, csvPath) == 392, "Settings layout");
static_assert(offsetof(Settings, searchLevel) == 652, "Settings layout");
static_assert(offsetof(Settings, searchCount) == 656, "Settings layout");
static_assert(offsetof(Settings, maxRegionCells) == 660, "Settings layout");
static_assert(offsetof(Settings, recreateSerial) == 664, "Settings layout");
static_assert(sizeof(Settings) == kSettingsBytes, "the Settings block is 684 bytes");
static_assert(std::is_trivially_copyable<Settings>::value, "Settings is copied as a whole");

// Writes the default of every field that has one and leaves the others
// alone: reflectToCurrent 1, expressMode 1 (visible), level 4 (Advanced),
// searchLevel 2, searchCount 1000, maxRegionCells 16, recreateSerial
// 123456789-20000000-FFFFFFF-FFFFFFF-FFFFFFF, the other flags 0 and csvPath
// empty. Used when there is no settings file to read.
void setDefaultSettings(Settings& defaults);

// Carries the dialogs' "save as default" choices into the default Settings
// once the region search or the recreation they were made for has run, and
// clears them in the current Settings. The CSV path is never kept as a
// default: the default one is emptied instead.
void applyPendingDefaults(Settings& defaults, Settings& current);

// A file may have been edited or cut short by other means. Every field
// outside its range (above; the dialogs show no other) is given its default
// (see setDefaultSettings; working fields 0; a text without a NUL within its
// 260 bytes becomes empty; any window geometry beyond what a screen can have
// zeroes all of it, so the window is measured and centred as on a first
// start). Fields in range are kept exactly. Returns whether anything was
// replaced.
bool repairSettings(Settings& settings);

// Puts the main window where the default Settings say. The first time
// (windowWidth or windowHeight 0) it measures the window and, where the window
// stands at 0, centres it on the screen, storing the geometry in `defaults`.
// A window out of the player's reach on the screens now shown, or larger than
// its screen, is brought onto one (placeOnScreens); the defaults keep what
// they say, so the file's bytes change only as the window is moved.
void placeWindow(Desktop& desktop, Settings& defaults);

}  // namespace ga
