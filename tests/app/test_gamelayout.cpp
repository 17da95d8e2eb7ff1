#include "gamelayout.h"

#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const QRectF& r, std::ostream* os) {
    *os << "QRectF(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

using namespace gamelayout;

namespace {

// Twips are 1/20 point; a line takes 1.15 times the point size.
double lineHeight(int pointSize, const QString&) {
    return pointSize * 20 * 1.15;
}

// Every character 0.6 of the point size wide.
double charWidth(int pointSize, const QString& text) {
    return pointSize * 20 * 0.6 * static_cast<double>(text.size());
}

LayoutInput windowOf(int widthPx, int heightPx, int targetFont = 120, int numberFont = 72) {
    LayoutInput in;
    in.winWidth = LayoutTwips(widthPx, 15);
    in.winHeight = LayoutTwips(heightPx, 15);
    in.capB = 270;
    in.menuH = 300;
    in.targetFontSize = targetFont;
    in.numberFontSize = numberFont;
    return in;
}

void expectNear(const QRectF& actual, const QRectF& expected, const char* name) {
    EXPECT_NEAR(actual.x(), expected.x(), 0.01) << name;
    EXPECT_NEAR(actual.y(), expected.y(), 0.01) << name;
    EXPECT_NEAR(actual.width(), expected.width(), 0.01) << name;
    EXPECT_NEAR(actual.height(), expected.height(), 0.01) << name;
}

TEST(PositionControls, EightHundredBySixHundredWindow) {
    const GameLayout l = PositionControls(windowOf(800, 600), lineHeight, charWidth);
    const double slot = (11760.0 - 230) / 6;
    struct Row {
        const char* name;
        QRectF actual;
        QRectF expected;
    };
    const Row rows[] = {
        {"Picture4", l.Picture4, QRectF(90, 120, 11760, 3600)},
        {"Picture3", l.Picture3, QRectF(3480, 60, 4800, 2520)},
        {"Picture2", l.Picture2, QRectF(150, 150, 4500, 2220)},
        {"lbTarget", l.lbTarget, QRectF(30, 30, 4440, 2160)},
        {"Label2_0", l.Label2[0], QRectF(30, 2490, slot, 1050)},
        {"Label2_5", l.Label2[5], QRectF(30 + 5 * (slot + 30), 2490, slot, 1050)},
        {"lbinst", l.lbinst, QRectF(90, 3780, 8040, 495)},
        {"cmdAnswer", l.cmdAnswer, QRectF(90, 3780, 3000, 615)},
        {"LBa", l.LBa, QRectF(3150, 3787.5, 4200, 600)},
        {"cmdVarify", l.cmdVarify, QRectF(3150, 3780, 2400, 615)},
        {"btnPick_0", l.btnPick[0], QRectF(90, 4275, 807, 1345)},
        {"Command1", l.Command1, QRectF(3438, 7025, 4992, 1345)},
        {"cp1", l.cp1, QRectF(8430, 3720, 3420, 4650)},
        {"List1", l.List1, QRectF(90, 4495, 8140, 2480)},
    };
    for (const Row& row : rows)
        expectNear(row.actual, row.expected, row.name);
    EXPECT_EQ(l.cp1Radius, 104);
    // The slots end 50 twips short of Picture4's right edge.
    EXPECT_NEAR(l.Label2[5].right(), 11710, 0.01);
}

TEST(PositionControls, PickButtonsFormTenColumnsWithTheThirdRowUnderTheFirstFour) {
    const GameLayout l = PositionControls(windowOf(800, 600), lineHeight, charWidth);
    for (int i = 0; i < 24; ++i) {
        const int row = i / 10;
        const int column = i % 10;
        expectNear(l.btnPick[i], QRectF(90 + column * 837, 4275 + row * 1375, 807, 1345),
                   ("btnPick_" + std::to_string(i)).c_str());
    }
    EXPECT_DOUBLE_EQ(l.Command1.left(), l.btnPick[23].right() + 30);
    EXPECT_DOUBLE_EQ(l.Command1.right(), l.btnPick[19].right());
    EXPECT_DOUBLE_EQ(l.Command1.bottom(), l.btnPick[23].bottom());
    EXPECT_DOUBLE_EQ(l.cp1.left(), l.btnPick[19].right());
    EXPECT_DOUBLE_EQ(l.cp1.right(), l.Picture4.right());
}

TEST(PositionControls, ClockRadiusFollowsTheSmallerSide) {
    struct Row {
        const char* name;
        int widthPx;
        int heightPx;
        int radius;
    };
    const Row rows[] = {
        {"widthSmaller", 800, 600, 104},          // 228 x 310 px
        {"heightSmaller", 1600, 600, 21},         // 476 x 62 px
        {"gridSqueezedToNothing", 1600, 560, 10}, // buttons 0 high: 41 px left for the clock
        {"noRoomForAClock", 20, 20, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(
            PositionControls(windowOf(row.widthPx, row.heightPx), lineHeight, charWidth).cp1Radius,
            row.radius)
            << row.name;
}

TEST(PositionControls, FontsOnlyShrinkAcrossResizes) {
    // Designed fonts in an 800 x 600 window: 1050 and 2160 twips fit 45 and 93 points.
    const GameLayout first = PositionControls(windowOf(800, 600), lineHeight, charWidth);
    EXPECT_EQ(first.numberFontSize, 45);
    EXPECT_EQ(first.targetFontSize, 93);

    // A larger window would hold the designed sizes, but the fitted ones stay.
    const GameLayout fresh = PositionControls(windowOf(1600, 1200), lineHeight, charWidth);
    EXPECT_EQ(fresh.numberFontSize, 72);
    EXPECT_EQ(fresh.targetFontSize, 120);
    const GameLayout grown = PositionControls(
        windowOf(1600, 1200, first.targetFontSize, first.numberFontSize), lineHeight, charWidth);
    EXPECT_EQ(grown.numberFontSize, 45);
    EXPECT_EQ(grown.targetFontSize, 93);

    const GameLayout shrunk = PositionControls(
        windowOf(800, 600, grown.targetFontSize, grown.numberFontSize), lineHeight, charWidth);
    EXPECT_EQ(shrunk.numberFontSize, 45);
    EXPECT_EQ(shrunk.targetFontSize, 93);
}

TEST(PositionControls, ReportAndWidestTargetShowWholeAtTheSmallestWindow) {
    LayoutInput in = windowOf(800, 600);
    // "Search Stopped at combination 1267200" and two lines of bold 12 pt.
    in.reportSize = QSizeF(4650, 540);
    in.widestTarget = QStringLiteral("-32768");
    const GameLayout l = PositionControls(in, lineHeight, charWidth);
    EXPECT_GE(l.LBa.width(), 4650.0);
    EXPECT_GE(l.LBa.height(), 540.0);
    EXPECT_LE(l.LBa.right(), l.List1.right());
    EXPECT_LE(l.LBa.bottom(), l.List1.top());
    // The target shows smaller; the next fit still starts from the height fit.
    EXPECT_EQ(l.targetFontSize, 93);
    EXPECT_EQ(l.targetShownSize, 61); // 6 x 0.6 x 61 x 20 = 4392 <= 4440
    const GameLayout threeDigits = PositionControls(windowOf(800, 600), lineHeight, charWidth);
    EXPECT_EQ(threeDigits.targetShownSize, 93);
}

TEST(PositionControls, FontFitsStopAtOnePoint) {
    // A maximised window on a tiny screen leaves no room for text at all.
    const GameLayout l = PositionControls(windowOf(20, 20), lineHeight, charWidth);
    EXPECT_EQ(l.numberFontSize, kSmallestFontSize);
    EXPECT_EQ(l.targetFontSize, kSmallestFontSize);
    EXPECT_GE(l.List1.height(), 0.0);
    EXPECT_GE(l.btnPick[0].height(), 0.0);
}

TEST(PositionControls, FitsTheTextAsMeasured) {
    const auto measurer = [](int pointSize, const QString& text) {
        // The target measures "999", the slots "100"; each grows 10 twips per point.
        return text == QStringLiteral("999") ? pointSize * 10.0 + 2000 : pointSize * 10.0;
    };
    const GameLayout l = PositionControls(windowOf(800, 600), measurer, charWidth);
    EXPECT_EQ(l.targetFontSize, 16); // 2160 - 2000 = 160 twips
    EXPECT_EQ(l.numberFontSize, 72); // 720 <= 1050
}

TEST(GuardResize, KeepsANormalWindowAtLeast800By600) {
    struct Row {
        const char* name;
        WindowShowState state;
        QSize outer;
        bool resize;
        QSize target;
        bool layout;
    };
    const Row rows[] = {
        {"narrowNormal", WindowShowState::Normal, QSize(500, 700), true, QSize(800, 700), true},
        {"lowNormal", WindowShowState::Normal, QSize(1000, 450), true, QSize(1000, 600), true},
        {"smallNormal", WindowShowState::Normal, QSize(300, 200), true, QSize(800, 600), true},
        {"exactlyMinimum", WindowShowState::Normal, QSize(800, 600), false, QSize(800, 600), true},
        {"maximisedAsIs", WindowShowState::Maximised, QSize(500, 400), false, QSize(), true},
        {"minimised", WindowShowState::Minimised, QSize(160, 30), false, QSize(), false},
    };
    for (const Row& row : rows) {
        const ResizeGuard guard = GuardResize(row.state, row.outer);
        EXPECT_EQ(guard.resize, row.resize) << row.name;
        EXPECT_EQ(guard.layout, row.layout) << row.name;
        if (row.resize) {
            EXPECT_EQ(guard.outerPixels, row.target) << row.name;
        }
    }
}

TEST(TwipsToPixels, RoundsEdgesSoNeighboursKeepTheirGaps) {
    const GameLayout l = PositionControls(windowOf(800, 600), lineHeight, charWidth);
    struct Row {
        const char* name;
        QRectF twips;
        QRect pixels;
    };
    const Row rows[] = {
        {"Picture4", l.Picture4, QRect(6, 8, 784, 240)},
        {"Label2_0", l.Label2[0], QRect(2, 166, 128, 70)},
        {"Label2_1", l.Label2[1], QRect(132, 166, 128, 70)},
        {"Label2_5", l.Label2[5], QRect(653, 166, 128, 70)},
        {"btnPick_1", l.btnPick[1], QRect(62, 285, 54, 90)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TwipsToPixels(row.twips, 15, 15), row.pixels) << row.name;
}

TEST(LayoutTwips, RoundsTiesToEven) {
    EXPECT_EQ(LayoutTwips(800, 15), 12000);
    EXPECT_EQ(LayoutTwips(1, 12.5), 12);
    EXPECT_EQ(LayoutTwips(3, 12.5), 38);
}

} // namespace
