#include "gaugegeometry.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using gauge::Frame;

// pi is taken as 3.14159, so a quarter turn lands a hair short and truncates inward.
TEST(GaugeGeometry, PointAtAngle) {
    // name, frame (centre, offset angle, clockwise), radius, angle, the point
    const std::tuple<const char*, Frame, int, int, QPoint> rows[] = {
        {"ZeroIsStraightUp", {100, 100, 0, true}, 50, 0, {100, 50}},
        {"NinetyIsRightClockwise", {100, 100, 0, true}, 50, 90, {149, 99}},
        {"HalfTurnIsDown", {100, 100, 0, true}, 50, 180, {100, 150}},
        {"NinetyIsLeftCounterClockwise", {100, 100, 0, false}, 50, 90, {50, 99}},
        {"OffsetStartsLowerLeft", {100, 100, 225, true}, 50, 0, {64, 135}},
        {"OffsetCounterClockwise", {100, 100, 90, false}, 50, 0, {149, 100}},
        {"PastAFullTurnWraps", {100, 100, 0, true}, 50, 450, {149, 99}},
        {"HugeAngleDoesNotOverflow", {100, 100, 359, true}, 10, 0x7FFFFFFF, {108, 105}},
    };
    for (const auto& [name, frame, r, angle, expected] : rows)
        EXPECT_EQ(gauge::pointAtAngle(frame, r, angle), expected) << name;
}

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

TEST(GaugeGeometry, AutoSizeCentreAndRadius) {
    using gauge::TickPosition;
    using gauge::TickStyle;
    // name, border width, tick style, tick position, tick size, radius
    const std::tuple<const char*, int, TickStyle, TickPosition, int, int> rows[] = {
        {"WideUsesHeight", 1, TickStyle::None, TickPosition::Inside, 4, 99},
        {"TicksInsideKeepBorderHalf", 3, TickStyle::Lines, TickPosition::Inside, 50, 98},
        {"TicksOutsideMakeRoom", 3, TickStyle::Lines, TickPosition::Outside, 10, 90},
        {"CentredTicksHalfOut", 1, TickStyle::FilledDots, TickPosition::Centred, 9, 96},
        {"UnknownPosition", 1, TickStyle::Lines, TickPosition(7), 50, 99},
    };
    for (const auto& [name, border, tickStyle, tickPosition, tickSize, radius] : rows) {
        const gauge::AutoSize s =
            gauge::computeAutoSize(300, 200, 300, 200, border, tickStyle, tickPosition, tickSize);
        EXPECT_EQ(std::tuple(s.xCenter, s.yCenter, s.radius), std::tuple(150, 100, radius)) << name;
    }
}

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
    EXPECT_EQ(gauge::twipsToPixels(2144.0, 15.0), 142) << "quotient truncated";
    EXPECT_EQ(gauge::twipsToPixels(-614.0, 15.0), -40) << "toward zero";
    EXPECT_EQ(gauge::twipsToPixels(44.6, 15.0), 3) << "stored value rounded first";
    EXPECT_EQ(gauge::twipsToPixels(142 * 7.5, 7.5), 142) << "fractional scale round-trips";
    EXPECT_EQ(gauge::twipsToPixels(141 * 14.4, 14.4), 141);
}

} // namespace
