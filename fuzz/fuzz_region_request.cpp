// The region search's request (level, count, maximum) comes from a dialog or
// the command line, and its CSV file is written wherever the user points.
// Every request is checked against the rule; a refused one must touch no
// file. An accepted one is run in full only when it is cheap (a low level,
// room for the smallest Region, one or two Regions): a search that finds
// nothing makes thousands of attempts. The CSV writer and the sort also get
// rows made from the rest of the input, which reach them far faster.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/regions.h"
#include "fuzz/fuzz_support.h"
#include "generator/random.h"

namespace ga {
namespace {

// Two answers of a grid differ in at least four cells, so no Region is smaller.
constexpr int kSmallestRegion = 4;

class CheckedBar : public ProgressSink {
  public:
    void show() override { shown_ = visible_ = true; }
    void hide() override { visible_ = false; }
    void setPosition(int position) override { FUZZ_CHECK(visible_ && position >= 0); }
    bool everShown() const { return shown_; }
    bool visible() const { return visible_; }

  private:
    bool shown_ = false;
    bool visible_ = false;
};

bool fileExists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

std::string readAll(const std::string& path) {
    std::string text;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    FUZZ_CHECK(file != nullptr);
    char block[4096];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        text.append(block, got);
    std::fclose(file);
    return text;
}

// Reads "%d," entries up to the CR LF that ends the line.
class CsvCursor {
  public:
    explicit CsvCursor(const std::string& text) : text_(text) {}
    std::vector<int32_t> line() {
        std::vector<int32_t> entries;
        while (!atLineEnd()) {
            const std::size_t comma = text_.find(',', at_);
            FUZZ_CHECK(comma != std::string::npos);
            const std::string entry = text_.substr(at_, comma - at_);
            char* end = nullptr;
            const long value = std::strtol(entry.c_str(), &end, 10);
            FUZZ_CHECK(!entry.empty() && *end == '\0');
            entries.push_back(static_cast<int32_t>(value));
            at_ = comma + 1;
        }
        at_ += 2;
        return entries;
    }
    void expect(const std::string& literal) {
        FUZZ_CHECK(text_.compare(at_, literal.size(), literal) == 0);
        at_ += literal.size();
    }
    bool atEnd() const { return at_ == text_.size(); }

  private:
    bool atLineEnd() const { return text_.compare(at_, 2, "\r\n") == 0; }
    const std::string& text_;
    std::size_t at_ = 0;
};

bool rowBefore(const std::vector<int32_t>& a, const std::vector<int32_t>& b, int key) {
    if (a[key] != b[key]) return a[key] < b[key];
    return a < b;
}

// The rows are sorted by their count, then by their cells, and each is a set
// of cells that can change between two answers: every row, column and box it
// meets holds at least two of its cells.
void checkRegionRows(const std::vector<std::vector<int32_t>>& rows, int maxCells) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<int32_t>& row = rows[r];
        FUZZ_CHECK(row.size() == static_cast<std::size_t>(maxCells) + 1);
        const int count = row[maxCells];
        FUZZ_CHECK(count >= kSmallestRegion && count <= maxCells);
        int inUnit[kUnits] = {};
        for (int i = 0; i < maxCells; ++i) {
            if (i >= count) {
                FUZZ_CHECK(row[i] == 0);
                continue;
            }
            FUZZ_CHECK(row[i] >= 0 && row[i] < kCells);
            FUZZ_CHECK(i == 0 || row[i - 1] < row[i]);
            for (int unit : kCellUnits[row[i]]) ++inUnit[unit];
        }
        for (int n : inUnit) FUZZ_CHECK(n != 1);
        if (r > 0) FUZZ_CHECK(rowBefore(rows[r - 1], row, maxCells));
    }
}

void checkCsv(const std::string& text, int maxCells, int found, int asked) {
    CsvCursor csv(text);
    int32_t answer[kCells];
    for (int row = 0; row < 9; ++row) {
        const std::vector<int32_t> values = csv.line();
        FUZZ_CHECK(values.size() == 9);
        std::memcpy(answer + 9 * row, values.data(), sizeof(int32_t) * 9);
    }
    FUZZ_CHECK(isSolved(answer));
    csv.expect("\r\nrecord is " + std::to_string(found) + "\r\n");
    FUZZ_CHECK(found >= 0 && found <= asked);
    std::vector<std::vector<int32_t>> rows;
    for (int r = 0; r < found; ++r) rows.push_back(csv.line());
    FUZZ_CHECK(csv.atEnd());
    checkRegionRows(rows, maxCells);
}

