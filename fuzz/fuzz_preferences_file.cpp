// The preferences reader: it never crashes or hangs, every choice it takes
// in is one the program has, and what it reads is written back in a form it
// reads as the same preferences.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "ui/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Preferences read;
    if (!parsePreferences(bytes, read)) return 0;
    FUZZ_CHECK(static_cast<int>(read.look) < kLookCount);
    FUZZ_CHECK(static_cast<int>(read.mistakeCue) < kMistakeCueCount);
    Preferences again;
    FUZZ_CHECK(parsePreferences(formatPreferences(read), again));
    FUZZ_CHECK(again.clearNotesOnPlacement == read.clearNotesOnPlacement &&
               again.resumeAtStart == read.resumeAtStart && again.showClock == read.showClock &&
               again.showCoordinates == read.showCoordinates && again.look == read.look &&
               again.mistakeCue == read.mistakeCue);
    return 0;
}
