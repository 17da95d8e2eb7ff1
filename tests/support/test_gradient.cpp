#include "gradient.h"
#include "gradientwidget.h"
#include "test_support.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const QColor& c, std::ostream* os) {
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace {

// 0x00BBGGRR -> QColor
QColor colourOf(quint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

TEST(HexDigitValue, ReadsUpperCaseHexAndZeroForAnythingElse) {
    struct Row {
        const char* name;
        char16_t c;
        int value;
    };
    const Row rows[] = {
        {"zero", u'0', 0},   {"nine", u'9', 9},    {"upperA", u'A', 10}, {"upperF", u'F', 15},
        {"lowerA", u'a', 0}, {"letterG", u'G', 0}, {"space", u' ', 0},   {"minus", u'-', 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(HexDigitValue(QChar(row.c)), row.value) << row.name;
}

TEST(SplitColour, ReadsBlueGreenRedFromSixCharacterField) {
    struct Row {
        const char* name;
        quint32 colour;
        ColourParts parts;
    };
    const Row rows[] = {
        {"shortTextPaddedWithZeros", 0x4080, {0x00, 0x40, 0x80}},
        {"black", 0x0, {0, 0, 0}},
        {"checkerColourB", 0xBCA9BF, {188, 169, 191}},
        {"windowColourA", 0xFFC0C0, {0xFF, 0xC0, 0xC0}},
        {"longerTextKeepsFirstSix", 0x8000000F, {0x80, 0x00, 0x00}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SplitColour(row.colour), row.parts) << row.name;
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    struct Row {
        const char* name;
        double in;
        double out;
    };
    const Row rows[] = {
        {"halfDown", 0.5, 0.0},  {"oneAndHalfUp", 1.5, 2.0}, {"twoAndHalfDown", 2.5, 2.0},
        {"below", 2.34375, 2.0}, {"above", 2.734375, 3.0},   {"negativeTie", -1.5, -2.0},
        {"exact", 7.0, 7.0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RoundHalfEven(row.in), row.out) << row.name;
}

TEST(PlanGradient, SixHundredHighGetsTwoPixelBandsAndColourAOverTheTop) {
    const auto fills = PlanGradient(QSize(300, 600), 0xFFC0C0, 0xC0E0FF, GradientVertical);
    ASSERT_EQ(fills.size(), 258u);
    EXPECT_EQ(fills[0].rect, QRect(0, 598, 300, 2));
    EXPECT_EQ(fills[0].colour, colourOf(0xC0E0FF));
    // Band 128 lies half-way: 255 - 31.5 = 223.5 rounds to 224 for red and blue.
    EXPECT_EQ(fills[128].rect, QRect(0, 342, 300, 2));
    EXPECT_EQ(fills[128].colour, QColor(224, 208, 224));
    EXPECT_EQ(fills[256].rect, QRect(0, 86, 300, 2));
    EXPECT_EQ(fills[256].colour, colourOf(0xFFC0C0));
    EXPECT_EQ(fills[257].rect, QRect(0, 0, 300, 86));
    EXPECT_EQ(fills[257].colour, colourOf(0xFFC0C0));
}

TEST(PlanGradient, SevenHundredHighGetsThreePixelBandsAndNoFinalArea) {
    const auto fills = PlanGradient(QSize(300, 700), 0xFFC0C0, 0xC0E0FF, GradientVertical);
    // Bands 0..232 are whole, band 233 keeps its last row, the rest lie above the window.
    ASSERT_EQ(fills.size(), 234u);
    EXPECT_EQ(fills[0].rect, QRect(0, 697, 300, 3));
    EXPECT_EQ(fills[232].rect, QRect(0, 1, 300, 3));
    EXPECT_EQ(fills[233].rect, QRect(0, 0, 300, 1));
    EXPECT_NE(fills[233].colour, colourOf(0xFFC0C0));
}

TEST(PlanGradient, ComponentsRoundTiesToEven) {
    // Red climbs by 1/256 per band: band 128 is 0.5 (-> 0), band 129 just above (-> 1).
    const auto fills = PlanGradient(QSize(10, 600), 0x000001, 0x000000, GradientVertical);
    ASSERT_EQ(fills.size(), 258u);
    EXPECT_EQ(fills[127].colour.red(), 0);
    EXPECT_EQ(fills[128].colour.red(), 0);
    EXPECT_EQ(fills[129].colour.red(), 1);
}

TEST(PlanGradient, SolidFills) {
    struct Row {
        const char* name;
        QSize size;
        quint32 a;
        quint32 b;
        int direction;
        size_t fillCount;
    };
    const Row rows[] = {
        {"unknownDirection", QSize(300, 600), 0xFFC0C0, 0xC0E0FF, 5, 1},
        {"lowWindowHasZeroBands", QSize(300, 128), 0xFFC0C0, 0xC0E0FF, GradientVertical, 1},
        {"equalColours", QSize(300, 600), 0x123456, 0x123456, GradientVertical, 258},
        {"equalColoursCorner", QSize(300, 600), 0x123456, 0x123456, GradientCorner, 515},
    };
    for (const Row& row : rows) {
        const auto fills = PlanGradient(row.size, row.a, row.b, row.direction);
        ASSERT_EQ(fills.size(), row.fillCount) << row.name;
        for (const GradientFill& f : fills)
            EXPECT_EQ(f.colour, colourOf(row.a)) << row.name;
        if (row.fillCount == 1) {
            EXPECT_EQ(fills[0].rect, QRect(QPoint(0, 0), row.size)) << row.name;
        }
    }
}

TEST(PlanGradient, HorizontalBandsStartAtTheRightEdge) {
    const auto fills = PlanGradient(QSize(640, 50), 0x0000FF, 0xFF0000, GradientHorizontal);
    ASSERT_EQ(fills.size(), 258u);
    EXPECT_EQ(fills[0].rect, QRect(638, 0, 2, 50));
    EXPECT_EQ(fills[0].colour, QColor(0, 0, 255));
    EXPECT_EQ(fills[257].rect, QRect(0, 0, 126, 50));
    EXPECT_EQ(fills[257].colour, QColor(255, 0, 0));
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
    EXPECT_EQ(fills.back().colour, QColor(254, 254, 254));
}

TEST(PaintGradient, ImageShowsColourBAtTheBottomAndColourAAtTheTop) {
    QImage image(120, 600, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    {
        QPainter painter(&image);
        PaintGradient(painter, image.size(), kPicture4Gradient.colourA, kPicture4Gradient.colourB,
                      kPicture4Gradient.direction);
    }
    EXPECT_EQ(image.pixelColor(60, 599), colourOf(kPicture4Gradient.colourB));
    EXPECT_EQ(image.pixelColor(60, 0), colourOf(kPicture4Gradient.colourA));
    EXPECT_EQ(image.pixelColor(0, 85), colourOf(kPicture4Gradient.colourA));
}

TEST(GradientWidget, ChildPaintsItsGradientOverItsOwnSize) {
    QWidget host;
    host.resize(400, 700);
    auto* backdrop = new GradientWidget(kPicture3Gradient, &host);
    backdrop->setGeometry(10, 10, 300, 600);
    const QImage shot = backdrop->grab().toImage();
    testsupport::saveScreenshot(backdrop, "gradient_widget_picture3");
    EXPECT_EQ(shot.pixelColor(150, 599), colourOf(kPicture3Gradient.colourB));
    EXPECT_EQ(shot.pixelColor(150, 0), colourOf(kPicture3Gradient.colourA));

    backdrop->setGradient(kCheckerGradient);
    const QImage recoloured = backdrop->grab().toImage();
    EXPECT_EQ(recoloured.pixelColor(150, 599), colourOf(kCheckerGradient.colourB));
}

TEST(GradientWidget, ClientBackdropMeasuresTheWindowFrame) {
    QWidget window;
    window.resize(300, 600);
    auto* backdrop = new GradientWidget(kGameWindowGradient, &window);
    backdrop->setMeasuresWindowFrame(true);
    backdrop->setGeometry(0, 20, 300, 580); // below a 20-pixel menu bar
    const QImage shot = backdrop->grab().toImage();
    const QSize outer = GradientOuterSize(&window);
    ASSERT_EQ(outer, QSize(300, 600));
    const auto fills = PlanGradient(outer, kGameWindowGradient.colourA, kGameWindowGradient.colourB,
                                    GradientVertical);
    // Drawing starts at the client's top, so the bottom 20 rows of the plan are cut off:
    // the lowest visible row is band 10, not colour B.
    EXPECT_EQ(fills[10].rect, QRect(0, 578, 300, 2));
    EXPECT_EQ(shot.pixelColor(150, 579), fills[10].colour);
    EXPECT_NE(shot.pixelColor(150, 579), colourOf(kGameWindowGradient.colourB));
    EXPECT_EQ(shot.pixelColor(150, 0), colourOf(kGameWindowGradient.colourA));
}

} // namespace
