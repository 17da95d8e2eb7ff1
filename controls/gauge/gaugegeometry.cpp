#include "gaugegeometry.h"

#include "rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gauge {

namespace {

int channel(ColorValue c, int shift) {
    return int(c >> shift & 0xFF);
}

int clampToInt(double v) {
    if (!(v == v))
        return 0;
    return int(std::clamp(v, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

} // namespace

std::int64_t roundEven(double v) {
    return std::int64_t(RoundHalfEven(std::clamp(v, double(std::numeric_limits<int>::min()),
                                                 double(std::numeric_limits<int>::max()))));
}

QPoint pointAtAngle(const Frame& frame, int r, std::int64_t a) {
    const std::int64_t offset = frame.offsetAngle;
    const std::int64_t theta = frame.clockwise ? (offset + a) % 360 : (a - offset + 360) % 360;
    const double rho = double(theta) * (3.14159 / 180.0);
    const double dx = double(r) * std::sin(rho);
    const double x = frame.clockwise ? frame.xCenter + dx : frame.xCenter - dx;
    const double y = frame.yCenter - double(r) * double(float(std::cos(rho)));
    return QPoint(clampToInt(std::trunc(x)), clampToInt(std::trunc(y)));
}

ColorValue blendColor(float t, ColorValue a, ColorValue b) {
    if (t >= 1.0f)
        return a;
    if (t <= 0.0f)
        return b;
    const double u = t;
    ColorValue out = 0;
    for (int shift : {0, 8, 16}) {
        const double v = channel(b, shift) * (1.0 - u) + channel(a, shift) * u;
        out |= ColorValue(RoundHalfEven(v)) << shift;
    }
    return out;
}

ColorValue colorAtFraction(float t, const Colors& c) {
    if (!c.tricolor)
        return blendColor(t, c.end, c.start);
    if (t < 0.5f)
        return blendColor(t * 100.0f / 50.0f, c.mid, c.start);
    return blendColor((t * 100.0f - 50.0f) / 50.0f, c.end, c.mid);
}

int spokeWidth(int radius) {
    return radius > 16 ? radius / 48 + 2 : 1;
}

int innerRadius(int radius, bool showBorder, int borderWidth) {
    return showBorder ? radius - (borderWidth + 1) / 2 : radius;
}

int normalizedSpan(int span) {
    int s = span % 360;
    if (s < 0)
        s += 360;
    if (s == 0 && span > 0)
        s = 360;
    return std::max(s, 45);
}

int normalizedOffsetAngle(int angle) {
    const int a = angle % 360;
    return a < 0 ? a + 360 : a;
}

float filledFraction(int value, int min, int max, int span) {
    const double range = double(max) - double(min);
    if (range == 0.0)
        return 0.0f;
    const float f = float((double(value) - double(min)) / range);
    return span == 360 ? f : float(double(f) * (double(span) / 360.0));
}

TickRadii tickRadii(TickStyle style, TickPosition position, int r0, int tickSize) {
    const int half = int(roundEven(tickSize / 2.0));
    if (style == TickStyle::Lines) {
        switch (position) {
        case TickPosition::Outside:
            return {r0, r0 + tickSize};
        case TickPosition::Centred:
            return {r0 - half, r0 + half};
        default:
            return {r0, r0 - tickSize};
        }
    }
    switch (position) {
    case TickPosition::Outside:
        return {r0 + half, 0};
    case TickPosition::Centred:
        return {r0, 0};
    default:
        return {r0 - half, 0};
    }
}

std::vector<int> tickAngles(float tickFrequency, int min, int max, int span) {
    std::vector<int> angles;
    const int last = span >= 360 ? 359 : span;
    const float step = tickFrequency / float(double(max) - double(min)) * float(span);
    if (!(step > 0.0f) || !std::isfinite(step) || last < 0)
        return angles;
    if (step < 0.01f) {
        for (int a = 0; a <= last; ++a)
            angles.push_back(a);
        return angles;
    }
    for (float t = 0.0f; t <= float(last); t += step) {
        const int a = int(t + 0.5f);
        if (angles.empty() || angles.back() != a)
            angles.push_back(a);
    }
    return angles;
}

QString valueText(int value, int min, int max, bool asPercent) {
    if (!asPercent)
        return QString::number(value);
    const double range = double(max) - double(min);
    const double percent = range == 0.0 ? 0.0 : (double(value) - double(min)) / range * 100.0;
    return QString::number(std::int64_t(std::round(percent))) + QLatin1Char('%');
}

AutoSize computeAutoSize(int innerWidth, int innerHeight, int outerWidth, int outerHeight,
                         int borderWidth, TickStyle tickStyle, TickPosition tickPosition,
                         int tickSize) {
    AutoSize s;
    s.yCenter = innerHeight / 2;
    s.xCenter = innerWidth / 2;
    s.radius = outerWidth <= outerHeight ? s.xCenter : s.yCenter;
    const int half = int(borderWidth / 2.0 + 0.5);
    if (tickStyle == TickStyle::None ||
        (tickPosition != TickPosition::Outside && tickPosition != TickPosition::Centred)) {
        s.radius -= half;
    } else if (tickPosition == TickPosition::Outside) {
        s.radius -= tickSize > half ? tickSize : half;
    } else if (half >= tickSize / 2.0) {
        s.radius -= half;
    } else {
        s.radius -= int(roundEven(tickSize / 2.0));
    }
    return s;
}

int twipsToPixels(double twips, double twipsPerPixel) {
    if (!std::isfinite(twips) || !(twipsPerPixel > 0.0))
        return 0;
    const double perPixel = std::nearbyint(twipsPerPixel);
    if (perPixel == twipsPerPixel)
        return clampToInt(std::trunc(std::nearbyint(twips) / perPixel));
    return clampToInt(std::nearbyint(twips / twipsPerPixel));
}

} // namespace gauge
