#include "bkcprog.h"
#include "roundclockdesign.h"
#include "system_colors.h"
#include "test_support.h"

#include <QPalette>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>

namespace {

constexpr std::uint32_t kBack = 0x00008000;   // green
constexpr std::uint32_t kCircle = 0x00FFFFFF; // white
constexpr std::uint32_t kArc = 0x000000FF;    // red
constexpr std::uint32_t kBorder = 0x00000000; // black

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

std::uint32_t pixelAt(const bkCProg& g, int x, int y) {
    return systemcolors::fromQColor(QColor(g.surfaceImage().pixel(x, y)));
}

// Pixel at radius r and screen angle theta (degrees clockwise from straight up).
QPoint screenPoint(double r, double theta) {
    const double rad = theta * std::numbers::pi / 180.0;
    return QPoint(int(std::lround(50 + r * std::sin(rad))),
                  int(std::lround(50 - r * std::cos(rad))));
}

std::uint32_t pixelAtAngle(const bkCProg& g, double r, double theta) {
    const QPoint p = screenPoint(r, theta);
    return pixelAt(g, p.x(), p.y());
}

TEST(GaugeDrawing, HalfScaleFillsTheRightHalfClockwise) {
    auto g = plainGauge();
    g->setValue(30);
    for (double theta : {20.0, 90.0, 160.0}) {
        EXPECT_EQ(pixelAtAngle(*g, 25, theta), kArc) << theta;
        EXPECT_EQ(pixelAtAngle(*g, 25, 360 - theta), kCircle) << 360 - theta;
    }
    g->setClockwise(false);
    for (double theta : {20.0, 90.0, 160.0}) {
        EXPECT_EQ(pixelAtAngle(*g, 25, theta), kCircle) << theta;
        EXPECT_EQ(pixelAtAngle(*g, 25, 360 - theta), kArc) << 360 - theta;
    }
}

TEST(GaugeDrawing, ZeroValueDrawsASpokeOnlyWithTheZeroLine) {
    auto g = plainGauge();
    g->setValue(0);
    EXPECT_EQ(pixelAt(*g, 50, 25), kCircle);
    g->setShowZeroLine(true);
    EXPECT_EQ(pixelAt(*g, 50, 25), kArc);
    EXPECT_EQ(pixelAtAngle(*g, 25, 10), kCircle);
}

TEST(GaugeDrawing, NeedlePointsAtTheValue) {
    auto g = plainGauge();
    g->setValue(15);
    g->setNeedleColor(0x00FF0000);
    g->setShowArc(false);
    EXPECT_EQ(pixelAt(*g, 75, 50), 0x00FF0000u);
    EXPECT_EQ(pixelAt(*g, 50, 25), kCircle);
}

TEST(GaugeDrawing, TwelveTicksEveryFiveSeconds) {
    auto g = plainGauge();
    g->setValue(0);
    g->setTickColor(0x00FF0000);
    g->setTickWidth(3);
    g->setTickSize(10);
    g->setTickFrequency(5);
    g->setTickStyle(bkCProg::Lines);
    int runs = 0;
    bool inTick = false;
    std::vector<int> starts;
    for (int theta = -10; theta < 350; ++theta) {
        const std::uint32_t c = pixelAtAngle(*g, 43, theta);
        const bool tick = (c >> 16 & 0xFF) > 200 && (c & 0xFF) < 160;
        if (tick && !inTick) {
            ++runs;
            starts.push_back(theta);
        }
        inTick = tick;
    }
    EXPECT_EQ(runs, 12);
    EXPECT_EQ(pixelAtAngle(*g, 43, 15), kCircle);
    EXPECT_EQ(pixelAtAngle(*g, 43, 90), 0x00FF0000u);
}

// The rim is antialiased; "dark" tells the border from the green background.
bool isDark(std::uint32_t c) {
    return (c & 0xFF) < 0x60 && (c >> 8 & 0xFF) < 0x60 && (c >> 16 & 0xFF) < 0x60;
}

TEST(GaugeDrawing, OpenScaleHasAnOpenBorder) {
    auto g = plainGauge();
    g->setSpan(270);
    g->setOffsetAngle(225);
    g->setValue(60);
    // Clockwise from the lower left over the top to the lower right.
    EXPECT_EQ(pixelAt(*g, 50, 25), kArc) << "top is inside the scale";
    EXPECT_EQ(pixelAt(*g, 50, 75), kBack) << "bottom is outside the scale";
    EXPECT_TRUE(isDark(pixelAt(*g, 50, 1)));
    EXPECT_EQ(pixelAt(*g, 50, 99), kBack);
    // Counter-clockwise from the lower left over the bottom and right to the upper left.
    g->setClockwise(false);
    EXPECT_EQ(pixelAt(*g, 50, 75), kArc);
    EXPECT_EQ(pixelAt(*g, 25, 50), kBack);
    EXPECT_TRUE(isDark(pixelAt(*g, 50, 99)));
    EXPECT_EQ(pixelAt(*g, 1, 50), kBack);
}

TEST(GaugeDrawing, TricolourGradientIsMidColouredHalfway) {
    auto g = plainGauge();
    g->setGradient(true);
    g->setValue(60);
    const std::uint32_t halfway = pixelAt(*g, 50, 75);
    EXPECT_NEAR(int(halfway & 0xFF), 0xFF, 8);
    EXPECT_NEAR(int(halfway >> 8 & 0xFF), 0xFF, 8);
    EXPECT_NEAR(int(halfway >> 16 & 0xFF), 0x00, 8);
}

TEST(GaugeDrawing, ValueTextUsesTextAndShadowColours) {
    auto g = plainGauge();
    g->setShowCircle(false);
    g->setShowArc(false);
    g->setValue(15);
    g->setTextColor(0x00FF00FF);
    g->setTextShadowColor(0x00FFFF00);
    g->setTextShadow(true);
    g->setFont(QFont("Liberation Sans", 20, QFont::Bold));
    const auto count = [&](std::uint32_t colour) {
        int n = 0;
        for (int y = 0; y < 101; ++y)
            for (int x = 0; x < 101; ++x)
                n += pixelAt(*g, x, y) == colour;
        return n;
    };
    EXPECT_EQ(count(0x00FF00FF), 0) << "ShowValue is off";
    g->setShowValueAsPercent(true);
    EXPECT_GT(count(0x00FF00FF), 20);
    EXPECT_GT(count(0x00FFFF00), 5);
}

TEST(GaugeDrawing, RecheckColorsTakesEffectAtTheNextRepaint) {
    auto g = plainGauge();
    g->setStartColor(systemcolors::kButtonFace);
    g->setValue(60);
    QPalette palette = g->palette();
    palette.setColor(QPalette::Button, QColor(0, 0, 255));
    g->setPalette(palette);
    g->Repaint();
    EXPECT_NE(pixelAt(*g, 75, 50), 0x00FF0000u);
    g->RecheckColors();
    EXPECT_NE(pixelAt(*g, 75, 50), 0x00FF0000u) << "no repaint of its own";
    g->Repaint();
    EXPECT_EQ(pixelAt(*g, 75, 50), 0x00FF0000u);
}

// Regression: the drawing that AutoMask installs as background must not outlive AutoMask.
TEST(GaugeDrawing, NoGhostAfterAutoMaskIsTurnedOff) {
    auto g = plainGauge();
    g->setShowCircle(false);
    g->setValue(60);
    g->setAutoMask(true);
    g->setAutoMask(false);
    g->setValue(0);
    EXPECT_EQ(pixelAt(*g, 75, 50), kBack);
}

TEST(GaugeDrawing, PictureIsStretchedUnderTheDrawing) {
    auto g = plainGauge();
    g->setShowCircle(false);
    g->setShowBorder(false);
    g->setValue(0);
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x)
            picture.setPixel(x, y, qRgb(255, 255, 0));
    g->setPicture(picture);
    EXPECT_EQ(pixelAt(*g, 3, 97), 0x00FF0000u);
    EXPECT_EQ(pixelAt(*g, 97, 3), 0x0000FFFFu);
    EXPECT_EQ(g->image().size(), QSize(4, 2)) << "the picture is kept as it was given";
    g->setPicture(QImage());
    EXPECT_EQ(pixelAt(*g, 3, 97), kBack);
}

