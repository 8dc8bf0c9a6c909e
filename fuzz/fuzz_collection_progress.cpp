// The reader of a collection's progress: it never crashes or hangs, keeps a
// mark for each puzzle of the collection and no other, and what it takes in
// is written back in a form it reads as the same marks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "ui/collection_progress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The corpus files are of a collection of 50 puzzles with this key.
    const std::string key = "5e1c0ffee0ddba11";
    for (int count : {1, 50}) {
        CollectionProgress read;
        if (!parseCollectionProgress(text, key, count, read)) {
            FUZZ_CHECK(read.marks.empty());
            continue;
        }
        FUZZ_CHECK(read.key == key && static_cast<int>(read.marks.size()) == count);
        CollectionProgress again;
        FUZZ_CHECK(parseCollectionProgress(formatCollectionProgress(read), key, count, again));
        FUZZ_CHECK(again.marks == read.marks);
    }
    return 0;
}
