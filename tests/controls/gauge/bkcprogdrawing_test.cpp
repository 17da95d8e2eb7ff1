#include "bkcprog.h"
#include "propertybag.h"
#include "systemcolors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>

namespace {

constexpr ColorValue kBack = 0x00008000;   // green
constexpr ColorValue kCircle = 0x00FFFFFF; // white
constexpr ColorValue kArc = 0x000000FF;    // red
constexpr ColorValue kBorder = 0x00000000; // black

// 101 x 101 pixels: centre (50, 50), radius 49, spokes reach 48.
std::unique_ptr<bkCProg> plainGauge() {
    auto g = std::make_unique<bkCProg>();
    g->resize(101, 101);
    g->UserControl_Resize();
    g->setBackColor(kBack);
    g->setCircleColor(kCircle);
    g->setStartColor(kArc);
    g->setBorderColor(kBorder);
    g->setGradient(false);
    g->setMax(60);
    return g;
}

// What the gauge shows: grab() paints it, drawing it again when a setter left it out of date.
ColorValue pixelAt(bkCProg& g, int x, int y) {
    return systemcolors::fromQColor(QColor(g.grab().toImage().pixel(x, y)));
}

// Pixel at radius r and screen angle theta (degrees clockwise from straight up).
ColorValue pixelAtAngle(bkCProg& g, double r, double theta) {
    const double rad = theta * std::numbers::pi / 180.0;
    return pixelAt(g, int(std::lround(50 + r * std::sin(rad))),
                   int(std::lround(50 - r * std::cos(rad))));
}

TEST(GaugeDrawing, HalfScaleFillsTheRightHalfClockwise) {
    auto g = plainGauge();
    g->setValue(30);
    for (double theta : {20.0, 90.0, 160.0}) {
        EXPECT_EQ(pixelAtAngle(*g, 25, theta), kArc) << theta;
        EXPECT_EQ(pixelAtAngle(*g, 25, 360 - theta), kCircle) << 360 - theta;
    }
    g->setClockwise(false);
    EXPECT_EQ(pixelAtAngle(*g, 25, 270), kArc);
}

TEST(GaugeDrawing, NeedlePointsAtTheValue) {
    auto g = plainGauge();
    g->setValue(15);
    g->setNeedleColor(0x00FF0000);
    g->setShowArc(false);
    EXPECT_EQ(pixelAt(*g, 75, 50), 0x00FF0000u);
    EXPECT_EQ(pixelAt(*g, 50, 25), kCircle);
}

TEST(GaugeDrawing, TicksEveryFiveSecondsAndNoneBetween) {
    auto g = plainGauge();
    g->setValue(0);
    g->setTickColor(0x00FF0000);
    g->setTickWidth(3);
    g->setTickSize(10);
    g->setTickFrequency(5);
    g->setTickStyle(bkCProg::TickStyle::Lines);
    EXPECT_EQ(pixelAtAngle(*g, 43, 15), kCircle);
    EXPECT_EQ(pixelAtAngle(*g, 43, 90), 0x00FF0000u);
}

// Designs that the setters would never produce: they draw in bounded time and sensibly.
TEST(GaugeDrawing, UnusableStoredDesignsStillDraw) {
    PropertyBag bag;
    bag.writeColor("BackColor", kBack, 0x8000000F);
    bag.writeColor("CircleColor", kCircle, 0x8000000F);
    bag.writeColor("StartColor", kArc, 0x000000C0);
    bag.writeBool("Gradient", false, true);
    bag.writeInt32("Value", 2000000000, 50);
    bag.writeInt32("TickStyle", 1, 0);
    bag.writeFloat("TickFrequency", 0.0f, 10.0f);
    bkCProg g;
    g.resize(101, 101);
    g.ReadProperties(bag);
    g.UserControl_Resize();
    EXPECT_EQ(pixelAt(g, 50, 75), kArc) << "a value far past Max fills the face once";

    bag.writeInt32("Min", 10, 0);
    bag.writeInt32("Max", 10, 100);
    bag.writeInt32("Span", 0, 360);
    g.ReadProperties(bag);
    g.UserControl_Resize();
    EXPECT_EQ(pixelAt(g, 50, 75), kBack) << "an empty range fills nothing on a 45-degree face";
    EXPECT_EQ(pixelAtAngle(g, 25, 22), kCircle);
}

} // namespace
