#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

// Colour values as the saved designs hold them: 0x00BBGGRR for a plain colour (red in the low
// byte); with the high bit set, the low 24 bits name a system colour that is looked up in a
// palette when drawing.
namespace systemcolors {

constexpr std::uint32_t kSystemFlag = 0x80000000u;
constexpr std::uint32_t kWindowText = 0x80000008u;
constexpr std::uint32_t kButtonFace = 0x8000000Fu;
constexpr std::uint32_t kButtonText = 0x80000012u;

constexpr bool isSystemColor(std::uint32_t value) {
    return (value & kSystemFlag) != 0;
}

constexpr std::uint32_t rgb(int red, int green, int blue) {
    return std::uint32_t(red & 0xFF) | std::uint32_t(green & 0xFF) << 8 |
           std::uint32_t(blue & 0xFF) << 16;
}

// The palette colour that stands for system colour `index`; black for an unknown index.
QColor systemColor(std::uint32_t index, const QPalette& palette);

// A plain 0x00BBGGRR value: system colours looked up in `palette`, plain values unchanged
// (the unused top byte cleared).
std::uint32_t resolve(std::uint32_t value, const QPalette& palette);

QColor toQColor(std::uint32_t plain);
std::uint32_t fromQColor(const QColor& color);

} // namespace systemcolors
