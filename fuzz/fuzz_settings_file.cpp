// The settings file reader: a file of the right length decodes, and once
// repaired every field lies in its range (repairing again changes nothing);
// a file that needed no repair encodes back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "ui/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    unsigned char bytes[kSettingsFileBytes] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    SettingsFile file;
    decodeSettingsFile(bytes, file);
    const bool repaired = repairSettings(file.settings);
    const Settings once = file.settings;
    FUZZ_CHECK(!repairSettings(file.settings));
    FUZZ_CHECK(std::memcmp(&once, &file.settings, sizeof once) == 0);
    const Settings& s = file.settings;
    FUZZ_CHECK(s.level >= 0 && s.level <= kHighestNewPuzzleLevel);
    FUZZ_CHECK(s.searchCount >= kLowestSearchCount && s.searchCount <= kHighestSearchCount);
    FUZZ_CHECK(std::memchr(s.csvPath, '\0', sizeof s.csvPath) != nullptr);
    unsigned char again[kSettingsFileBytes];
    encodeSettingsFile(file, again);
    FUZZ_CHECK(repaired || std::memcmp(again, bytes, sizeof bytes) == 0);
    return 0;
}
