// The statistics reader: it never crashes or hangs, and what it takes in is
// written back in a form it reads as the same statistics.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "ui/statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::string json(reinterpret_cast<const char*>(data), size);
    Statistics read;
    if (!parseStatistics(json, read)) return 0;
    Statistics again;
    FUZZ_CHECK(parseStatistics(formatStatistics(read), again));
    FUZZ_CHECK(again.byClass.size() == read.byClass.size());
    for (const auto& [name, entry] : read.byClass) {
        const ClassStatistics& other = again.byClass[name];
        FUZZ_CHECK(other.started == entry.started && other.finished == entry.finished);
        FUZZ_CHECK(other.finishedWithoutHelp <= other.finished);
        FUZZ_CHECK(other.times == entry.times);
    }
    return 0;
}
