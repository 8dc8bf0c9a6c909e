#include "ui/settings.h"

#include <cstring>

#include "generator/serial.h"
#include "platform/desktop.h"
#include "ui/window_placement.h"

namespace ga {

namespace {

constexpr int32_t kDefaultReflectToCurrent = 1;
constexpr int32_t kDefaultExpressMode = 1;
constexpr int32_t kDefaultLevel = 4;
constexpr int32_t kDefaultSearchLevel = 2;
constexpr int32_t kDefaultSearchCount = 1000;
constexpr int32_t kDefaultMaxRegionCells = 16;
constexpr uint32_t kDefaultRecreateSerial[kSerialParts] = {123456789, 0x20000000, 0x0FFFFFFF,
                                                           0x0FFFFFFF, 0x0FFFFFFF};

// Far beyond any screen; X11 itself cannot address more than 16 bits.
constexpr int32_t kCoordinateLimit = 32767;

bool isFlag(int32_t value) {
    return value == 0 || value == 1;
}

bool isMenuMode(int32_t value) {
    switch (value) {
        case 0:
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 32:
            return true;
        default:
            return false;
    }
}

// The status messages are numbered 0..17 and 32..37.
bool isStatusCode(int32_t value) {
    return (value >= 0 && value <= 17) || (value >= 32 && value <= 37);
}

bool isTerminated(const char (&text)[kSettingsTextBytes]) {
    return std::memchr(text, '\0', sizeof text) != nullptr;
}

bool isCoordinate(int32_t value) {
    return value >= -kCoordinateLimit && value <= kCoordinateLimit;
}

bool isExtent(int32_t value) {
    return value >= 0 && value <= kCoordinateLimit;
}

bool hasSaneGeometry(const Settings& s) {
    return isExtent(s.screenWidth) && isExtent(s.screenHeight) && isCoordinate(s.windowRect.left) &&
           isCoordinate(s.windowRect.top) && isCoordinate(s.windowRect.right) &&
           isCoordinate(s.windowRect.bottom) && isExtent(s.windowWidth) && isExtent(s.windowHeight);
}

// Remembers whether it replaced any field.
class FieldRepair {
  public:
    void keepIf(bool inRange, int32_t& field, int32_t fallback) {
        if (inRange) return;
        field = fallback;
        replaced_ = true;
    }
    void keepIf(bool inRange, uint32_t& field, uint32_t fallback) {
        if (inRange) return;
        field = fallback;
        replaced_ = true;
    }
    void keepIf(bool inRange, char (&text)[kSettingsTextBytes]) {
        if (inRange) return;
        std::memset(text, 0, sizeof text);
        replaced_ = true;
    }
    bool replacedAny() const { return replaced_; }

