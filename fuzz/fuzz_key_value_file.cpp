// The key-value reader behind the preferences and the kept game: it never
// crashes, refuses or keeps every line, and what it keeps formats back to the
// same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "ui/key_value_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const char* header : {"gridAtelier game 1", "gridAtelier preferences 1"}) {
        KeyValueFile read(header);
        if (!parseKeyValueFile(bytes, header, read)) continue;
        FUZZ_CHECK(read.format() == bytes);
        long long number = 0;
        if (read.getInt("clock.ms", 0, 1000, number)) FUZZ_CHECK(number >= 0 && number <= 1000);
    }
    return 0;
}
