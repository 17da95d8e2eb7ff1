#include "points.h"
#include "roundrecord.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(RoundPoints, FallWithTheDistance) {
    // distance (none: nothing checked; a negative one is none either), points
    const std::pair<std::optional<std::int64_t>, int> rows[] = {
        {0, 10}, {1, 8},  {2, 7},          {5, 4},  {7, 2},  {8, 1},
        {9, 1},  {10, 0}, {5000000000, 0}, {{}, 0}, {-1, 0},
    };
    for (const auto& [distance, points] : rows)
        EXPECT_EQ(RoundPoints(distance), points) << testing::PrintToString(distance);
}

RoundStart start952() {
    return {1714564980, 7200, {3, 100, 6, 25, 75, 50}, 952, 45, false};
}

TEST(RoundRecorder, KeepsTheCheckedValueNearestTheTarget) {
    RoundRecorder recorder;
    EXPECT_FALSE(recorder.checked(952)); // no round yet
    recorder.start(start952());
    EXPECT_EQ(recorder.record().numbers, (std::array<std::int32_t, 6>{100, 75, 50, 25, 6, 3}));
    EXPECT_TRUE(recorder.finish(32));
    EXPECT_FALSE(recorder.finish(40)); // the clock stops once
    // value checked, whether it changed the record, the best value after it, its points
    const std::tuple<std::int32_t, bool, std::int32_t, int> steps[] = {
        {940, true, 940, 0}, {955, true, 955, 6},  {949, false, 955, 6},
        {951, true, 951, 8}, {952, true, 952, 10}, {-32768, false, 952, 10},
    };
    for (const auto& [value, changed, best, points] : steps) {
        EXPECT_EQ(recorder.checked(value), changed) << value;
        EXPECT_EQ(recorder.record().best, best);
        EXPECT_EQ(recorder.record().points, points);
    }
    EXPECT_EQ(recorder.record().distance, 0);
    EXPECT_EQ(recorder.record().secondsUsed, 32);
}

TEST(RoundRecorder, SearchKnowledgeAndStoringMarkPendingChanges) {
    RoundRecorder recorder;
    recorder.start(start952());
    recorder.finish(45);
    EXPECT_TRUE(recorder.pending());
    recorder.stored(17);
    EXPECT_FALSE(recorder.pending());
    EXPECT_TRUE(recorder.searchKnown(0, 950));
    EXPECT_EQ(recorder.record().nearest, 950);
    EXPECT_FALSE(recorder.searchKnown(0, 950)); // nothing new
    EXPECT_TRUE(recorder.searchKnown(3, 950));  // exact answers: the target is the nearest
    EXPECT_EQ(recorder.record().nearest, 952);
    EXPECT_FALSE(recorder.searchKnown(-1, {}));
    recorder.stored(17);
    EXPECT_EQ(recorder.record().id, 17);
    recorder.start(start952()); // the next round starts afresh
    EXPECT_EQ(recorder.record().id, 0);
    EXPECT_EQ(recorder.record().exactCount, std::nullopt);
}

} // namespace
