#include "gaugegeometry.h"

#include <gtest/gtest.h>

namespace {

using gauge::Frame;

struct PointCase {
    const char* name;
    Frame frame;
    int r;
    int angle;
    QPoint expected;
};

void PrintTo(const PointCase& c, std::ostream* os) {
    *os << c.name;
}

class PointAtAngleTest : public testing::TestWithParam<PointCase> {};

TEST_P(PointAtAngleTest, Point) {
    const PointCase& c = GetParam();
    EXPECT_EQ(gauge::pointAtAngle(c.frame, c.r, c.angle), c.expected);
}

// pi is taken as 3.14159, so a quarter turn lands a hair short and truncates inward.
INSTANTIATE_TEST_SUITE_P(
    Gauge, PointAtAngleTest,
    testing::Values(PointCase{"ZeroIsStraightUp", {100, 100, 0, true}, 50, 0, {100, 50}},
                    PointCase{"NinetyIsRightClockwise", {100, 100, 0, true}, 50, 90, {149, 99}},
                    PointCase{"HalfTurnIsDown", {100, 100, 0, true}, 50, 180, {100, 150}},
                    PointCase{
                        "NinetyIsLeftCounterClockwise", {100, 100, 0, false}, 50, 90, {50, 99}},
                    PointCase{"OffsetStartsLowerLeft", {100, 100, 225, true}, 50, 0, {64, 135}},
                    PointCase{"OffsetCounterClockwise", {100, 100, 90, false}, 50, 0, {149, 100}},
                    PointCase{"PastAFullTurnWraps", {100, 100, 0, true}, 50, 450, {149, 99}},
                    PointCase{"HugeAngleDoesNotOverflow",
                              {100, 100, 359, true},
                              10,
                              int64_t{0x7FFFFFFF},
                              {108, 105}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaugeColors, TricolorRunsStartMidEnd) {
    const gauge::Colors tri{0x000000C0, 0x0000FFFF, 0x0000C000, true};
    EXPECT_EQ(gauge::colorAtFraction(0.0f, tri), 0x000000C0u);
    EXPECT_EQ(gauge::colorAtFraction(0.25f, tri), 0x000080E0u);
    EXPECT_EQ(gauge::colorAtFraction(0.5f, tri), 0x0000FFFFu);
    EXPECT_EQ(gauge::colorAtFraction(1.0f, tri), 0x0000C000u);

    gauge::Colors two = tri;
    two.tricolor = false;
    EXPECT_EQ(gauge::colorAtFraction(0.0f, two), 0x000000C0u);
    EXPECT_EQ(gauge::colorAtFraction(0.5f, two), 0x00006060u);
    EXPECT_EQ(gauge::colorAtFraction(1.0f, two), 0x0000C000u);
}

struct AutoSizeCase {
    const char* name;
    int width, height, borderWidth, tickStyle, tickPosition, tickSize;
    gauge::AutoSize expected;
};

void PrintTo(const AutoSizeCase& c, std::ostream* os) {
    *os << c.name;
}

class AutoSizeTest : public testing::TestWithParam<AutoSizeCase> {};

TEST_P(AutoSizeTest, CentreAndRadius) {
    const AutoSizeCase& c = GetParam();
    const gauge::AutoSize s =
        gauge::computeAutoSize(c.width, c.height, c.width, c.height, c.borderWidth, c.tickStyle,
                               c.tickPosition, c.tickSize);
    EXPECT_EQ(s.xCenter, c.expected.xCenter);
    EXPECT_EQ(s.yCenter, c.expected.yCenter);
    EXPECT_EQ(s.radius, c.expected.radius);
}

INSTANTIATE_TEST_SUITE_P(
    Gauge, AutoSizeTest,
    testing::Values(AutoSizeCase{"WideUsesHeight", 300, 200, 1, 0, 0, 4, {150, 100, 99}},
                    AutoSizeCase{
                        "TicksInsideKeepBorderHalf", 300, 200, 3, 1, 0, 50, {150, 100, 98}},
                    AutoSizeCase{"TicksOutsideMakeRoom", 300, 200, 3, 1, 1, 10, {150, 100, 90}},
                    AutoSizeCase{"CentredTicksHalfOut", 300, 200, 1, 2, 2, 9, {150, 100, 96}},
                    AutoSizeCase{"UnknownPosition", 300, 200, 1, 1, 7, 50, {150, 100, 99}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaugeTicks, OneTickPerStepNeverDoubledAtTheEnd) {
    EXPECT_EQ(gauge::tickAngles(5.0f, 0, 60, 360),
              (std::vector<int>{0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}));
    EXPECT_EQ(gauge::tickAngles(10.0f, 0, 100, 270),
              (std::vector<int>{0, 27, 54, 81, 108, 135, 162, 189, 216, 243, 270}));
    EXPECT_EQ(gauge::tickAngles(7.0f, 0, 60, 360).size(), 9u);
}

TEST(GaugeTicks, UnusableStepsNeverHang) {
    EXPECT_TRUE(gauge::tickAngles(0.0f, 0, 60, 360).empty());
    EXPECT_TRUE(gauge::tickAngles(-5.0f, 0, 60, 360).empty());
    EXPECT_TRUE(gauge::tickAngles(5.0f, 60, 0, 360).empty());
    EXPECT_TRUE(gauge::tickAngles(5.0f, 10, 10, 360).empty());
    EXPECT_EQ(gauge::tickAngles(1e-9f, 0, 60, 360).size(), 360u);
    EXPECT_EQ(gauge::tickAngles(0.1f, 0, 60, 360).size(), 360u);
}

TEST(GaugeTwips, StoredTwipsReadAsPixels) {
    EXPECT_EQ(gauge::twipsToPixels(2130.0, 15.0), 142);
    EXPECT_EQ(gauge::twipsToPixels(-600.0, 15.0), -40);
    EXPECT_EQ(gauge::twipsToPixels(2144.0, 15.0), 142) << "quotient truncated";
    EXPECT_EQ(gauge::twipsToPixels(-614.0, 15.0), -40) << "toward zero";
    EXPECT_EQ(gauge::twipsToPixels(44.6, 15.0), 3) << "stored value rounded first";
    EXPECT_EQ(gauge::twipsToPixels(142 * 7.5, 7.5), 142) << "fractional scale round-trips";
    EXPECT_EQ(gauge::twipsToPixels(141 * 14.4, 14.4), 141);
}

} // namespace
