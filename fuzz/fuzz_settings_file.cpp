// The settings file is the one file the program reads unasked at every start,
// and anybody may have edited or cut it. Every input goes through the reader
// from a real file, and is also cut or zero-padded to the file's length and
// repaired directly, so that short inputs reach the repair as well.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/regions.h"
#include "fuzz/fuzz_support.h"
#include "ui/settings_file.h"

namespace ga {
namespace {

// The bound repairSettings puts on window geometry.
constexpr int32_t kCoordinateLimit = 32767;

bool isFlag(int32_t v) {
    return v == 0 || v == 1;
}
bool isMenuMode(int32_t v) {
    return v == 0 || v == 1 || v == 2 || v == 4 || v == 8 || v == 16 || v == 32;
}
bool isStatusCode(int32_t v) {
    return (v >= 0 && v <= 17) || (v >= 32 && v <= 37);
}
bool inRange(int32_t v, int32_t low, int32_t high) {
    return v >= low && v <= high;
}
bool isTerminated(const char (&text)[kSettingsTextBytes]) {
    return std::memchr(text, '\0', sizeof text) != nullptr;
}
bool isAllZero(const void* bytes, std::size_t size) {
    const auto* at = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i)
        if (at[i] != 0) return false;
    return true;
}

// A field in range is kept exactly; one outside takes its default.
void checkField(bool wasInRange, int32_t before, int32_t after, int32_t fallback) {
    FUZZ_CHECK(after == (wasInRange ? before : fallback));
}

void checkText(const char (&before)[kSettingsTextBytes], const char (&after)[kSettingsTextBytes]) {
    FUZZ_CHECK(isTerminated(after));
    if (isTerminated(before)) {
        FUZZ_CHECK(std::memcmp(before, after, sizeof before) == 0);
    } else {
        FUZZ_CHECK(isAllZero(after, sizeof after));
    }
}

bool saneGeometry(const Settings& s) {
    const int32_t extents[] = {s.screenWidth, s.screenHeight, s.windowWidth, s.windowHeight};
    const int32_t coordinates[] = {s.windowRect.left, s.windowRect.top, s.windowRect.right,
                                   s.windowRect.bottom};
    for (int32_t v : extents)
        if (!inRange(v, 0, kCoordinateLimit)) return false;
    for (int32_t v : coordinates)
        if (!inRange(v, -kCoordinateLimit, kCoordinateLimit)) return false;
    return true;
}

void checkRepair(const Settings& b, const Settings& a, bool replaced) {
    checkField(isFlag(b.reflectToCurrent), b.reflectToCurrent, a.reflectToCurrent, 1);
    checkField(isFlag(b.saveRegionDefaults), b.saveRegionDefaults, a.saveRegionDefaults, 0);
    checkField(isFlag(b.saveSerialDefaults), b.saveSerialDefaults, a.saveSerialDefaults, 0);
    checkField(isMenuMode(b.menuMode), b.menuMode, a.menuMode, 0);
    checkField(isFlag(b.modified), b.modified, a.modified, 0);
    checkField(isMenuMode(b.menuModeBeforeHandBuild), b.menuModeBeforeHandBuild,
               a.menuModeBeforeHandBuild, 0);
    checkText(b.fileName, a.fileName);
    checkField(inRange(b.candidateDepth, 0, 2), b.candidateDepth, a.candidateDepth, 0);
    checkField(isStatusCode(b.statusCode), b.statusCode, a.statusCode, 0);
    checkField(inRange(b.expressMode, 0, 2), b.expressMode, a.expressMode, 1);
    checkField(inRange(b.level, 0, 7), b.level, a.level, 4);
    checkField(isFlag(b.neverConfirmSave), b.neverConfirmSave, a.neverConfirmSave, 0);
    checkField(isFlag(b.checkBeforeSolve), b.checkBeforeSolve, a.checkBeforeSolve, 0);
    checkText(b.csvPath, a.csvPath);
    checkField(inRange(b.searchLevel, 0, 4), b.searchLevel, a.searchLevel, 2);
    checkField(b.searchCount >= 0, b.searchCount, a.searchCount, 1000);
    checkField(inRange(b.maxRegionCells, 0, kMaxRegionCells), b.maxRegionCells, a.maxRegionCells,
               16);

    // Geometry is kept or dropped as a whole.
    FUZZ_CHECK(saneGeometry(a));
    if (saneGeometry(b)) {
        FUZZ_CHECK(a.screenWidth == b.screenWidth && a.screenHeight == b.screenHeight);
        FUZZ_CHECK(std::memcmp(&a.windowRect, &b.windowRect, sizeof a.windowRect) == 0);
        FUZZ_CHECK(a.windowWidth == b.windowWidth && a.windowHeight == b.windowHeight);
    } else {
        FUZZ_CHECK(a.screenWidth == 0 && a.screenHeight == 0 && a.windowWidth == 0 &&
                   a.windowHeight == 0);
        FUZZ_CHECK(isAllZero(&a.windowRect, sizeof a.windowRect));
    }

    // Never interpreted, so never touched.
    FUZZ_CHECK(std::memcmp(a.reservedAt0, b.reservedAt0, sizeof a.reservedAt0) == 0);
    FUZZ_CHECK(std::memcmp(a.reservedAt4, b.reservedAt4, sizeof a.reservedAt4) == 0);
    FUZZ_CHECK(std::memcmp(a.reservedAt20, b.reservedAt20, sizeof a.reservedAt20) == 0);
    FUZZ_CHECK(std::memcmp(a.reservedAt52, b.reservedAt52, sizeof a.reservedAt52) == 0);
    FUZZ_CHECK(std::memcmp(a.reservedAt76, b.reservedAt76, sizeof a.reservedAt76) == 0);
    FUZZ_CHECK(std::memcmp(a.recreateSerial, b.recreateSerial, sizeof a.recreateSerial) == 0);

    FUZZ_CHECK(replaced == (std::memcmp(&a, &b, sizeof a) != 0));
}

// Repairs the image and checks the result; returns the repaired file.
SettingsFile repairImage(const unsigned char (&image)[kSettingsFileBytes]) {
    SettingsFile decoded;
    decodeSettingsFile(image, decoded);
    unsigned char again[kSettingsFileBytes];
    encodeSettingsFile(decoded, again);
    FUZZ_CHECK(std::memcmp(image, again, sizeof image) == 0);

    SettingsFile repaired = decoded;
    const bool replaced = repairSettings(repaired.settings);
    checkRepair(decoded.settings, repaired.settings, replaced);

    // A repaired block is one the program could have written: read back, it
    // needs no repair.
    Settings twice = repaired.settings;
    FUZZ_CHECK(!repairSettings(twice));
    FUZZ_CHECK(std::memcmp(&twice, &repaired.settings, sizeof twice) == 0);
    return repaired;
}

}  // namespace
}  // namespace ga

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;

    unsigned char image[kSettingsFileBytes] = {};
    std::memcpy(image, data, size < sizeof image ? size : sizeof image);
    const SettingsFile repaired = repairImage(image);

    // Through the file, as at start: only a file of exactly the right length
    // is taken, and then it reads as the repaired image.
    static fuzz::MemoryFile memory;
    memory.hold(data, size);
    SettingsPlace place;
    place.path = memory.path();
    SettingsFile file;
    std::memset(&file, 0xA5, sizeof file);
    const bool read = readSettings(place, file);
    FUZZ_CHECK(read == (size == static_cast<size_t>(kSettingsFileBytes)));
    if (read) {
        FUZZ_CHECK(std::memcmp(&file, &repaired, sizeof file) == 0);
    } else {
        FUZZ_CHECK(isAllZero(&file, sizeof file));
    }
    return 0;
}
