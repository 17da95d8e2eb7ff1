#pragma once

#include "colorvalue.h"

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>

// The main window's layout arithmetic: window size in, control rectangles (twips) out.
namespace gamelayout {

// Sizes (twips) that the layout keeps as designed; chosen for an 800 x 600 window at
// 15 twips per pixel.
struct LayoutDesign {
    double picture3Width = 4800;  // 320 px: room for "999" in the fitted target font
    double lbinstHeight = 495;    // 33 px: one line of bold 18 pt
    double cmdAnswerWidth = 3000; // 200 px: at least; grows to LayoutInput::answerCaptionWidth
    double cmdAnswerHeight = 615; // 41 px
    double lbaWidth = 4200;       // 280 px: at least; grows to LayoutInput::reportSize
    double lbaHeight = 600;       // 40 px: the two report lines
    double cmdVarifyWidth = 2400; // 160 px: at least; grows to LayoutInput::varifyCaptionWidth
    double cmdVarifyHeight = 615; // 41 px
    int targetFontSize = 120;     // lbTarget's point size, where each fit starts
    int numberFontSize = 72;      // Label2's
};

struct LayoutInput {
    int winWidth = 0;  // W: the window's outer width, twips
    int winHeight = 0; // H: the window's outer height, twips
    int capB = 0;      // caption-bar height allowance, twips
    int menuH = 0;     // menu-bar height, twips
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    // Twips that the widest report line and both lines take in LBa's font.
    QSizeF reportSize;
    // Twips that the answer button's widest caption ("Show Answer(s)", "Stop Search", "Search
    // Finished" or their translations) and the validate button's caption take, with the
    // buttons' margins.
    double answerCaptionWidth = 0;
    double varifyCaptionWidth = 0;
    // The widest target the round can show: of the stored range ("-32768" at most), or the
    // one on show (a round set by hand reaches "32767").
    QString widestTarget = QStringLiteral("999");
    LayoutDesign design;
};

// Height (or width) in twips of `text` set in the font at `pointSize` points.
using TextHeightMeasurer = std::function<double(int pointSize, const QString& text)>;
using TextWidthMeasurer = std::function<double(int pointSize, const QString& text)>;

// Slot background (red 6, green 120, blue 255).
inline constexpr ColorValue kSlotBackColor = 0xFF7806;
// The instructions, and the grid of pick buttons below them, span this part of the width.
inline constexpr double kInstructionsWidthFactor = 0.67;
inline constexpr int kSmallestFontSize = 1;

// Rectangles in twips, each relative to its container: Picture2 in Picture3, lbTarget in
// Picture2, Label2 and lbPoints in Picture4, everything else in the window's client area.
struct GameLayout {
    QRectF Picture4;
    QRectF Picture3;
    QRectF Picture2;
    QRectF lbTarget;
    std::array<QRectF, 6> Label2;
    QRectF lbinst;
    QRectF cmdAnswer;
    QRectF LBa;
    QRectF cmdVarify;
    std::array<QRectF, 24> btnPick;
    QRectF Command1;
    QRectF cp1;
    int cp1Radius = 0; // pixels
    QRectF List1;
    QRectF lbPoints;         // in Picture4: the room left of the target panel, above the slots
    int targetFontSize = 0;  // fitted point size for lbTarget: "999" fits its height
    int targetShownSize = 0; // at most targetFontSize: the widest target fits lbTarget's width
    int numberFontSize = 0;  // fitted point size for Label2(0..5)
};

// Places every control of the main window in proportion to its outer size. Each font fit
// starts from the designed size and stops at kSmallestFontSize, so that one window size
// always gives the same fonts.
GameLayout PositionControls(const LayoutInput& input, const TextHeightMeasurer& textHeight,
                            const TextWidthMeasurer& textWidth);

// Pixels -> twips as the layout's W and H are taken: rounded, ties to even.
int LayoutTwips(int pixels, double twipsPerPixel);

// A twips rectangle in pixels; the edges are rounded, so neighbours keep their gaps.
QRect TwipsToPixels(const QRectF& twips, double twipsPerPixelX, double twipsPerPixelY);

enum class WindowShowState { Normal, Minimised, Maximised };

inline constexpr QSize kMinimumWindowPixels{800, 600};

// 800 x 600 pixels, grown to 800 x 600 pixels of 15 twips (12000 x 9000 twips) on a screen of
// finer pixels (a higher logical DPI), where the designed fonts take more pixels.
QSize MinimumWindowPixels(double twipsPerPixelX, double twipsPerPixelY);

struct ResizeGuard {
    bool resize = false; // set the window's outer size to `outerPixels` first
    QSize outerPixels;
    bool layout = false; // then run PositionControls
};

// A normal window below the minimum (800 x 600 pixels) is set back to it; a maximised one is
// laid out as it is; a minimised one is left alone.
ResizeGuard GuardResize(WindowShowState state, QSize outerPixels,
                        QSize minimumPixels = kMinimumWindowPixels);

} // namespace gamelayout
