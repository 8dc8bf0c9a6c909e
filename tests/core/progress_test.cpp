#include "core/progress.h"

#include <gtest/gtest.h>

#include "tests/core/test_records.h"

namespace {

using ga::ProgressMeter;
using ga::testing::RecordingSink;

struct ReportCase {
    double low, high, current;
    int position;
};

class ProgressReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ProgressReport, SendsTheTruncatedPercentage) {
    const ReportCase& c = GetParam();
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    meter.set(c.low, c.high, c.current);
    meter.report();
    EXPECT_EQ(sink.positions(), std::vector<int>{c.position});
    EXPECT_EQ(sink.count(RecordingSink::Kind::show), 0);
}

INSTANTIATE_TEST_SUITE_P(Positions, ProgressReport,
                         ::testing::Values(ReportCase{0, 1000, 0, 0}, ReportCase{0, 1000, 9, 0},
                                           ReportCase{0, 1000, 10, 1}, ReportCase{0, 3, 1, 33},
                                           ReportCase{0, 3, 2, 66}, ReportCase{10, 20, 15, 50},
                                           ReportCase{0, 81, 81, 100},
                                           // Counting calls against the empty cells may pass 100.
                                           ReportCase{0, 81, 82, 101}, ReportCase{0, 5, 10, 200}));

TEST(ProgressMeter, StepAddsOneBeforeReporting) {
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    meter.set(0, 4, 0);
    meter.step();
    meter.step();
    EXPECT_EQ(meter.current, 2);
    EXPECT_EQ(sink.positions(), (std::vector<int>{25, 50}));
}

TEST(ProgressMeter, ShowAtZeroShowsThenPositionsAtZero) {
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    meter.showAtZero();
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_EQ(sink.events[0].kind, RecordingSink::Kind::show);
    EXPECT_EQ(sink.events[1].kind, RecordingSink::Kind::position);
    EXPECT_EQ(sink.events[1].position, 0);
}

TEST(ProgressMeter, WithoutBarEveryRequestDoesNothing) {
    ProgressMeter meter;
    meter.set(0, 10, 3);
    meter.report();
    meter.step();
    meter.show();
    meter.showAtZero();
    meter.hide();
    EXPECT_EQ(meter.current, 4);
}

}  // namespace
