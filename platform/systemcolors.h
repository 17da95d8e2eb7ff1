#pragma once

#include "colorvalue.h"

#include <QColor>
#include <QPalette>
#include <cstdint>

// System colours and the conversions of colour values (colorvalue.h) to and from QColor.
namespace systemcolors {

constexpr ColorValue kSystemFlag = 0x80000000u;
constexpr ColorValue kWindowText = 0x80000008u;
constexpr ColorValue kButtonFace = 0x8000000Fu;
constexpr ColorValue kButtonText = 0x80000012u;

constexpr bool isSystemColor(ColorValue value) {
    return (value & kSystemFlag) != 0;
}

constexpr ColorValue rgb(int red, int green, int blue) {
    return ColorValue(red & 0xFF) | ColorValue(green & 0xFF) << 8 | ColorValue(blue & 0xFF) << 16;
}

// The palette colour that stands for system colour `index`; black for an unknown index.
QColor systemColor(ColorValue index, const QPalette& palette);

// A plain 0x00BBGGRR value: system colours looked up in `palette`, plain values unchanged
// (the unused top byte cleared).
ColorValue resolve(ColorValue value, const QPalette& palette);

QColor toQColor(ColorValue plain);
ColorValue fromQColor(const QColor& color);

} // namespace systemcolors
