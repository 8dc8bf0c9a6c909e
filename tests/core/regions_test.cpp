#include "core/regions.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "generator/random.h"
#include "tests/core/test_records.h"
#include "tests/support/exact_solver.h"

namespace {

using ga::kCells;
using ga::ProgressMeter;
using ga::PuzzleRecord;
using ga::testing::Grid;
using ga::testing::RecordingSink;

const char* const kSolved =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";

PuzzleRecord answerOnly(const Grid& answer) {
    PuzzleRecord record;
    ga::resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) record.answerGrid[cell] = answer[cell];
    record.answerKnown = 1;
    return record;
}

// Checks one Region row of maxCells + 1 entries against the answer: ascending
// cells, zeros after them, the count last, and the exact solver finds a second
// answer when every other cell is fixed.
void expectTrueRegion(const int32_t* row, int maxCells, const Grid& answer) {
    const int count = row[maxCells];
    ASSERT_GE(count, 1);
    ASSERT_LE(count, maxCells);
    Grid clues = answer;
    for (int i = 0; i < count; ++i) {
        ASSERT_GE(row[i], 0);
        ASSERT_LT(row[i], kCells);
        if (i > 0) {
            ASSERT_LT(row[i - 1], row[i]);
        }
        clues[row[i]] = 0;
    }
    for (int i = count; i < maxCells; ++i) EXPECT_EQ(row[i], 0);
    EXPECT_EQ(ga::testing::countAnswers(clues.data()), 2) << "not a Region";
}

// Rows ordered by count, equal counts by their entries from the first on.
bool rowsInOrder(const int32_t* a, const int32_t* b, int maxCells) {
    if (a[maxCells] != b[maxCells]) return a[maxCells] < b[maxCells];
    return std::lexicographical_compare(a, a + maxCells, b, b + maxCells);
}

// --- searchRegions --------------------------------------------------------------

struct SearchCase {
    uint32_t seed;
    int level;
    int count;
    int maxCells;
};

class SearchRegions : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchRegions, RowsAreDistinctSortedTrueRegions) {
    const SearchCase& c = GetParam();
    const Grid answer = ga::testing::randomAnswer(c.seed);
    PuzzleRecord record = answerOnly(answer);
    const int width = c.maxCells + 1;
    // One spare row past the request: the search must not write into it.
    std::vector<int32_t> table(static_cast<size_t>(width) * (c.count + 1), 0);
    table.back() = -7;
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;

    const int found = ga::searchRegions(record, table.data(), c.level, c.count, c.maxCells, meter);
    ASSERT_GE(found, 1);
    ASSERT_LE(found, c.count);
    EXPECT_EQ(ga::testing::copyOf(record.answerGrid), answer);

    std::set<std::vector<int32_t>> distinct;
    for (int r = 0; r < found; ++r) {
        const int32_t* row = &table[static_cast<size_t>(r) * width];
        SCOPED_TRACE("row " + std::to_string(r));
        expectTrueRegion(row, c.maxCells, answer);
        distinct.insert(std::vector<int32_t>(row, row + width));
        if (r > 0) {
            EXPECT_TRUE(rowsInOrder(row - width, row, c.maxCells));
        }
    }
    EXPECT_EQ(distinct.size(), static_cast<size_t>(found));
    for (size_t i = static_cast<size_t>(found) * width; i + 1 < table.size(); ++i)
        ASSERT_EQ(table[i], 0);
    EXPECT_EQ(table.back(), -7);

    // The bar only moves forward and ends full.
    EXPECT_EQ(meter.current, c.count);
    const std::vector<int> positions = sink.positions();
    ASSERT_FALSE(positions.empty());
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_EQ(positions.back(), 100);
}

INSTANTIATE_TEST_SUITE_P(Requests, SearchRegions,
                         ::testing::Values(SearchCase{1, 2, 30, 16}, SearchCase{2, 0, 15, 8},
                                           SearchCase{3, 4, 15, 36}, SearchCase{4, 2, 1, 16}));

