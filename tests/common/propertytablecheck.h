#pragma once

#include "propertybag.h"
#include "propertytable.h"
#include "twips.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A value for `row` other than its default that every setter keeps as it is: whole numbers
// become 1 from 0, 2 from 1, else half the default (a span stays within 45..360, a border
// below the radius of a sized gauge).
template <typename C> QVariant otherValue(const props::Property<C>& row) {
    using props::Kind;
    const QVariant& d = row.defaultValue;
    const auto other = [](auto v) { return v == 0 ? 1 : (v == 1 ? 2 : v / 2); };
    switch (row.kind) {
    case Kind::Bool:
        return !d.toBool();
    case Kind::Float:
        return other(d.toFloat());
    case Kind::Color:
        return QVariant::fromValue(std::uint32_t{0x00123456});
    case Kind::String:
        return QStringLiteral("O&K");
    case Kind::Font:
        return QFont("DejaVu Serif", 17, QFont::Bold);
    case Kind::Picture: {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        picture.setPixel(1, 1, qRgb(1, 2, 3));
        return picture;
    }
    default:
        return other(d.toInt());
    }
}

// `value` of `row` as a saved design holds it (15 twips per pixel), worked out apart from the
// table's codecs.
template <typename C> QJsonValue storedForm(const props::Property<C>& row, const QVariant& value) {
    using props::Kind;
    PropertyBag bag;
    switch (row.kind) {
    case Kind::Bool:
        return value.toBool() ? -1 : 0;
    case Kind::String:
        return value.toString();
    case Kind::Font:
        bag.writeFont(row.name, value.value<QFont>(), QFont());
        return bag.toJson().value(row.name);
    case Kind::Picture:
        bag.writePicture(row.name, value.value<QImage>());
        return bag.toJson().value(row.name);
    case Kind::TwipsX:
    case Kind::TwipsY:
    case Kind::TwipsFloatX:
    case Kind::TwipsFloatY:
        return value.toInt() * 15.0;
    default:
        return value.toDouble();
    }
}

// Every row of C's table, each on a fresh control from `make`: set through the control's setter
// to another value, it reads back, the last change notice carries the row's name (and every
// notice names a row); saved, the bag holds its stored form under that name; restored into
// another fresh control, it reads back again.
template <typename C>
void expectEveryPropertySetsNotifiesAndPersists(const std::function<std::unique_ptr<C>()>& make) {
    ASSERT_EQ(twips::perPixelX(), 15.0);
    QStringList names;
    for (const props::Property<C>& row : C::properties().rows())
        names << row.name;
    for (const props::Property<C>& row : C::properties().rows()) {
        SCOPED_TRACE(row.name.toStdString());
        const QVariant value = otherValue(row);
        ASSERT_NE(value, row.defaultValue);
        const std::unique_ptr<C> control = make();
        QSignalSpy notices(control.get(), &C::propertyChanged);
        row.set(*control, value);
        EXPECT_EQ(row.get(*control), value);
        ASSERT_FALSE(notices.isEmpty());
        EXPECT_EQ(notices.last().at(0).toString(), row.name);
        for (const QList<QVariant>& notice : notices)
            EXPECT_TRUE(names.contains(notice.at(0).toString()))
                << notice.at(0).toString().toStdString();

        PropertyBag saved;
        control->WriteProperties(saved);
        EXPECT_EQ(saved.toJson().value(row.name), storedForm(row, value));
        const std::unique_ptr<C> restored = make();
        restored->ReadProperties(saved);
        EXPECT_EQ(row.get(*restored), value);
    }
}
