#pragma once

#include "colorvalue.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

// Pure geometry and colour rules of the bkCProg gauge. Colours are plain 0x00BBGGRR values,
// angles whole degrees along the scale (0 = start of the scale), lengths pixels.
namespace gauge {

// The tick marks, numbered as saved designs store them. A stored number outside these is
// kept: it sizes the face as ticks do and draws no marks.
enum class TickStyle : std::int32_t {
    None = 0,
    Lines = 1,
    FilledDots = 2,
    HollowDots = 3,
    FilledSquares = 4,
    HollowSquares = 5,
};
// Where the ticks stand on the rim; a stored number outside these counts as Inside.
enum class TickPosition : std::int32_t { Inside = 0, Outside = 1, Centred = 2 };

// Where the scale sits on screen.
struct Frame {
    int xCenter = 0;
    int yCenter = 0;
    int offsetAngle = 0; // degrees clockwise from straight up where the scale starts
    bool clockwise = true;
};

// Pixel point at radius r and scale angle a, truncated toward zero.
QPoint pointAtAngle(const Frame& frame, int r, std::int64_t a);

// B at t <= 0, A at t >= 1, channels blended in between (nearest, ties to even).
ColorValue blendColor(float t, ColorValue a, ColorValue b);

struct Colors {
    ColorValue start = 0;
    ColorValue mid = 0;
    ColorValue end = 0;
    bool tricolor = true;
};

// The gradient colour at fraction t of the scale.
ColorValue colorAtFraction(float t, const Colors& colors);

// Width of the spokes that draw the circle, the arc and the needle.
int spokeWidth(int radius);

// Radius that the spokes reach: inside the border when one is drawn.
int innerRadius(int radius, bool showBorder, int borderWidth);

// The span that drawing uses: the setter's normalisation (45..360), so that a stored design
// with a span the setter would not have produced still draws.
int normalizedSpan(int span);
// 0..359.
int normalizedOffsetAngle(int angle);

// Filled part of a full turn: (value - min) / (max - min), scaled by span / 360. An empty
// range (max == min) counts as nothing filled.
float filledFraction(int value, int min, int max, int span);

// Nearest whole number, ties to even, clamped to the 32-bit range.
std::int64_t roundEven(double v);

struct TickRadii {
    int rt = 0;  // line start, or the centre of a mark
    int rt2 = 0; // line end (Lines only)
};
TickRadii tickRadii(TickStyle style, TickPosition position, int r0, int tickSize);

// Scale angles of the ticks: one every `tickFrequency` units of value over min..max, from 0 up
// to span (359 for a full turn). Empty when the step is not positive or not finite; a step of
// under a hundredth of a degree puts a tick on every whole degree. No angle is repeated.
std::vector<int> tickAngles(float tickFrequency, int min, int max, int span);

// The value text: "25%" as a percentage of the range, else the value in decimal digits.
QString valueText(int value, int min, int max, bool asPercent);

struct AutoSize {
    int xCenter = 0;
    int yCenter = 0;
    int radius = 0;
};
// Centre and radius that fit the gauge, its border and its ticks into the control.
AutoSize computeAutoSize(int innerWidth, int innerHeight, int outerWidth, int outerHeight,
                         int borderWidth, TickStyle tickStyle, TickPosition tickPosition,
                         int tickSize);

// Stored twips -> pixels. With a whole number of twips per pixel: both rounded to whole
// numbers and the quotient truncated (2130 twips at 15 -> 142). Otherwise the nearest pixel,
// so that a design written at a fractional scale reads back unchanged.
int twipsToPixels(double twips, double twipsPerPixel);

} // namespace gauge
