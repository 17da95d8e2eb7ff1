#include "gradient.h"

#include "rounding.h"

#include <QPainter>
#include <QString>
#include <QWidget>
#include <array>
#include <cmath>

namespace {

constexpr int kBandCount = 257;
constexpr double kSteps = 256.0;

std::array<double, 3> componentsOf(ColorValue color) {
    const ColorParts parts = SplitColor(color);
    return {double(parts.red), double(parts.green), double(parts.blue)};
}

QColor roundedColor(const std::array<double, 3>& rgb) {
    return QColor(int(RoundHalfEven(rgb[0])), int(RoundHalfEven(rgb[1])),
                  int(RoundHalfEven(rgb[2])));
}

} // namespace

int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

ColorParts SplitColor(ColorValue color) {
    const QString hex = QString::number(color, 16).toUpper();
    const QString field = hex.size() >= 6 ? hex.left(6) : QString(6 - hex.size(), u'0') + hex;
    const auto pair = [&](int i) {
        return HexDigitValue(field[i]) * 16 + HexDigitValue(field[i + 1]);
    };
    return {pair(0), pair(2), pair(4)};
}

std::vector<GradientFill> PlanGradient(QSize outer, ColorValue colorA, ColorValue colorB,
                                       int direction) {
    const int width = outer.width();
    const int height = outer.height();
    const QRect surface(0, 0, std::max(width, 0), std::max(height, 0));
    const int stepX = int(RoundHalfEven(width / kSteps));
    const int stepY = int(RoundHalfEven(height / kSteps));

    const std::array<double, 3> target = componentsOf(colorA);
    std::array<double, 3> current = componentsOf(colorB);
    std::array<double, 3> increment{};
    for (int i = 0; i < 3; ++i)
        increment[i] = (target[i] - current[i]) / kSteps;

    std::vector<GradientFill> fills;
    const auto fill = [&](int left, int top, int right, int bottom, const QColor& color) {
        if (right <= left || bottom <= top)
            return;
        const QRect r = QRect(left, top, right - left, bottom - top) & surface;
        if (!r.isEmpty())
            fills.push_back({r, color});
    };

    int left = 0, top = 0, right = width, bottom = height;
    for (int band = 0; band < kBandCount; ++band) {
        const QColor color = roundedColor(current);
        switch (direction) {
        case GradientVertical:
            top = bottom - stepY;
            fill(left, top, right, bottom, color);
            bottom -= stepY;
            break;
        case GradientHorizontal:
            left = right - stepX;
            fill(left, top, right, bottom, color);
            right -= stepX;
            break;
        case GradientCorner:
            top = bottom - stepY;
            left = 0;
            fill(left, top, right, bottom, color);
            top = 0;
            left = right - stepX;
            fill(left, top, right, bottom, color);
            bottom -= stepY;
            right -= stepX;
            break;
        default:
            break;
        }
        for (int i = 0; i < 3; ++i) {
            if (current[i] != target[i])
                current[i] += increment[i];
        }
    }
    fill(0, 0, right, bottom, roundedColor(current));
    return fills;
}

QSize GradientOuterSize(const QWidget* widget) {
    return widget->isWindow() ? widget->frameGeometry().size() : widget->size();
}

void PaintGradient(QPainter& painter, QSize outer, ColorValue colorA, ColorValue colorB,
                   int direction) {
    for (const GradientFill& f : PlanGradient(outer, colorA, colorB, direction))
        painter.fillRect(f.rect, f.color);
}

void PaintGradient(const QWidget* window, QPainter& painter, ColorValue colorA, ColorValue colorB,
                   int direction) {
    PaintGradient(painter, GradientOuterSize(window), colorA, colorB, direction);
}

void PaintGradient(const QWidget* window, QPainter& painter, const GradientColors& colors) {
    PaintGradient(window, painter, colors.colorA, colors.colorB, colors.direction);
}
