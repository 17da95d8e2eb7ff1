#include "round.h"
#include "scriptedrandom.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

std::vector<std::int32_t> row(const std::array<std::int32_t, kPickCount>& tags, int first,
                              int count) {
    std::vector<std::int32_t> v(tags.begin() + first, tags.begin() + first + count);
    std::sort(v.begin(), v.end());
    return v;
}

TEST(ScrambleNos, EveryDealHoldsTwoSmallRowsAndTheLargeRow) {
    const std::vector<std::int32_t> small{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<std::int32_t> large{25, 50, 75, 100};
    std::set<std::vector<std::int32_t>> firstRows;
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
        SeededRandom random(seed);
        const auto tags = ScrambleNos(random);
        ASSERT_EQ(row(tags, 0, 10), small) << "seed " << seed;
        ASSERT_EQ(row(tags, 10, 10), small) << "seed " << seed;
        ASSERT_EQ(row(tags, 20, 4), large) << "seed " << seed;
        firstRows.insert(std::vector<std::int32_t>(tags.begin(), tags.begin() + 10));
    }
    EXPECT_GT(firstRows.size(), 450u); // shuffled, not a fixed order
}

TEST(ScrambleNos, ReseedsBeforeEachSmallRowAndTakesPoolPositions) {
    // r = 0 always takes the first character left in the pool.
    ScriptedRandom first({0.0f});
    const auto tags = ScrambleNos(first);
    EXPECT_EQ(first.reseeds, 2);
    const std::array<std::int32_t, kPickCount> inOrder{1, 2, 3, 4, 5, 6, 7, 8,  9,  10, 1,  2,
                                                       3, 4, 5, 6, 7, 8, 9, 10, 25, 50, 75, 100};
    EXPECT_EQ(tags, inOrder);
    // r just below 1 always takes the last character: "0" (10) first.
    ScriptedRandom last({0.99999994f});
    EXPECT_EQ(ScrambleNos(last)[0], 10);
}

TEST(DrawTarget, RollsFiftyValuesFromTheLowestToTheHighestAndEndsOnTheLast) {
    ScriptedRandom scripted({0.0f, 0.5f, 0.99999994f}); // r just below 1 gives the highest
    std::vector<std::int16_t> rolls;
    const std::int16_t t =
        DrawTarget(999, 101, scripted, [&rolls](std::int16_t v) { rolls.push_back(v); });
    ASSERT_EQ(rolls.size(), 50u);
    EXPECT_EQ(std::vector<std::int16_t>(rolls.begin(), rolls.begin() + 3),
              (std::vector<std::int16_t>{101, 550, 999}));
    EXPECT_EQ(t, rolls.back());
}

TEST(RoundDeal, LargeNumbersFillFromTheLeftSmallOnesFromTheRight) {
    ScriptedRandom inOrder({0.0f}); // tags 1..10, 1..10, 25, 50, 75, 100
    RoundDeal deal;
    deal.deal(inOrder);
    EXPECT_EQ(deal.pick(23), 0); // 100
    EXPECT_EQ(deal.pick(20), 1); // 25
    EXPECT_EQ(deal.pick(21), 2); // 50
    EXPECT_EQ(deal.pick(22), 3); // 75
    EXPECT_EQ(deal.pick(2), 5);  // 3
    EXPECT_FALSE(deal.complete());
    EXPECT_EQ(deal.RoundNumbers(), (std::vector<std::int32_t>{0, 100, 25, 50, 75, 3}));
    EXPECT_EQ(deal.pick(24), -1); // no such button
    EXPECT_EQ(deal.pick(8), 4);   // 9
    ASSERT_TRUE(deal.complete());
    EXPECT_EQ(deal.RoundNumbers(), (std::vector<std::int32_t>{100, 75, 50, 25, 9, 3, 0}));
}

TEST(RoundDeal, ManualNumbersAreSortedLikeAPickedRound) {
    RoundDeal deal;
    deal.setNumbers({3, 100, 7, 7, 1000, 1});
    EXPECT_TRUE(deal.complete());
    EXPECT_EQ(deal.RoundNumbers(), (std::vector<std::int32_t>{1000, 100, 7, 7, 3, 1, 0}));
}

} // namespace
