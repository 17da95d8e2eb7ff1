#include "gamelayout.h"

#include "rounding.h"

#include <algorithm>
#include <cmath>

namespace gamelayout {

namespace {

// Controls hold positions as single-precision values and never a negative size.
double single(double value) {
    return static_cast<float>(value);
}

QRectF rect(double left, double top, double width, double height) {
    return QRectF(single(left), single(top), single(std::max(width, 0.0)),
                  single(std::max(height, 0.0)));
}

double right(const QRectF& r) {
    return r.left() + r.width();
}
double bottom(const QRectF& r) {
    return r.top() + r.height();
}

// The largest size from `size` down at which measure(size, text) <= room.
int fitFont(int size, const QString& text, double room,
            const std::function<double(int, const QString&)>& measure) {
    size = std::max(size, kSmallestFontSize);
    while (size > kSmallestFontSize && measure(size, text) > room)
        --size;
    return size;
}

} // namespace

int LayoutTwips(int pixels, double twipsPerPixel) {
    return static_cast<int>(RoundHalfEven(pixels * twipsPerPixel));
}

QRect TwipsToPixels(const QRectF& twips, double twipsPerPixelX, double twipsPerPixelY) {
    const auto px = [](double v, double per) { return static_cast<int>(std::lround(v / per)); };
    const int left = px(twips.left(), twipsPerPixelX);
    const int top = px(twips.top(), twipsPerPixelY);
    const int right = px(twips.left() + twips.width(), twipsPerPixelX);
    const int bottom = px(twips.top() + twips.height(), twipsPerPixelY);
    return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

GameLayout PositionControls(const LayoutInput& in, const TextHeightMeasurer& textHeight,
                            const TextWidthMeasurer& textWidth) {
    const double W = in.winWidth;
    const double H = in.winHeight;
    const LayoutDesign& d = in.design;
    GameLayout out;

    // The number panel; it measures in the slots' font.
    out.Picture4 = rect(H * 0.01, W * 0.01, W - W * 0.02, W * 0.3);
    const QRectF& p4 = out.Picture4;

    // The target panel over the upper part of Picture4, and its frame.
    {
        const double height = single(p4.height() * 0.7);
        out.Picture3 =
            rect((p4.width() - d.picture3Width) / 2, p4.top() / 2, d.picture3Width, height);
    }
    const QRectF& p3 = out.Picture3;
    out.Picture2 = rect(150, 150, p3.width() - 300, p3.height() - 300);

    // The target label and its font.
    out.lbTarget = rect(30, 30, out.Picture2.width() - 60, out.Picture2.height() - 60);
    out.targetFontSize =
        fitFont(d.targetFontSize, QStringLiteral("999"), out.lbTarget.height(), textHeight);
    // A longer target is shown smaller.
    out.targetShownSize =
        fitFont(out.targetFontSize, in.widestTarget, out.lbTarget.width(), textWidth);

    // The six number slots along the bottom of Picture4.
    {
        const double height = single(p4.height() - p3.height() - 30);
        const double top = single(p4.height() - height - 60);
        const double width = single((p4.width() - 230) / 6);
        out.Label2[0] = rect(30, top, width, height);
    }
    out.numberFontSize =
        fitFont(d.numberFontSize, QStringLiteral("100"), out.Label2[0].height(), textHeight);
    for (size_t i = 1; i < out.Label2.size(); ++i) {
        const QRectF& first = out.Label2[0];
        out.Label2[i] = rect(out.Label2[i - 1].left() + first.width() + 30, first.top(),
                             first.width(), first.height());
    }

    // Instructions, and the answer row that takes their place after a round.
    const double belowPanel = bottom(p4) + 60;
    out.lbinst = rect(p4.left(), belowPanel, W * kInstructionsWidthFactor, d.lbinstHeight);
    out.cmdAnswer = rect(p4.left(), belowPanel, std::max(d.cmdAnswerWidth, in.answerCaptionWidth),
                         d.cmdAnswerHeight);
    {
        const double width = std::max(d.lbaWidth, in.reportSize.width());
        const double height = std::max(d.lbaHeight, in.reportSize.height());
        out.LBa = rect(right(out.cmdAnswer) + 60,
                       out.cmdAnswer.top() + (out.cmdAnswer.height() - height) / 2, width, height);
    }
    out.cmdVarify = rect(out.LBa.left(), out.cmdAnswer.top(),
                         std::max(d.cmdVarifyWidth, in.varifyCaptionWidth), d.cmdVarifyHeight);

    // Ten columns of pick buttons; the third row holds four.
    {
        const double top = bottom(out.lbinst);
        const double height = single((H - top - in.capB - in.menuH - 120) / 3);
        out.btnPick[0] = rect(p4.left(), top, (W * kInstructionsWidthFactor + 30) / 10, height);
    }
    const QRectF& pick0 = out.btnPick[0];
    for (size_t i = 1; i < out.btnPick.size(); ++i) {
        if (i < 10) {
            const QRectF& before = out.btnPick[i - 1];
            out.btnPick[i] = rect(right(before) + 30, pick0.top(), pick0.width(), pick0.height());
        } else {
            const QRectF& above = out.btnPick[i - 10];
            out.btnPick[i] = rect(above.left(), above.top() + pick0.height() + 30, pick0.width(),
                                  pick0.height());
        }
    }

    // The round button fills the rest of the third row.
    {
        const QRectF& last = out.btnPick[23];
        const double left = single(right(last) + 30);
        out.Command1 = rect(left, last.top(), right(out.btnPick[19]) - left, last.height());
    }

    // The clock takes the space right of the grid, below Picture4.
    {
        const double height = single(bottom(out.Command1) - bottom(p4));
        const double width = single(right(p4) - right(out.Command1));
        out.cp1 = rect(right(p4) - width, bottom(p4), width, height);
        const double widthPx = out.cp1.width() / in.twipsPerPixelX;
        const double heightPx = out.cp1.height() / in.twipsPerPixelY;
        const double side = widthPx < heightPx ? widthPx : heightPx;
        out.cp1Radius = std::max(0, static_cast<int>(RoundHalfEven((side - 20) / 2)));
    }

    // The answer list over the grid, left of the clock.
    {
        const double top = single(bottom(out.cmdAnswer) + 100);
        out.List1 = rect(out.cmdAnswer.left(), top, out.cp1.left() - out.cmdAnswer.left() - 200,
                         out.Command1.top() - top - 50);
    }

    // The round's points, in Picture4 beside the target panel (which lies over Picture4).
    out.lbPoints = rect(30, 30, out.Picture3.left() - p4.left() - 60, out.Label2[0].top() - 60);
    return out;
}

QSize MinimumWindowPixels(double twipsPerPixelX, double twipsPerPixelY) {
    const auto side = [](int pixels, double twipsPerPixel) {
        if (!(twipsPerPixel > 0.0 && twipsPerPixel < 15.0))
            return pixels;
        return static_cast<int>(std::ceil(std::min(pixels * 15.0 / twipsPerPixel, 65535.0)));
    };
    return QSize(side(kMinimumWindowPixels.width(), twipsPerPixelX),
                 side(kMinimumWindowPixels.height(), twipsPerPixelY));
}

ResizeGuard GuardResize(WindowShowState state, QSize outerPixels, QSize minimumPixels) {
    ResizeGuard guard;
    switch (state) {
    case WindowShowState::Minimised:
        return guard;
    case WindowShowState::Maximised:
        guard.layout = true;
        return guard;
    case WindowShowState::Normal:
        break;
    }
    guard.layout = true;
    guard.outerPixels = outerPixels.expandedTo(minimumPixels);
    guard.resize = guard.outerPixels != outerPixels;
    return guard;
}

} // namespace gamelayout
