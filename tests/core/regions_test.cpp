#include "core/regions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <sstream>

#include "generator/random.h"
#include "tests/support/exact_solver.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"

namespace {

using ga::kCells;
using ga::ProgressMeter;
using ga::PuzzleRecord;
using ga::testing::Grid;
using ga::testing::RecordingSink;

const Grid kSolved = ga::testing::gridFromText(ga::testing::kSolvedText);

// One Region row of maxCells + 1 entries: ascending cells, zeros after them,
// the count last, and the exact solver finds a second answer when every other
// cell of the answer is a clue.
void expectTrueRegion(const int32_t* row, int maxCells, const Grid& answer) {
    const int count = row[maxCells];
    ASSERT_TRUE(count >= 1 && count <= maxCells) << count;
    Grid clues = answer;
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(row[i] >= 0 && row[i] < kCells && (i == 0 || row[i - 1] < row[i])) << i;
        clues[row[i]] = 0;
    }
    for (int i = count; i < maxCells; ++i) EXPECT_EQ(row[i], 0);
    EXPECT_EQ(ga::testing::countAnswers(clues.data()), 2) << "not a Region";
}

// Each request's rows are distinct true Regions, sorted by count and equal
// counts by their entries, and the bar only moves forward and ends full, also
// when the search runs out of attempts short of the count (the last request
// asks for far more Regions of four cells than an answer has).
TEST(SearchRegions, RowsAreDistinctSortedTrueRegions) {
    const struct {
        uint32_t seed;
        int level, count, maxCells;
    } requests[] = {{1, 2, 30, 16}, {2, 0, 15, 8}, {3, 4, 15, 36}, {4, 2, 1, 16}, {8, 0, 200, 4}};
    for (const auto& c : requests) {
        SCOPED_TRACE(::testing::Message() << "seed " << c.seed);
        const Grid answer = ga::testing::randomAnswer(c.seed);
        PuzzleRecord record = ga::testing::puzzleWithAnswer(Grid{}, answer);
        const int width = c.maxCells + 1;
        // One spare row past the request: the search must not write into it.
        std::vector<int32_t> table(static_cast<size_t>(width) * (c.count + 1), 0);
        table.back() = -7;
        RecordingSink sink;
        const int found =
            ga::searchRegions(record, table.data(), c.level, c.count, c.maxCells, sink.meter);
        ASSERT_TRUE(found >= 1 && found <= c.count) << found;
        EXPECT_EQ(ga::testing::copyOf(record.answerGrid), answer);

        const auto orderKey = [&c](const int32_t* row) {
            return std::make_pair(row[c.maxCells], std::vector<int32_t>(row, row + c.maxCells));
        };
        for (int r = 0; r < found; ++r) {
            const int32_t* row = &table[static_cast<size_t>(r) * width];
            expectTrueRegion(row, c.maxCells, answer);
            EXPECT_TRUE(r == 0 || orderKey(row - width) < orderKey(row)) << "row " << r;
        }
        for (size_t i = static_cast<size_t>(found) * width; i + 1 < table.size(); ++i)
            ASSERT_EQ(table[i], 0);
        EXPECT_EQ(table.back(), -7);

        EXPECT_EQ(sink.meter.current, c.count);
        const std::vector<int> positions = sink.positions();
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
        EXPECT_EQ(positions.empty() ? -1 : positions.back(), 100);
    }
}

TEST(SortRegions, ByKeyThenByEntriesWhateverTheInputOrder) {
    const std::vector<std::vector<int32_t>> rows = {
        {5, 6, 14, 15, 4}, {0, 1, 9, 10, 4}, {2, 3, 4, 0, 3}, {0, 2, 27, 29, 4}, {7, 8, 16, 0, 3}};
    const std::vector<int32_t> sorted = {2,  3, 4, 0, 3,  7,  8, 16, 0, 3,  0,  1, 9,
                                         10, 4, 0, 2, 27, 29, 4, 5,  6, 14, 15, 4};
    std::vector<int> order = {0, 1, 2, 3, 4};
    do {
        std::vector<int32_t> flat;
        for (int index : order) flat.insert(flat.end(), rows[index].begin(), rows[index].end());
        ga::sortRegions(flat.data(), 5, 5, 4);
        ASSERT_EQ(flat, sorted);
    } while (std::next_permutation(order.begin(), order.end()));

    std::vector<int32_t> pairs = {5, 1, 3, 2, 4, 1};
    ga::sortRegions(pairs.data(), 3, 2, 1);
    EXPECT_EQ(pairs, (std::vector<int32_t>{4, 1, 5, 1, 3, 2}));
    for (int fewer : {1, 0}) ga::sortRegions(pairs.data(), fewer, 3, 2);
    EXPECT_EQ(pairs, (std::vector<int32_t>{4, 1, 5, 1, 3, 2}));
}

// The number of values 0..9 absent from the clues of the cell's row, column
// and box; 0 is never a clue, so it always counts.
int absentValues(const PuzzleRecord& record, int cell) {
    bool present[10] = {};
    for (int other = 0; other < kCells; ++other) {
        const bool peer = ga::rowOf(other) == ga::rowOf(cell) ||
                          ga::columnOf(other) == ga::columnOf(cell) ||
                          ga::boxOf(other) == ga::boxOf(cell);
        if (peer && record.openFlags[other] == 0) present[record.answerGrid[other]] = true;
    }
    return static_cast<int>(std::count(std::begin(present), std::end(present), false));
}

