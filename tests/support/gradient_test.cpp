#include "gradient.h"
#include "gradientwidget.h"

#include <QImage>
#include <gtest/gtest.h>
#include <ostream>
#include <tuple>

void PrintTo(const QColor& c, std::ostream* os) {
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace {

// 0x00BBGGRR -> QColor
QColor colorOf(ColorValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

TEST(SplitColor, ReadsBlueGreenRedFromSixCharacterField) {
    const std::tuple<const char*, ColorValue, ColorParts> rows[] = {
        {"shortTextPaddedWithZeros", 0x4080, {0x00, 0x40, 0x80}},
        {"checkerColorB", 0xBCA9BF, {188, 169, 191}},
        {"windowColorA", 0xFFC0C0, {0xFF, 0xC0, 0xC0}},
        {"longerTextKeepsFirstSix", 0x8000000F, {0x80, 0x00, 0x00}},
    };
    for (const auto& [name, color, parts] : rows)
        EXPECT_EQ(SplitColor(color), parts) << name;
}

TEST(PlanGradient, SevenHundredHighGetsThreePixelBandsAndNoFinalArea) {
    const auto fills = PlanGradient(QSize(300, 700), 0xFFC0C0, 0xC0E0FF, GradientVertical);
    // Bands 0..232 are whole, band 233 keeps its last row, the rest lie above the window.
    ASSERT_EQ(fills.size(), 234u);
    EXPECT_EQ(fills[0].rect, QRect(0, 697, 300, 3));
    EXPECT_EQ(fills[232].rect, QRect(0, 1, 300, 3));
    EXPECT_EQ(fills[233].rect, QRect(0, 0, 300, 1));
    EXPECT_NE(fills[233].color, colorOf(0xFFC0C0));
}

TEST(PlanGradient, CornerPaintsABottomStripThenAFullHeightRightStrip) {
    const auto fills = PlanGradient(QSize(600, 512), 0xFFFFFF, 0x000000, GradientCorner);
    // 256 bands of two strips; band 256 and the final fill have no area left.
    ASSERT_EQ(fills.size(), 512u);
    EXPECT_EQ(fills[0].rect, QRect(0, 510, 600, 2));
    EXPECT_EQ(fills[1].rect, QRect(598, 0, 2, 512));
    EXPECT_EQ(fills[2].rect, QRect(0, 508, 598, 2));
    EXPECT_EQ(fills[3].rect, QRect(596, 0, 2, 510));
    EXPECT_EQ(fills.back().rect, QRect(88, 0, 2, 2));
    EXPECT_EQ(fills.back().color, QColor(254, 254, 254));
}

TEST(GradientWidget, ChildPaintsItsGradientOverItsOwnSize) {
    QWidget host;
    host.resize(400, 700);
    auto* backdrop = new GradientWidget(kPicture3Gradient, &host);
    backdrop->setGeometry(10, 10, 300, 600);
    const QImage shot = backdrop->grab().toImage();
    EXPECT_EQ(shot.pixelColor(150, 599), colorOf(kPicture3Gradient.colorB));
    EXPECT_EQ(shot.pixelColor(150, 0), colorOf(kPicture3Gradient.colorA));

    backdrop->setGradient(kCheckerGradient);
    const QImage recolored = backdrop->grab().toImage();
    EXPECT_EQ(recolored.pixelColor(150, 599), colorOf(kCheckerGradient.colorB));
}

} // namespace
