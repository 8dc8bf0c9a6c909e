#include "core/regions.h"

#include <cstdlib>

#include "core/bits.h"
#include "core/random.h"
#include "core/searches.h"
#include "core/translation.h"

namespace ga {

const char* const kCsvOpenFailedText =
    QT_TRANSLATE_NOOP("Message", "failed to open or create a csv file");

namespace {

constexpr int kScatterDraws = 100;
constexpr int kRegionRestarts = 100;
constexpr int kLowestLevel = 0;
constexpr int kHighestLevel = 4;

bool rowLess(const int32_t* a, const int32_t* b, int width, int key) {
    if (a[key] != b[key]) return a[key] < b[key];
    for (int i = 0; i < width; i++) {
        if (a[i] != b[i]) return a[i] < b[i];
    }
    return false;
}

void swapRows(int32_t* a, int32_t* b, int width) {
    for (int i = 0; i < width; i++) {
        int32_t t = a[i];
        a[i] = b[i];
        b[i] = t;
    }
}

void siftDown(int32_t* rows, int root, int n, int width, int key) {
    while (true) {
        int child = 2 * root + 1;
        if (child >= n) return;
        int32_t* c = rows + static_cast<size_t>(child) * width;
        if (child + 1 < n && rowLess(c, c + width, width, key)) {
            child++;
            c += width;
        }
        int32_t* r = rows + static_cast<size_t>(root) * width;
        if (!rowLess(r, c, width, key)) return;
        swapRows(r, c, width);
        root = child;
    }
}

bool sameRegionStored(const int32_t* table, int found, int width, const int* cells, int count) {
    int countEntry = width - 1;
    for (int row = 0; row < found; row++) {
        const int32_t* stored = table + static_cast<size_t>(row) * width;
        if (stored[countEntry] != count) continue;
        bool same = true;
        for (int i = 0; i < count && same; i++) same = stored[i] == cells[i];
        if (same) return true;
    }
    return false;
}

// One attempt: scatter, solve at random, and collect where the solution left
// the answer. Returns the number of differing cells, or -1 when the attempt fails.
int attemptRegion(PuzzleRecord& record, int threshold, int maxCells, int* cells) {
    for (int cell = 0; cell < kCells; cell++) {
        record.openFlags[cell] = 1;
        record.valueGrid[cell] = 0;
    }
    scatterClues(record, threshold);
    RepeatMemory memory;
    memory.clear();
    if (solveByRestarts(record, kRegionRestarts, memory, nullptr) != kSearchSolved) return -1;
    int count = 0;
    for (int cell = 0; cell < kCells && count <= maxCells; cell++) {
        if (record.valueGrid[cell] != record.answerGrid[cell]) cells[count++] = cell;
    }
    if (count == 0 || count > maxCells) return -1;
    return count;
}

}  // namespace

void scatterClues(PuzzleRecord& record, int threshold) {
    // The clue values of each unit, kept up to date as cells become clues.
    uint32_t clueValues[kUnits] = {};
    for (int cell = 0; cell < kCells; cell++) {
        int32_t value = record.answerGrid[cell];
        if (record.openFlags[cell] != 0 || value < 1 || value > 9) continue;
        for (int unit : kCellUnits[cell]) clueValues[unit] |= bitOfValue(value);
    }
    for (int draw = 0; draw < kScatterDraws; draw++) {
        int cell = chooseAmong(kCells);
        if (record.openFlags[cell] != 1) continue;
        const uint8_t* units = kCellUnits[cell];
        uint32_t present = clueValues[units[0]] | clueValues[units[1]] | clueValues[units[2]];
        // Absent among 0..9: 0 always, plus every value 1..9 not among the clues.
        int absent = 1 + 9 - countBits(present);
        if (absent <= threshold) continue;
        record.openFlags[cell] = 0;
        int32_t value = record.answerGrid[cell];
        if (value < 1 || value > 9) continue;
        for (int unit : kCellUnits[cell]) clueValues[unit] |= bitOfValue(value);
    }
}

int searchRegions(PuzzleRecord& record, int32_t* table, int level, int count, int maxCells,
                  ProgressMeter& meter) {
    meter.set(0, count, 0);
    if (count <= 0 || maxCells < 0) return 0;
    int width = maxCells + 1;
    int found = 0;
    int cells[kCells + 1];
    for (int attempts = 0; attempts < kRegionAttemptLimit;) {
        int cellCount = attemptRegion(record, level + 3, maxCells, cells);
        if (cellCount > 0 && !sameRegionStored(table, found, width, cells, cellCount)) {
            int32_t* row = table + static_cast<size_t>(found) * width;
            for (int i = 0; i < width; i++) row[i] = i < cellCount ? cells[i] : 0;
            row[maxCells] = cellCount;
            meter.step();
            if (++found == count) break;
        }
        attempts++;
    }
    for (int missing = count - found; missing > 0; missing--) meter.step();
    sortRegions(table, found, width, maxCells);
    return found;
}

void sortRegions(int32_t* rows, int n, int rowWidth, int keyEntry) {
    if (n < 2) return;
    for (int root = n / 2 - 1; root >= 0; root--) siftDown(rows, root, n, rowWidth, keyEntry);
    for (int end = n - 1; end > 0; end--) {
        swapRows(rows, rows + static_cast<size_t>(end) * rowWidth, rowWidth);
        siftDown(rows, 0, end, rowWidth, keyEntry);
    }
}

const char* regionRequestProblem(int level, int count, int maxCells) {
    if (level < kLowestLevel || level > kHighestLevel)
        return QT_TRANSLATE_NOOP("Message", "the level must be 0..4");
    if (count < 0) return QT_TRANSLATE_NOOP("Message", "the count must not be negative");
    if (maxCells < 0) return QT_TRANSLATE_NOOP("Message", "the maximum must not be negative");
    if (maxCells > kMaxRegionCells)
        return QT_TRANSLATE_NOOP("Message", "the maximum must not exceed 81 cells");
    return nullptr;
}

bool writeRegionsCsv(std::FILE* file, const Grid& answer, const int32_t* rows, int n,
                     int maxCells) {
    for (int row = 0; row < 9; row++) {
        for (int column = 0; column < 9; column++)
            std::fprintf(file, "%d,", answer[row * 9 + column]);
        std::fputs("\r\n", file);
    }
    std::fputs("\r\n", file);
    std::fprintf(file, "record is %d\r\n", n);
    int width = maxCells + 1;
    for (int row = 0; row < n; row++) {
        const int32_t* entries = rows + static_cast<size_t>(row) * width;
        for (int i = 0; i < width; i++) std::fprintf(file, "%d,", entries[i]);
        std::fputs("\r\n", file);
    }
    return std::ferror(file) == 0;
}

RecordRegionsResult recordRegions(const RegionRequest& request, ProgressMeter& meter, int* found) {
    if (found) *found = 0;
    if (regionRequestProblem(request.level, request.count, request.maxCells))
        return kRequestRefused;
    // The search makes at most one Region per attempt, so no more rows than
    // attempts are ever needed, whatever count was asked for.
    int rows = request.count < kRegionAttemptLimit ? request.count : kRegionAttemptLimit;
    int width = request.maxCells + 1;
    int32_t* table = static_cast<int32_t*>(
        std::calloc(static_cast<size_t>(rows > 0 ? rows : 1) * width, sizeof(int32_t)));
    if (!table) return kRequestRefused;

    std::FILE* file = std::fopen(request.csvPath, "wb");
    if (!file) {
        std::free(table);
        return kCsvOpenFailed;
    }
    meter.showAtZero();

    PuzzleRecord record;
    resetRecord(record);
    // On an empty grid the random fill practically never gives up; should it,
    // it is simply asked again, so the answer is always complete.
    while (fillAtRandom(record, meter) != kSearchSolved) {
    }
    record.answerGrid = record.valueGrid;
    record.valueGrid.fill(0);
    record.answerKnown = 1;
    const Grid answer = record.answerGrid;

    int n = searchRegions(record, table, request.level, rows, request.maxCells, meter);
    sortRegions(table, n, width, request.maxCells);
    bool written = writeRegionsCsv(file, answer, table, n, request.maxCells);

    meter.hide();
    std::free(table);
    written = (std::fclose(file) == 0) && written;
    if (found) *found = n;
    return written ? kRecordWritten : kCsvOpenFailed;
}

}  // namespace ga
