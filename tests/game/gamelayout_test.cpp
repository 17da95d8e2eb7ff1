#include "gamelayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

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

LayoutInput windowOf(int widthPx, int heightPx) {
    LayoutInput in;
    in.winWidth = LayoutTwips(widthPx, 15);
    in.winHeight = LayoutTwips(heightPx, 15);
    in.capB = 270;
    in.menuH = 300;
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
    const std::tuple<const char*, QRectF, QRectF> rows[] = {
        {"Picture4", l.Picture4, QRectF(90, 120, 11760, 3600)},
        {"Picture3", l.Picture3, QRectF(3480, 60, 4800, 2520)},
        {"Picture2", l.Picture2, QRectF(150, 150, 4500, 2220)},
        {"lbTarget", l.lbTarget, QRectF(30, 30, 4440, 2160)},
        {"Label2_0", l.Label2[0], QRectF(30, 2490, slot, 1050)},
        // The slots end 50 twips short of Picture4's right edge.
        {"Label2_5", l.Label2[5], QRectF(11710 - slot, 2490, slot, 1050)},
        {"lbinst", l.lbinst, QRectF(90, 3780, 8040, 495)},
        {"cmdAnswer", l.cmdAnswer, QRectF(90, 3780, 3000, 615)},
        {"LBa", l.LBa, QRectF(3150, 3787.5, 4200, 600)},
        {"cmdVarify", l.cmdVarify, QRectF(3150, 3780, 2400, 615)},
        {"btnPick_0", l.btnPick[0], QRectF(90, 4275, 807, 1345)},
        {"Command1", l.Command1, QRectF(3438, 7025, 4992, 1345)},
        {"cp1", l.cp1, QRectF(8430, 3720, 3420, 4650)},
        {"List1", l.List1, QRectF(90, 4495, 8140, 2480)},
        {"lbPoints", l.lbPoints, QRectF(30, 30, 3330, 2430)},
    };
    for (const auto& [name, actual, expected] : rows)
        expectNear(actual, expected, name);
    EXPECT_EQ(l.cp1Radius, 104);
}

TEST(PositionControls, FontsFitEachWindowFromTheDesignedSizes) {
    // At 800 x 600, 1050 and 2160 twips hold 45 and 93 points; 1600 x 1200 holds the designed
    // 72 and 120. In window order: shrinking and growing again gives the fonts of a fresh fit.
    struct Row {
        const char* name;
        int width, height;
        const char* widest;
        int number, target, shown;
    };
    const Row rows[] = {
        {"Large", 1600, 1200, "999", 72, 120, 120},
        {"Shrunk", 800, 600, "999", 45, 93, 93},
        {"GrownAgain", 1600, 1200, "999", 72, 120, 120},
        {"StoredRangeDownTo-32768", 800, 600, "-32768", 45, 93, 61}, // 6 x 0.6 x 61 x 20 <= 4440
        {"FiveDigitsSetByHand", 800, 600, "32767", 45, 93, 74},      // 5 x 0.6 x 74 x 20 = 4440
    };
    for (const Row& row : rows) {
        LayoutInput in = windowOf(row.width, row.height);
        in.widestTarget = QString::fromLatin1(row.widest);
        const GameLayout l = PositionControls(in, lineHeight, charWidth);
        EXPECT_EQ(l.numberFontSize, row.number) << row.name;
        EXPECT_EQ(l.targetFontSize, row.target) << row.name;
        EXPECT_EQ(l.targetShownSize, row.shown) << row.name;
    }
}