TEST(SearchRegionsShortOfTheCount, StillRunsTheBarToItsEnd) {
    // A random answer holds only a few Regions of four cells, far fewer than
    // asked for, so the search runs out of attempts.
    const int count = 200, maxCells = 4;
    const Grid answer = ga::testing::randomAnswer(8);
    PuzzleRecord record = answerOnly(answer);
    std::vector<int32_t> table(static_cast<size_t>(count) * (maxCells + 1), 0);
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    const int found = ga::searchRegions(record, table.data(), 0, count, maxCells, meter);
    ASSERT_LT(found, count);
    for (int r = 0; r < found; ++r)
        expectTrueRegion(&table[static_cast<size_t>(r) * (maxCells + 1)], maxCells, answer);
    EXPECT_EQ(meter.current, count);
    ASSERT_FALSE(sink.positions().empty());
    EXPECT_EQ(sink.positions().back(), 100);
}

// --- sortRegions -------------------------------------------------------------------

TEST(SortRegions, ByKeyThenByEntriesWhateverTheInputOrder) {
    const std::vector<std::vector<int32_t>> rows = {
        {5, 6, 14, 15, 4}, {0, 1, 9, 10, 4}, {2, 3, 4, 0, 3}, {0, 2, 27, 29, 4}, {7, 8, 16, 0, 3}};
    const std::vector<std::vector<int32_t>> sorted = {
        {2, 3, 4, 0, 3}, {7, 8, 16, 0, 3}, {0, 1, 9, 10, 4}, {0, 2, 27, 29, 4}, {5, 6, 14, 15, 4}};
    std::vector<int> order = {0, 1, 2, 3, 4};
    do {
        std::vector<int32_t> flat;
        for (int index : order) flat.insert(flat.end(), rows[index].begin(), rows[index].end());
        ga::sortRegions(flat.data(), 5, 5, 4);
        for (int r = 0; r < 5; ++r) {
            ASSERT_EQ(std::vector<int32_t>(flat.begin() + r * 5, flat.begin() + r * 5 + 5),
                      sorted[r]);
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(SortRegions, KeyEntryIsTheOneGiven) {
    std::vector<int32_t> rows = {5, 1, 3, 2, 4, 1};
    ga::sortRegions(rows.data(), 3, 2, 1);
    EXPECT_EQ(rows, (std::vector<int32_t>{4, 1, 5, 1, 3, 2}));
}

TEST(SortRegions, FewerThanTwoRowsStayAsTheyAre) {
    std::vector<int32_t> rows = {9, 8, 7, 1, 2, 0};
    ga::sortRegions(rows.data(), 1, 3, 2);
    EXPECT_EQ(rows, (std::vector<int32_t>{9, 8, 7, 1, 2, 0}));
    ga::sortRegions(rows.data(), 0, 3, 2);
    EXPECT_EQ(rows, (std::vector<int32_t>{9, 8, 7, 1, 2, 0}));
}

// --- scatterClues -----------------------------------------------------------------

TEST(ScatterClues, ThresholdAboveNinePlacesNothing) {
    for (int threshold : {10, 11, 100}) {
        ga::seedRandomWith(5);
        PuzzleRecord record = answerOnly(ga::testing::gridFromText(kSolved));
        ga::scatterClues(record, threshold);
        for (int cell = 0; cell < kCells; ++cell) ASSERT_EQ(record.openFlags[cell], 1) << threshold;
    }
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

TEST(ScatterClues, CellBecomesAClueWhenMoreThanThresholdValuesAreAbsent) {
    // Replays the same draws: 100 cells, each drawn as a choice among 81.
    for (uint32_t seed : {6u, 7u}) {
        for (int threshold = 0; threshold <= 9; ++threshold) {
            PuzzleRecord expected = answerOnly(ga::testing::randomAnswer(seed));
            PuzzleRecord record = expected;
            ga::seedRandomWith(seed * 100 + threshold);
            for (int pick = 0; pick < 100; ++pick) {
                const int cell = ga::chooseAmong(81);
                if (expected.openFlags[cell] == 1 && absentValues(expected, cell) > threshold) {
                    expected.openFlags[cell] = 0;
                }
            }
            ga::seedRandomWith(seed * 100 + threshold);
            ga::scatterClues(record, threshold);
            EXPECT_EQ(ga::testing::copyOf(record.openFlags),
                      ga::testing::copyOf(expected.openFlags))
                << "threshold " << threshold;
            EXPECT_EQ(ga::testing::copyOf(record.answerGrid),
                      ga::testing::copyOf(expected.answerGrid));
        }
    }
}

// --- the CSV record -----------------------------------------------------------------

std::string contentOf(std::FILE* file) {
    std::string content;
    std::rewind(file);
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) content.append(buffer, n);
    return content;
}

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(WriteRegionsCsv, LayoutByteForByte) {
    const Grid answer = ga::testing::gridFromText(kSolved);
    const int32_t rows[] = {0, 1, 9, 10, 4, 5, 6, 0, 0, 2};
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(ga::writeRegionsCsv(file, answer.data(), rows, 2, 4));
    const std::string expected =
        "9,2,3,5,6,4,8,1,7,\r\n6,8,4,2,1,7,5,3,9,\r\n1,5,7,3,9,8,4,2,6,\r\n"
        "8,6,1,4,3,9,2,7,5,\r\n4,7,5,6,2,1,9,8,3,\r\n2,3,9,7,8,5,6,4,1,\r\n"
        "5,9,2,8,7,3,1,6,4,\r\n3,4,6,1,5,2,7,9,8,\r\n7,1,8,9,4,6,3,5,2,\r\n"
        "\r\nrecord is 2\r\n0,1,9,10,4,\r\n5,6,0,0,2,\r\n";
    EXPECT_EQ(contentOf(file), expected);
    std::fclose(file);
}

TEST(WriteRegionsCsv, NoRegionEndsWithTheRecordLine) {
    const Grid answer = ga::testing::gridFromText(kSolved);
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(ga::writeRegionsCsv(file, answer.data(), nullptr, 0, 16));
    const std::string content = contentOf(file);
    const std::string tail = "7,1,8,9,4,6,3,5,2,\r\n\r\nrecord is 0\r\n";
    ASSERT_GE(content.size(), tail.size());
    EXPECT_EQ(content.substr(content.size() - tail.size()), tail);
    std::fclose(file);
}

TEST(WriteRegionsCsv, FailedWriteIsReported) {
    char path[] = "/tmp/ga_core_tests_csv_XXXXXX";
    const int descriptor = mkstemp(path);
    ASSERT_GE(descriptor, 0);
    close(descriptor);
    std::FILE* readOnly = std::fopen(path, "r");
    ASSERT_NE(readOnly, nullptr);
    const Grid answer = ga::testing::gridFromText(kSolved);
    EXPECT_FALSE(ga::writeRegionsCsv(readOnly, answer.data(), nullptr, 0, 16));
    std::fclose(readOnly);
    std::remove(path);
}

class CsvDirectory : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/ga_core_tests_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
    }
    void TearDown() override {
        std::remove(path("regions.csv").c_str());
        rmdir(directory_.c_str());
    }
    std::string path(const std::string& name) const { return directory_ + "/" + name; }

  private:
    std::string directory_;
};

std::vector<std::string> splitCrLfLines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(content.substr(start, end - start));
    }
    EXPECT_EQ(start, content.size()) << "text after the last line end";
    return lines;
}