void fuzzRequest(FuzzedDataProvider& input) {
    const uint32_t seed = input.ConsumeIntegral<uint32_t>();
    const bool unwritable = input.ConsumeBool();
    const int level = input.ConsumeIntegral<int>();
    const int count = input.ConsumeIntegral<int>();
    const int maxCells = input.ConsumeIntegral<int>();

    const bool acceptable =
        level >= 0 && level <= 4 && count >= 0 && maxCells >= 0 && maxCells <= kCells;
    const char* problem = regionRequestProblem(level, count, maxCells);
    FUZZ_CHECK((problem == nullptr) == acceptable);
    FUZZ_CHECK(problem == nullptr || problem[0] != '\0');

    const bool cheap = level <= 2 && maxCells >= kSmallestRegion && count <= 2;
    if (acceptable && !unwritable && !cheap) return;

    const std::string path = unwritable ? fuzz::scratch().file("missing/regions.csv")
                                        : fuzz::scratch().file("regions.csv");
    std::remove(path.c_str());
    CheckedBar bar;
    ProgressMeter meter;
    meter.bar = &bar;
    int found = -1;
    seedRandomWith(seed);
    const int result =
        recordRegions(RegionRequest{path.c_str(), level, count, maxCells}, meter, &found);
    FUZZ_CHECK(!bar.visible());
    if (!acceptable || unwritable) {
        FUZZ_CHECK(result == (acceptable ? kCsvOpenFailed : kRequestRefused));
        FUZZ_CHECK(found == 0 && !bar.everShown() && !fileExists(path));
        return;
    }
    FUZZ_CHECK(result == kRecordWritten && bar.everShown());
    checkCsv(readAll(path), maxCells, found, count);
}

// Rows of made-up entries: sorted, they must be a permutation of what went in
// in the promised order, and written, they must read back the same.
void fuzzSortAndWriter(FuzzedDataProvider& input) {
    const int maxCells = input.ConsumeIntegralInRange<int>(0, kCells);
    const int width = maxCells + 1;
    const int n = input.ConsumeIntegralInRange<int>(0, 64);
    std::vector<int32_t> table(static_cast<std::size_t>(n) * width);
    for (int32_t& entry : table) entry = input.ConsumeIntegralInRange<int32_t>(-3, 90);
    std::vector<std::vector<int32_t>> rows;
    for (int r = 0; r < n; ++r)
        rows.emplace_back(table.begin() + r * width, table.begin() + (r + 1) * width);

    sortRegions(table.data(), n, width, maxCells);
    std::vector<std::vector<int32_t>> sorted;
    for (int r = 0; r < n; ++r)
        sorted.emplace_back(table.begin() + r * width, table.begin() + (r + 1) * width);
    for (int r = 1; r < n; ++r) FUZZ_CHECK(!rowBefore(sorted[r], sorted[r - 1], maxCells));
    std::vector<std::vector<int32_t>> a = rows, b = sorted;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    FUZZ_CHECK(a == b);

    int32_t answer[kCells];
    for (int cell = 0; cell < kCells; ++cell) answer[cell] = 1 + (cell * 4 + cell / 9) % 9;
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* file = ::open_memstream(&text, &size);
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(writeRegionsCsv(file, answer, table.data(), n, maxCells));
    std::fclose(file);
    const std::string written(text, size);
    std::free(text);

    CsvCursor csv(written);
    for (int row = 0; row < 9; ++row) {
        const std::vector<int32_t> values = csv.line();
        FUZZ_CHECK(values.size() == 9);
        FUZZ_CHECK(std::memcmp(values.data(), answer + 9 * row, sizeof(int32_t) * 9) == 0);
    }
    csv.expect("\r\nrecord is " + std::to_string(n) + "\r\n");
    for (int r = 0; r < n; ++r) FUZZ_CHECK(csv.line() == sorted[r]);
    FUZZ_CHECK(csv.atEnd());
}

}  // namespace
}  // namespace ga

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        ga::fuzzRequest(input);
    } else {
        ga::fuzzSortAndWriter(input);
    }
    return 0;
}
