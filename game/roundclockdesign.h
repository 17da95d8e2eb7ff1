#pragma once

#include <array>
#include <string_view>

// One stored property of a saved design, in its stored form: Booleans -1/0, colours
// 0x00BBGGRR, positions and offsets in twips (15 twips per pixel at 96 DPI).
struct StoredProperty {
    std::string_view name;
    double value;
};

// The saved design of the main window's round clock `cp1`: a one-minute face (Max 60) on light
// blue, a yellow-to-teal arc, grey ticks every 5 seconds, a black needle and the seconds in
// shadowed orange. Only what differs from the gauge's defaults is listed, as a saved design
// holds it; the seconds show with setShowValue(true).
inline constexpr std::array<StoredProperty, 29> kRoundClockDesign{{
    {"Max", 60},
    {"Value", 0},
    {"BackColor", 0xFFC0C0},
    {"StartColor", 0x00FFFF},
    {"MidColor", 0x000000},
    {"EndColor", 0x008080},
    {"CircleColor", 0xFFFFFF},
    {"BorderColor", 0x808080},
    {"TextColor", 0x80C0FF},
    {"NeedleColor", 0x000000},
    {"TextShadowColor", 0x0040C0},
    {"TickColor", 0xC0C0C0},
    {"MaskColor", 0x000000},
    {"Tricolor", 0},
    {"TextShadow", -1},
    {"AutoSize", 0},
    {"ShowNeedle", -1},
    {"BorderWidth", 3},
    {"TickSize", 50},
    {"TickFrequency", 5.0},
    {"TickWidth", 3},
    {"TickStyle", 1},
    {"XCenter", 2130},
    {"YCenter", 2100},
    {"Radius", 1920},
    {"TextOffsetX", -600},
    {"TextOffsetY", -300},
    {"TextShadowXOffset", 45},
    {"TextShadowYOffset", 45},
}};

// The clock's font, always stored (it is not the host's font): bold Arial at this size.
inline constexpr double kRoundClockFontPoints = 72;
