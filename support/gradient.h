#pragma once

#include "colorvalue.h"

#include <QChar>
#include <QColor>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <vector>

class QPainter;
class QWidget;

// Direction codes of a gradient; any other value paints a solid fill of colour A.
enum GradientDirection : int {
    GradientCorner = 0,
    GradientHorizontal = 1,
    GradientVertical = 2,
};

// Colour values are 0x00BBGGRR.
struct GradientColors {
    ColorValue colorA;
    ColorValue colorB;
    int direction;
};

// Backdrops of the game's windows: colour B at the bottom edge, colour A at the top.
inline constexpr GradientColors kGameWindowGradient{0xFFC0C0, 0xC0E0FF, GradientVertical};
inline constexpr GradientColors kPicture4Gradient{0xC0E0FF, 0x004080, GradientVertical};
inline constexpr GradientColors kPicture3Gradient{0x0080FF, 0xC0E0FF, GradientVertical};
inline constexpr GradientColors kCheckerGradient{0x404080, 0xBCA9BF, GradientVertical};

struct ColorParts {
    int blue = 0;
    int green = 0;
    int red = 0;
    friend bool operator==(const ColorParts&, const ColorParts&) = default;
};

// '0'..'9' -> 0..9, 'A'..'F' -> 10..15, anything else 0.
int HexDigitValue(QChar c);

// Splits a colour through its upper-case hexadecimal text, right-aligned in a field of six
// zeros (only the first six characters of a longer text count), read as blue, green, red.
ColorParts SplitColor(ColorValue color);

struct GradientFill {
    QRect rect;
    QColor color;
};

// The fills that paint a surface whose outer size is `outer` (pixels), in drawing order:
// 257 bands from the bottom/right edge (514 strips for the corner direction), then the rest
// of the area in colour A. Rectangles are clipped to `outer`; fills left empty are dropped.
std::vector<GradientFill> PlanGradient(QSize outer, ColorValue colorA, ColorValue colorB,
                                       int direction);

// The size a gradient is measured on: a window's frame size, a child widget's own size.
QSize GradientOuterSize(const QWidget* widget);

void PaintGradient(QPainter& painter, QSize outer, ColorValue colorA, ColorValue colorB,
                   int direction);
// Paints `window`'s gradient with `painter`, which draws on the window's own surface.
void PaintGradient(const QWidget* window, QPainter& painter, ColorValue colorA, ColorValue colorB,
                   int direction);
void PaintGradient(const QWidget* window, QPainter& painter, const GradientColors& colors);