  private:
    bool replaced_ = false;
};

}  // namespace

void setDefaultSettings(Settings& defaults) {
    defaults.reflectToCurrent = kDefaultReflectToCurrent;
    defaults.saveRegionDefaults = 0;
    defaults.saveSerialDefaults = 0;
    defaults.expressMode = kDefaultExpressMode;
    defaults.level = kDefaultLevel;
    defaults.neverConfirmSave = 0;
    defaults.checkBeforeSolve = 0;
    std::memset(defaults.csvPath, 0, sizeof defaults.csvPath);
    defaults.searchLevel = kDefaultSearchLevel;
    defaults.searchCount = kDefaultSearchCount;
    defaults.maxRegionCells = kDefaultMaxRegionCells;
    std::memcpy(defaults.recreateSerial, kDefaultRecreateSerial, sizeof kDefaultRecreateSerial);
}

void applyPendingDefaults(Settings& defaults, Settings& current) {
    if (current.saveRegionDefaults == 1) {
        // The whole field, so that no trace of an earlier path stays in the file.
        std::memset(defaults.csvPath, 0, sizeof defaults.csvPath);
        defaults.searchLevel = current.searchLevel;
        defaults.searchCount = current.searchCount;
        defaults.maxRegionCells = current.maxRegionCells;
        current.saveRegionDefaults = 0;
    }
    if (current.saveSerialDefaults == 1) {
        std::memcpy(defaults.recreateSerial, current.recreateSerial, sizeof current.recreateSerial);
        current.saveSerialDefaults = 0;
    }
}

bool repairSettings(Settings& s) {
    FieldRepair repair;
    repair.keepIf(isFlag(s.reflectToCurrent), s.reflectToCurrent, kDefaultReflectToCurrent);
    repair.keepIf(isFlag(s.saveRegionDefaults), s.saveRegionDefaults, 0);
    repair.keepIf(isFlag(s.saveSerialDefaults), s.saveSerialDefaults, 0);
    repair.keepIf(isMenuMode(s.menuMode), s.menuMode, 0);
    repair.keepIf(isFlag(s.modified), s.modified, 0);
    repair.keepIf(isMenuMode(s.menuModeBeforeHandBuild), s.menuModeBeforeHandBuild, 0);
    repair.keepIf(isTerminated(s.fileName), s.fileName);
    repair.keepIf(s.candidateDepth >= 0 && s.candidateDepth <= 2, s.candidateDepth, 0);
    repair.keepIf(isStatusCode(s.statusCode), s.statusCode, 0);
    repair.keepIf(s.expressMode >= 0 && s.expressMode <= kHighestExpressMode, s.expressMode,
                  kDefaultExpressMode);
    repair.keepIf(s.level >= 0 && s.level <= kHighestNewPuzzleLevel, s.level, kDefaultLevel);
    repair.keepIf(isFlag(s.neverConfirmSave), s.neverConfirmSave, 0);
    repair.keepIf(isFlag(s.checkBeforeSolve), s.checkBeforeSolve, 0);
    repair.keepIf(isTerminated(s.csvPath), s.csvPath);
    repair.keepIf(s.searchLevel >= 0 && s.searchLevel <= kHighestSearchLevel, s.searchLevel,
                  kDefaultSearchLevel);
    repair.keepIf(s.searchCount >= kLowestSearchCount && s.searchCount <= kHighestSearchCount,
                  s.searchCount, kDefaultSearchCount);
    repair.keepIf(s.maxRegionCells >= kLowestRegionCells && s.maxRegionCells <= kHighestRegionCells,
                  s.maxRegionCells, kDefaultMaxRegionCells);
    for (int part = 0; part < kSerialParts; ++part) {
        uint32_t& value = s.recreateSerial[part];
        repair.keepIf(value >= kSerialLowest[part] && value <= kSerialHighest[part], value,
                      kDefaultRecreateSerial[part]);
    }
    bool replaced = repair.replacedAny();
    if (!hasSaneGeometry(s)) {
        s.screenWidth = s.screenHeight = 0;
        s.windowRect = SettingsRect{};
        s.windowWidth = s.windowHeight = 0;
        replaced = true;
    }
    return replaced;
}

namespace {

// The window at `left`, `top` in the size the defaults give it, unless that
// would leave it out of the player's reach or larger than its screen.
void moveOntoScreens(Desktop& desktop, int left, int top, const Settings& defaults) {
    const ScreenRect placed = placeOnScreens(
        ScreenRect{left, top, left + defaults.windowWidth, top + defaults.windowHeight},
        desktop.screenAreas());
    desktop.moveWindow(placed.left, placed.top, placed.right - placed.left,
                       placed.bottom - placed.top);
}

}  // namespace

void placeWindow(Desktop& desktop, Settings& defaults) {
    SettingsRect& rect = defaults.windowRect;
    if (defaults.windowWidth != 0 && defaults.windowHeight != 0) {
        moveOntoScreens(desktop, rect.left, rect.top, defaults);
        return;
    }
    const ScreenRect present = desktop.windowRect();
    rect = SettingsRect{present.left, present.top, present.right, present.bottom};

    // A window that has never been placed stands at 0 on that axis.
    defaults.windowWidth = rect.right - rect.left;
    if (rect.left == 0) {
        defaults.screenWidth = desktop.screenWidth();
        rect.left = (defaults.screenWidth - defaults.windowWidth) / 2;
    }
    rect.right = rect.left + defaults.windowWidth;

    defaults.windowHeight = rect.bottom - rect.top;
    if (rect.top == 0) {
        defaults.screenHeight = desktop.screenHeight();
        rect.top = (defaults.screenHeight - defaults.windowHeight) / 2;
    }
    rect.bottom = rect.top + defaults.windowHeight;

    moveOntoScreens(desktop, rect.left, rect.top, defaults);
}

}  // namespace ga
