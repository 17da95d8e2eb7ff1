#pragma once

#include "propertybag.h"
#include "propertytable.h"
#include "twips.h"

#include <QJsonObject>
#include <gtest/gtest.h>

// Stores a value for `row` that differs from its default (twips kinds in whole pixels).
template <typename C> void storeOtherValue(PropertyBag& bag, const props::Property<C>& row) {
    using props::Kind;
    const QVariant& d = row.defaultValue;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    switch (row.kind) {
    case Kind::Bool:
        bag.writeBool(row.name, !d.toBool(), d.toBool());
        break;
    case Kind::Int16:
    case Kind::Int32:
        bag.writeInt32(row.name, d.toInt() + 7, d.toInt());
        break;
    case Kind::Float:
        bag.writeFloat(row.name, d.toFloat() + 2.5f, d.toFloat());
        break;
    case Kind::Color:
        bag.writeColor(row.name, 0x00123456, d.toUInt());
        break;
    case Kind::String:
        bag.writeString(row.name, "O&K", d.toString());
        break;
    case Kind::Font:
        bag.writeFont(row.name, QFont("DejaVu Serif", 17, QFont::Bold), QFont());
        break;
    case Kind::Picture:
        bag.writePicture(row.name, picture);
        break;
    case Kind::TwipsX:
    case Kind::TwipsY:
        bag.writeDouble(row.name, (d.toInt() + 7) * 15.0, 0.0);
        break;
    case Kind::TwipsFloatX:
    case Kind::TwipsFloatY:
        bag.writeFloat(row.name, float((d.toInt() + 2) * 15), 0.0f);
        break;
    }
}

// Each property alone, restored from a bag and saved again, comes back under its name.
template <typename C> void expectEveryRowRoundTrips() {
    ASSERT_EQ(twips::perPixelX(), 15.0);
    for (const props::Property<C>& row : C::properties().rows()) {
        PropertyBag stored;
        storeOtherValue(stored, row);
        ASSERT_TRUE(stored.contains(row.name)) << row.name.toStdString();
        C control;
        control.ReadProperties(stored);
        PropertyBag saved;
        control.WriteProperties(saved);
        EXPECT_EQ(saved.toJson().value(row.name), stored.toJson().value(row.name))
            << row.name.toStdString();
    }
}