std::vector<int32_t> commaNumbers(const std::string& line) {
    std::vector<int32_t> numbers;
    std::istringstream in(line);
    std::string item;
    while (std::getline(in, item, ',')) numbers.push_back(std::stoi(item));
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.back(), ',') << line;
    return numbers;
}

struct RecordedCsv {
    Grid answer{};
    std::vector<std::vector<int32_t>> rows;
};

// Reads the file back, rebuilds it from what it read, and insists that the
// rebuilt text is the file byte for byte.
RecordedCsv readCsv(const std::string& content, int maxCells) {
    RecordedCsv csv;
    const std::vector<std::string> lines = splitCrLfLines(content);
    EXPECT_GE(lines.size(), 11u);
    if (lines.size() < 11) return csv;
    std::string rebuilt;
    for (int row = 0; row < 9; ++row) {
        const std::vector<int32_t> values = commaNumbers(lines[row]);
        EXPECT_EQ(values.size(), 9u);
        for (size_t column = 0; column < values.size() && column < 9; ++column) {
            csv.answer[row * 9 + column] = values[column];
            rebuilt += std::to_string(values[column]) + ",";
        }
        rebuilt += "\r\n";
    }
    int recorded = -1;
    EXPECT_EQ(std::sscanf(lines[10].c_str(), "record is %d", &recorded), 1) << lines[10];
    rebuilt += "\r\nrecord is " + std::to_string(recorded) + "\r\n";
    for (size_t i = 11; i < lines.size(); ++i) {
        csv.rows.push_back(commaNumbers(lines[i]));
        EXPECT_EQ(csv.rows.back().size(), static_cast<size_t>(maxCells + 1)) << lines[i];
        for (int32_t number : csv.rows.back()) rebuilt += std::to_string(number) + ",";
        rebuilt += "\r\n";
    }
    EXPECT_EQ(static_cast<size_t>(recorded), csv.rows.size());
    EXPECT_EQ(rebuilt, content);
    return csv;
}