// The captions and the report as the game measures them at 96 DPI, in English and in German:
// a button grows to its caption, and the row still ends left of the clock.
TEST(PositionControls, CaptionsOfEachLanguageFitBesideTheClock) {
    struct Row {
        const char* name;
        double answer, varify, report;
        double answerWidth, varifyLeft;
    };
    const Row rows[] = {
        {"English", 2910, 1605, 4635, 3000, 3150},
        {"German", 3120, 3225, 4290, 3120, 3270},
    };
    for (const Row& row : rows) {
        LayoutInput in = windowOf(800, 600);
        in.answerCaptionWidth = row.answer;
        in.varifyCaptionWidth = row.varify;
        in.reportSize = QSizeF(row.report, 540);
        const GameLayout l = PositionControls(in, lineHeight, charWidth);
        EXPECT_NEAR(l.cmdAnswer.width(), row.answerWidth, 0.01) << row.name;
        EXPECT_NEAR(l.cmdVarify.left(), row.varifyLeft, 0.01) << row.name;
        EXPECT_GE(l.cmdVarify.width(), row.varify) << row.name;
        EXPECT_GE(l.LBa.width(), row.report) << row.name;
        EXPECT_LE(std::max(l.LBa.right(), l.cmdVarify.right()), l.List1.right()) << row.name;
    }
}

// At 144 and 192 logical DPI the designed fonts take more pixels: the smallest window grows
// so that every control lies in its client area, as at 96 DPI, and the report ("Search
// Stopped at combination 1267200" and two lines of bold 12 pt) shows whole above the list.
TEST(PositionControls, SmallestWindowHoldsEveryControlAtAnyDpi) {
    const std::tuple<const char*, double, QSize> rows[] = {
        {"96dpi", 15, QSize(800, 600)},
        {"144dpi", 10, QSize(1200, 900)},
        {"192dpi", 7.5, QSize(1600, 1200)},
    };
    for (const auto& [name, perPixel, minimum] : rows) {
        const QSize window = MinimumWindowPixels(perPixel, perPixel);
        EXPECT_EQ(window, minimum) << name;
        LayoutInput in = windowOf(0, 0);
        in.winWidth = LayoutTwips(window.width(), perPixel);
        in.winHeight = LayoutTwips(window.height(), perPixel);
        in.twipsPerPixelX = in.twipsPerPixelY = perPixel;
        in.reportSize = QSizeF(4650, 540);
        const GameLayout l = PositionControls(in, lineHeight, charWidth);
        const QRectF client(0, 0, in.winWidth, in.winHeight - in.capB - in.menuH);
        for (const QRectF& r :
             {l.Picture4, l.lbinst, l.LBa, l.cmdVarify, l.btnPick[23], l.Command1, l.cp1, l.List1})
            EXPECT_TRUE(client.contains(r)) << name;
        EXPECT_LE(2 * l.cp1Radius, l.cp1.width() / perPixel) << name;
        EXPECT_TRUE(l.LBa.width() >= 4650 && l.LBa.height() >= 540) << name;
        EXPECT_LE(l.LBa.bottom(), l.List1.top()) << name;
        EXPECT_LE(l.LBa.right(), l.List1.right()) << name;
    }
}

TEST(GuardResize, KeepsANormalWindowAtLeast800By600) {
    // name, show state, outer size, whether to resize, to what size, whether to lay out
    const std::tuple<const char*, WindowShowState, QSize, bool, QSize, bool> rows[] = {
        {"narrowNormal", WindowShowState::Normal, QSize(500, 700), true, QSize(800, 700), true},
        {"smallNormal", WindowShowState::Normal, QSize(300, 200), true, QSize(800, 600), true},
        {"exactlyMinimum", WindowShowState::Normal, QSize(800, 600), false, QSize(800, 600), true},
        {"maximisedAsIs", WindowShowState::Maximised, QSize(500, 400), false, QSize(), true},
        {"minimised", WindowShowState::Minimised, QSize(160, 30), false, QSize(), false},
    };
    for (const auto& [name, state, outer, resize, target, layout] : rows) {
        const ResizeGuard guard = GuardResize(state, outer);
        EXPECT_EQ(std::tuple(guard.resize, guard.layout), std::tuple(resize, layout)) << name;
        if (resize) {
            EXPECT_EQ(guard.outerPixels, target) << name;
        }
    }
}

} // namespace
