#include "core/progress.h"

#include <gtest/gtest.h>

#include "tests/support/test_records.h"

namespace {

// The truncated percentage; counting calls against the empty cells may pass 100.
TEST(ProgressMeter, ReportsTheTruncatedPercentage) {
    const struct {
        double low, high, current;
        int position;
    } cases[] = {{0, 1000, 0, 0},  {0, 1000, 9, 0},  {0, 1000, 10, 1},
                 {0, 3, 1, 33},    {0, 3, 2, 66},    {10, 20, 15, 50},
                 {0, 81, 81, 100}, {0, 81, 82, 101}, {0, 5, 10, 200}};
    for (const auto& c : cases) {
        ga::testing::RecordingSink sink;
        sink.meter.set(c.low, c.high, c.current);
        sink.meter.report();
        EXPECT_EQ(sink.positions(), std::vector<int>{c.position}) << c.current << "/" << c.high;
        EXPECT_EQ(sink.events.size(), 1u);
    }
}

}  // namespace
