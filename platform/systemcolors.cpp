#include "systemcolors.h"

#include <array>

namespace systemcolors {

namespace {

struct Entry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Index -> palette colour, in the order of the system colour numbers.
constexpr std::array<Entry, 31> kTable{{
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Dark},              // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Button},            // 10 active border
    {QPalette::Inactive, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
    {QPalette::Active, QPalette::Button},            // 25 unused
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
}};

} // namespace

QColor systemColor(ColorValue index, const QPalette& palette) {
    if (index >= kTable.size())
        return QColor(Qt::black);
    return palette.color(kTable[index].group, kTable[index].role);
}

ColorValue resolve(ColorValue value, const QPalette& palette) {
    if (isSystemColor(value))
        return fromQColor(systemColor(value & 0x00FFFFFFu, palette));
    return value & 0x00FFFFFFu;
}

QColor toQColor(ColorValue plain) {
    return QColor(int(plain & 0xFF), int(plain >> 8 & 0xFF), int(plain >> 16 & 0xFF));
}

ColorValue fromQColor(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace systemcolors