TEST_F(CsvDirectory, RecordsARandomAnswerAndItsRegions) {
    for (int count : {1, 6}) {
        ga::seedRandomWith(30 + count);
        const std::string file = path("regions.csv");
        RecordingSink sink;
        ProgressMeter meter;
        meter.bar = &sink;
        const ga::RegionRequest request{file.c_str(), 2, count, 16};
        int found = -1;
        ASSERT_EQ(ga::recordRegions(request, meter, &found), ga::kRecordWritten);

        const RecordedCsv csv = readCsv(contentOf(file), 16);
        EXPECT_TRUE(ga::isSolved(csv.answer.data()));
        EXPECT_EQ(static_cast<int>(csv.rows.size()), found);
        EXPECT_GE(found, 1);
        EXPECT_LE(found, count);
        for (size_t r = 0; r < csv.rows.size(); ++r) {
            SCOPED_TRACE("region " + std::to_string(r));
            if (csv.rows[r].size() != 17u) continue;
            expectTrueRegion(csv.rows[r].data(), 16, csv.answer);
            if (r > 0) {
                EXPECT_LE(csv.rows[r - 1][16], csv.rows[r][16]);
            }
        }
        ASSERT_FALSE(sink.events.empty());
        EXPECT_EQ(sink.events.front().kind, RecordingSink::Kind::show);
        EXPECT_EQ(sink.events.back().kind, RecordingSink::Kind::hide);
    }
}

TEST_F(CsvDirectory, NoRegionFoundLeavesTheRecordLineAtZero) {
    // No Region has fewer than four cells.
    ga::seedRandomWith(40);
    const std::string file = path("regions.csv");
    ProgressMeter meter;
    const ga::RegionRequest request{file.c_str(), 0, 3, 3};
    int found = -1;
    ASSERT_EQ(ga::recordRegions(request, meter, &found), ga::kRecordWritten);
    EXPECT_EQ(found, 0);
    const std::string content = contentOf(file);
    const RecordedCsv csv = readCsv(content, 3);
    EXPECT_TRUE(ga::isSolved(csv.answer.data()));
    EXPECT_TRUE(csv.rows.empty());
    const std::string tail = ",\r\n\r\nrecord is 0\r\n";
    ASSERT_GE(content.size(), tail.size());
    EXPECT_EQ(content.substr(content.size() - tail.size()), tail);
}

TEST_F(CsvDirectory, UnwritablePathSearchesNothing) {
    const std::string file = path("missing/regions.csv");
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    const ga::RegionRequest request{file.c_str(), 2, 5, 16};
    EXPECT_EQ(ga::recordRegions(request, meter), ga::kCsvOpenFailed);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_STREQ(ga::kCsvOpenFailedText, "failed to open or create a csv file");
}

TEST_F(CsvDirectory, RefusedRequestWritesNothing) {
    const std::string file = path("regions.csv");
    ProgressMeter meter;
    const ga::RegionRequest request{file.c_str(), 2, -1, 16};
    EXPECT_EQ(ga::recordRegions(request, meter), ga::kRequestRefused);
    EXPECT_NE(access(file.c_str(), F_OK), 0);
}

struct RequestCase {
    int level, count, maxCells;
    bool accepted;
};

class RegionRequests : public ::testing::TestWithParam<RequestCase> {};

TEST_P(RegionRequests, WhatTheSearchCanTake) {
    const RequestCase& c = GetParam();
    const char* problem = ga::regionRequestProblem(c.level, c.count, c.maxCells);
    if (c.accepted) {
        EXPECT_EQ(problem, nullptr) << problem;
    } else {
        EXPECT_NE(problem, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegionRequests,
    ::testing::Values(RequestCase{0, 1, 4, true}, RequestCase{2, 70, 16, true},
                      RequestCase{4, 2000, 36, true}, RequestCase{2, 10, 81, true},
                      RequestCase{2, -1, 16, false}, RequestCase{2, 10, 82, false},
                      RequestCase{2, 10, -1, false}, RequestCase{-1, 10, 16, false},
                      RequestCase{5, 10, 16, false}));

}  // namespace
