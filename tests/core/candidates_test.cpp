#include "core/candidates.h"

#include <gtest/gtest.h>

#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace {

using ga::kCells;
using ga::PuzzleRecord;
using ga::testing::Grid;

TEST(CandidateNumbers, DigitsInAscendingOrder) {
    const std::pair<const char*, int32_t> cases[] = {
        {"29", 29}, {"3", 3}, {"147", 147}, {"123456789", 123456789}, {"9", 9}, {"", 0}};
    for (auto [digits, number] : cases)
        EXPECT_EQ(ga::candidateNumberOf(ga::testing::maskOf(digits)), number) << digits;
}

class ShowCandidatesData : public ::testing::TestWithParam<ga::testing::DataCase> {};

TEST_P(ShowCandidatesData, ResultAndCandidateNumbers) {
    const auto& data = GetParam();
    PuzzleRecord record = ga::testing::puzzleFromText(data.puzzle);
    const Grid entries = ga::testing::copyOf(record.valueGrid);
    for (int32_t& number : record.candidateNumbers) number = -1;

    EXPECT_EQ(ga::showCandidates(record), data.expected.at(0));
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), entries);

    // Only cells without a clue or an entry are written. A single candidate
    // would have been placed, so the last pass leaves nothing or at least two,
    // and the sound analysis never drops the answer.
    const Grid given = ga::testing::gridFromText(data.puzzle);
    const bool unique = ga::testing::countAnswers(given.data()) == 1;
    const Grid answer = ga::testing::exactAnswer(data.puzzle);
    for (int cell = 0; cell < kCells; ++cell) {
        const int32_t number = record.candidateNumbers[cell];
        if (given[cell]) {
            EXPECT_EQ(number, -1) << "given " << cell;
            continue;
        }
        ASSERT_TRUE(number == 0 || number >= 12) << "cell " << cell << ": " << number;
        if (number != 0 && unique) {
            EXPECT_NE(std::to_string(number).find(static_cast<char>('0' + answer[cell])),
                      std::string::npos)
                << "cell " << cell;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DataFile, ShowCandidatesData,
                         ::testing::ValuesIn(ga::testing::readDataCases(GA_TEST_DATA_DIR
                                                                        "/show_candidates.txt")),
                         [](const auto& info) { return ga::testing::dataCaseName(info.param); });

}  // namespace
