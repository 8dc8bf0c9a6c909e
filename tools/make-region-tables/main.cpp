// Makes the Region lists of the region tables 2..9: runs the region search on
// each table's answer, from a fixed seed, until 1020 distinct Regions of at
// most 16 cells are found, and writes them sorted by count as rows of C++
// initialisers, one file per table, for the build to compile in.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/regions.h"
#include "generator/class_tables.h"

namespace {

// Changing either gives other lists: equally valid, but a different set of
// generated puzzles for the same seeds.
constexpr uint32_t kSeed = 20240601;
constexpr int kSearchLevel = 2;  // scattering threshold 5, as generation uses

using Row = std::vector<int32_t>;

bool alreadyHave(const std::vector<Row>& rows, const int32_t* candidate) {
    for (const Row& row : rows) {
        if (std::equal(row.begin(), row.end(), candidate)) return true;
    }
    return false;
}

// Searches repeatedly, asking each time only for the Regions still missing, so
// that the rows kept are the first ones found rather than the smallest.
std::vector<Row> findRegions(int source) {
    std::vector<Row> rows;
    std::vector<int32_t> batch(static_cast<size_t>(ga::kRegionRowsPerTable) * ga::kRegionRowWidth);
    ga::ProgressMeter meter;
    while (static_cast<int>(rows.size()) < ga::kRegionRowsPerTable) {
        ga::PuzzleRecord record;
        ga::resetRecord(record);
        record.answerGrid = *ga::classAnswer(source);
        record.answerKnown = 1;
        std::fill(batch.begin(), batch.end(), 0);
        const int wanted = ga::kRegionRowsPerTable - static_cast<int>(rows.size());
        const int found = ga::searchRegions(record, batch.data(), kSearchLevel, wanted,
                                            ga::kRegionMaxCells, meter);
        for (int i = 0; i < found; ++i) {
            const int32_t* row = batch.data() + static_cast<size_t>(i) * ga::kRegionRowWidth;
            if (!alreadyHave(rows, row)) rows.emplace_back(row, row + ga::kRegionRowWidth);
        }
        std::fprintf(stderr, "source %d: %zu Regions\n", source, rows.size());
    }
    std::vector<int32_t> flat;
    for (const Row& row : rows) flat.insert(flat.end(), row.begin(), row.end());
    ga::sortRegions(flat.data(), static_cast<int>(rows.size()), ga::kRegionRowWidth,
                    ga::kRegionMaxCells);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::copy_n(flat.begin() + static_cast<long>(i) * ga::kRegionRowWidth, ga::kRegionRowWidth,
                    rows[i].begin());
    }
    return rows;
}

bool writeRows(const std::string& path, int source, const std::vector<Row>& rows) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return false;
    std::fprintf(file,
                 "// Regions of the answer of region table %d: 16 cell slots and the count.\n"
                 "// Made by tools/make-region-tables (seed %u, level %d); do not edit.\n",
                 source, kSeed, kSearchLevel);
    for (const Row& row : rows) {
        std::fputc('{', file);
        for (int i = 0; i < ga::kRegionRowWidth; ++i) {
            std::fprintf(file, i == 0 ? "%d" : ", %d", row[i]);
        }
        std::fputs("},\n", file);
    }
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-region-tables OUTPUT_DIRECTORY\n");
        return 2;
    }
    ga::seedRandomWith(kSeed);
    for (int source = ga::kFirstRegionSource; source <= ga::kLastRegionSource; ++source) {
        const std::string path =
            std::string(argv[1]) + "/regions_" + std::to_string(source) + ".inc";
        if (!writeRows(path, source, findRegions(source))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
