#include "roundclockdesign.h"

#include "fonts.h"

#include <QJsonObject>

// Stored forms: Booleans -1/0, colours 0x00BBGGRR, positions and offsets in twips. Only what
// differs from the gauge's defaults is listed, as a saved design holds it.
PropertyBag roundClockDesign() {
    PropertyBag bag = PropertyBag::fromJson(QJsonObject{
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
    });
    bag.writeFont("Font", ArialFont(72, true), QFont()); // always stored: not the host's font
    return bag;
}