TEST(GaugeDrawing, InsetFrameShrinksTheSurface) {
    auto g = plainGauge();
    g->setInset(true);
    g->UserControl_Resize();
    EXPECT_EQ(g->surfaceImage().size(), QSize(99, 99));
    EXPECT_EQ(g->xCenter(), 49);
    EXPECT_EQ(g->radius(), 48);
}

TEST(GaugeDrawing, MaskPictureCutsTheShapeWithTheMaskColour) {
    auto g = plainGauge();
    QImage shape(10, 10, QImage::Format_RGB32);
    shape.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x)
            shape.setPixel(x, y, qRgb(0, 0, 0));
    g->setMaskColor(0x00000000);
    g->setMaskPicture(shape);
    EXPECT_TRUE(g->mask().isEmpty()) << "the back style is still opaque";
    g->setUseMask(true);
    EXPECT_FALSE(g->mask().contains(QPoint(20, 50)));
    EXPECT_TRUE(g->mask().contains(QPoint(80, 50)));
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

class RoundClockScreenshot : public testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(RoundClockScreenshot, DrawsTheDesign) {
    const auto [seconds, showSeconds] = GetParam();
    bkCProg clock;
    clock.ReadProperties(roundClockDesign());
    clock.resize(284, 280);
    clock.setShowValue(showSeconds);
    clock.setValue(seconds);
    testsupport::saveScreenshot(
        &clock,
        QStringLiteral("gauge-round-clock-%1%2").arg(seconds).arg(showSeconds ? "-seconds" : ""));

    EXPECT_EQ(pixelAt(clock, 2, 2), 0xFFC0C0u) << "light blue around the face";
    // The needle from the centre (142, 140) toward the value, 100 pixels out.
    const double rad = seconds * 6 * std::numbers::pi / 180.0;
    const int nx = int(std::lround(142 + 100 * std::sin(rad)));
    const int ny = int(std::lround(140 - 100 * std::cos(rad)));
    EXPECT_EQ(pixelAt(clock, nx, ny), 0u) << "black needle";
}

INSTANTIATE_TEST_SUITE_P(Gauge, RoundClockScreenshot,
                         testing::Combine(testing::Values(0, 15, 30, 60), testing::Bool()),
                         [](const auto& info) {
                             return "At" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "WithSeconds" : "");
                         });

} // namespace
