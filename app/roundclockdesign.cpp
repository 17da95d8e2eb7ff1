#include "roundclockdesign.h"

#include "fonts.h"

#include <QFont>

PropertyBag roundClockDesign() {
    PropertyBag bag;
    bag.writeInt32("Max", 60, 100);
    bag.writeInt32("Value", 0, 50);
    bag.writeColor("BackColor", 0xFFC0C0, 0x8000000F);
    bag.writeColor("StartColor", 0x00FFFF, 0x0000C0);
    bag.writeColor("MidColor", 0x000000, 0x00FFFF);
    bag.writeColor("EndColor", 0x008080, 0x00C000);
    bag.writeColor("CircleColor", 0xFFFFFF, 0x8000000F);
    bag.writeColor("BorderColor", 0x808080, 0x000000);
    bag.writeColor("TextColor", 0x80C0FF, 0xFFFFFF);
    bag.writeColor("NeedleColor", 0x000000, 0x80000012);
    bag.writeColor("TextShadowColor", 0x0040C0, 0x808080);
    bag.writeColor("TickColor", 0xC0C0C0, 0x000000);
    bag.writeColor("MaskColor", 0x000000, 0x8000000F);
    bag.writeBool("Tricolor", false, true);
    bag.writeBool("TextShadow", true, false);
    bag.writeBool("AutoSize", false, true);
    bag.writeBool("ShowNeedle", true, false);
    bag.writeInt16("BorderWidth", 3, 1);
    bag.writeInt16("TickSize", 50, 4);
    bag.writeFloat("TickFrequency", 5.0f, 10.0f);
    bag.writeInt16("TickWidth", 3, 1);
    bag.writeInt32("TickStyle", 1, 0);
    bag.writeDouble("XCenter", 2130, 750);
    bag.writeDouble("YCenter", 2100, 750);
    bag.writeDouble("Radius", 1920, 375);
    bag.writeDouble("TextOffsetX", -600, 0);
    bag.writeDouble("TextOffsetY", -300, 0);
    bag.writeFloat("TextShadowXOffset", 45, 15);
    bag.writeFloat("TextShadowYOffset", 45, 15);

    bag.writeFont("Font", ArialFont(72, true), QFont());
    return bag;
}