// Replays the same draws: 100 cells, each a choice among 81. Above 9 nothing
// can be absent often enough.
TEST(ScatterClues, CellBecomesAClueWhenMoreThanThresholdValuesAreAbsent) {
    for (uint32_t seed : {6u, 7u}) {
        for (int threshold = 0; threshold <= 11; ++threshold) {
            PuzzleRecord expected =
                ga::testing::puzzleWithAnswer(Grid{}, ga::testing::randomAnswer(seed));
            PuzzleRecord record = expected;
            ga::seedRandomWith(seed * 100 + threshold);
            for (int pick = 0; pick < 100; ++pick) {
                const int cell = ga::chooseAmong(81);
                if (expected.openFlags[cell] == 1 && absentValues(expected, cell) > threshold)
                    expected.openFlags[cell] = 0;
            }
            ga::seedRandomWith(seed * 100 + threshold);
            ga::scatterClues(record, threshold);
            EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0) << threshold;
        }
    }
}

// Writes the rows into a file in the folder and gives its bytes.
std::string csvText(const ga::testing::ScratchDir& dir, const Grid& answer,
                    const std::vector<int32_t>& rows, int maxCells) {
    std::FILE* file = std::fopen((dir / "written.csv").c_str(), "w");
    const int n = static_cast<int>(rows.size()) / (maxCells + 1);
    EXPECT_TRUE(ga::writeRegionsCsv(file, answer.data(), rows.data(), n, maxCells));
    std::fclose(file);
    return ga::testing::readFile(dir / "written.csv");
}

TEST(WriteRegionsCsv, LayoutByteForByte) {
    ga::testing::ScratchDir dir;
    const std::string answerLines =
        "9,2,3,5,6,4,8,1,7,\r\n6,8,4,2,1,7,5,3,9,\r\n1,5,7,3,9,8,4,2,6,\r\n"
        "8,6,1,4,3,9,2,7,5,\r\n4,7,5,6,2,1,9,8,3,\r\n2,3,9,7,8,5,6,4,1,\r\n"
        "5,9,2,8,7,3,1,6,4,\r\n3,4,6,1,5,2,7,9,8,\r\n7,1,8,9,4,6,3,5,2,\r\n";
    EXPECT_EQ(csvText(dir, kSolved, {0, 1, 9, 10, 4, 5, 6, 0, 0, 2}, 4),
              answerLines + "\r\nrecord is 2\r\n0,1,9,10,4,\r\n5,6,0,0,2,\r\n");
    EXPECT_EQ(csvText(dir, kSolved, {}, 16), answerLines + "\r\nrecord is 0\r\n");

    std::FILE* readOnly = std::fopen((dir / "written.csv").c_str(), "r");
    EXPECT_FALSE(ga::writeRegionsCsv(readOnly, kSolved.data(), nullptr, 0, 16));
    std::fclose(readOnly);
}

// Reads the answer and the rows back from the file, which must be exactly what
// writing them gives. The last request can find nothing: no Region has fewer
// than four cells.
TEST(RecordRegions, WritesARandomAnswerAndItsRegions) {
    ga::testing::ScratchDir dir;
    const std::string path = dir / "regions.csv";
    for (ga::RegionRequest request : {ga::RegionRequest{path.c_str(), 2, 1, 16},
                                      {path.c_str(), 2, 6, 16},
                                      {path.c_str(), 0, 3, 3}}) {
        const int width = request.maxCells + 1;
        SCOPED_TRACE(request.count);
        ga::seedRandomWith(30 + request.count);
        RecordingSink sink;
        int found = -1;
        ASSERT_EQ(ga::recordRegions(request, sink.meter, &found), ga::kRecordWritten);
        EXPECT_TRUE(sink.framed());
        EXPECT_TRUE(found >= 0 && found <= request.count && (found == 0) == (width <= 4));

        std::string text = ga::testing::readFile(path);
        std::replace(text.begin(), text.end(), ',', ' ');
        std::istringstream words(text);
        std::vector<int32_t> numbers;
        for (std::string word; words >> word;) {
            if (word != "record" && word != "is") numbers.push_back(std::stoi(word));
        }
        ASSERT_EQ(numbers.size(), 82u + found * width);
        EXPECT_EQ(numbers[81], found);
        const Grid answer = ga::testing::copyOf(numbers.data());
        const std::vector<int32_t> rows(numbers.begin() + 82, numbers.end());
        EXPECT_TRUE(ga::isSolved(answer.data()));
        EXPECT_EQ(csvText(dir, answer, rows, request.maxCells), ga::testing::readFile(path));
        for (int r = 0; r < found; ++r) {
            expectTrueRegion(&rows[r * width], request.maxCells, answer);
            EXPECT_TRUE(r == 0 || rows[r * width - 1] <= rows[r * width + width - 1]);
        }
    }
}

TEST(RecordRegions, UnwritablePathOrRefusedRequestSearchesNothing) {
    ga::testing::ScratchDir dir;
    RecordingSink sink;
    const std::string missing = dir / "missing/regions.csv", path = dir / "regions.csv";
    EXPECT_EQ(ga::recordRegions({missing.c_str(), 2, 5, 16}, sink.meter), ga::kCsvOpenFailed);
    EXPECT_STREQ(ga::kCsvOpenFailedText, "failed to open or create a csv file");
    EXPECT_EQ(ga::recordRegions({path.c_str(), 2, -1, 16}, sink.meter), ga::kRequestRefused);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(RegionRequests, WhatTheSearchCanTake) {
    const struct {
        int level, count, maxCells;
        bool accepted;
    } cases[] = {{0, 1, 4, true},    {2, 70, 16, true},   {4, 2000, 36, true},
                 {2, 10, 81, true},  {2, -1, 16, false},  {2, 10, 82, false},
                 {2, 10, -1, false}, {-1, 10, 16, false}, {5, 10, 16, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ga::regionRequestProblem(c.level, c.count, c.maxCells) == nullptr, c.accepted)
            << c.level << " " << c.count << " " << c.maxCells;
    }
}

}  // namespace
