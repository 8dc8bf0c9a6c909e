// The recent list reader: any bytes give at most eight distinct absolute
// paths, which read back the same.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "fuzz/fuzz_support.h"
#include "ui/recent_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::vector<std::string> list =
        parseRecentFiles(std::string(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(list.size() <= kRecentFiles);
    FUZZ_CHECK(std::set<std::string>(list.begin(), list.end()).size() == list.size());
    for (const std::string& path : list) FUZZ_CHECK(!path.empty() && path[0] == '/');
    FUZZ_CHECK(parseRecentFiles(formatRecentFiles(list)) == list);
    return 0;
}
