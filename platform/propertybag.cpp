#include "propertybag.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// A stored number that is missing, not a number, or out of the type's range reads as
// std::nullopt, so the caller falls back to its default.
std::optional<double> number(const QJsonObject& values, const QString& name) {
    const QJsonValue v = values.value(name);
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d))
        return std::nullopt;
    return d;
}

template <typename T> std::optional<T> integral(const QJsonObject& values, const QString& name) {
    const auto d = number(values, name);
    if (!d || *d < double(std::numeric_limits<T>::min()) ||
        *d > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(std::trunc(*d));
}

const QString kPngPrefix = QStringLiteral("png:");

} // namespace

void PropertyBag::put(const QString& name, const QJsonValue& value, bool isDefault) {
    if (isDefault)
        m_values.remove(name);
    else
        m_values.insert(name, value);
}

bool PropertyBag::readBool(const QString& name, bool defaultValue) const {
    const auto v = integral<std::int32_t>(m_values, name);
    return v ? *v != 0 : defaultValue;
}

void PropertyBag::writeBool(const QString& name, bool value, bool defaultValue) {
    put(name, value ? -1 : 0, value == defaultValue);
}

int PropertyBag::readInt16(const QString& name, int defaultValue) const {
    const auto d = number(m_values, name);
    if (!d)
        return defaultValue;
    return static_cast<int>(std::clamp(std::trunc(*d), -32768.0, 32767.0));
}

void PropertyBag::writeInt16(const QString& name, int value, int defaultValue) {
    put(name, value, value == defaultValue);
}

std::int32_t PropertyBag::readInt32(const QString& name, std::int32_t defaultValue) const {
    return integral<std::int32_t>(m_values, name).value_or(defaultValue);
}

void PropertyBag::writeInt32(const QString& name, std::int32_t value, std::int32_t defaultValue) {
    put(name, value, value == defaultValue);
}

float PropertyBag::readFloat(const QString& name, float defaultValue) const {
    const auto d = number(m_values, name);
    if (!d || std::abs(*d) > double(std::numeric_limits<float>::max()))
        return defaultValue;
    return static_cast<float>(*d);
}

void PropertyBag::writeFloat(const QString& name, float value, float defaultValue) {
    put(name, double(value), value == defaultValue);
}

double PropertyBag::readDouble(const QString& name, double defaultValue) const {
    return number(m_values, name).value_or(defaultValue);
}

void PropertyBag::writeDouble(const QString& name, double value, double defaultValue) {
    put(name, value, value == defaultValue);
}

ColorValue PropertyBag::readColor(const QString& name, ColorValue defaultValue) const {
    // Colour values are written unsigned; a signed 32-bit form is accepted as well.
    const auto d = number(m_values, name);
    if (!d || *d < double(std::numeric_limits<std::int32_t>::min()) ||
        *d > double(std::numeric_limits<std::uint32_t>::max()))
        return defaultValue;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(*d)));
}

void PropertyBag::writeColor(const QString& name, ColorValue value, ColorValue defaultValue) {
    put(name, double(value), value == defaultValue);
}

QString PropertyBag::readString(const QString& name, const QString& defaultValue) const {
    const QJsonValue v = m_values.value(name);
    return v.isString() ? v.toString() : defaultValue;
}

void PropertyBag::writeString(const QString& name, const QString& value,
                              const QString& defaultValue) {
    put(name, value, value == defaultValue);
}

QFont PropertyBag::readFont(const QString& name, const QFont& defaultValue) const {
    const QJsonValue v = m_values.value(name);
    if (!v.isObject())
        return defaultValue;
    const QJsonObject o = v.toObject();
    QStringList families;
    for (const QJsonValue& f : o.value(QStringLiteral("families")).toArray())
        if (f.isString() && !f.toString().isEmpty())
            families << f.toString();
    const double size = o.value(QStringLiteral("size")).toDouble(0.0);
    const int pixelSize = o.value(QStringLiteral("pixelSize")).toInt(0);
    const bool usableSize = (size > 0.0 && size <= 4096.0) || (pixelSize > 0 && pixelSize <= 4096);
    if (families.isEmpty() || !usableSize)
        return defaultValue;
    QFont font;
    font.setFamilies(families);
    if (size > 0.0)
        font.setPointSizeF(size);
    else
        font.setPixelSize(pixelSize);
    font.setBold(o.value(QStringLiteral("bold")).toBool());
    font.setItalic(o.value(QStringLiteral("italic")).toBool());
    font.setUnderline(o.value(QStringLiteral("underline")).toBool());
    font.setStrikeOut(o.value(QStringLiteral("strikeout")).toBool());
    const int hint = o.value(QStringLiteral("styleHint")).toInt(QFont::AnyStyle);
    if (hint >= QFont::Helvetica && hint <= QFont::Fantasy)
        font.setStyleHint(static_cast<QFont::StyleHint>(hint));
    return font;
}

void PropertyBag::writeFont(const QString& name, const QFont& value, const QFont& defaultValue) {
    QJsonObject o;
    o.insert(QStringLiteral("families"),
             QJsonArray::fromStringList(value.families().isEmpty() ? QStringList{value.family()}
                                                                   : value.families()));
    if (value.pointSizeF() > 0.0)
        o.insert(QStringLiteral("size"), value.pointSizeF());
    else
        o.insert(QStringLiteral("pixelSize"), value.pixelSize());
    o.insert(QStringLiteral("bold"), value.bold());
    o.insert(QStringLiteral("italic"), value.italic());
    o.insert(QStringLiteral("underline"), value.underline());
    o.insert(QStringLiteral("strikeout"), value.strikeOut());
    o.insert(QStringLiteral("styleHint"), int(value.styleHint()));
    put(name, o, value == defaultValue);
}

QImage PropertyBag::readPicture(const QString& name) const {
    const QString text = m_values.value(name).toString();
    if (!text.startsWith(kPngPrefix))
        return {};
    QImage image;
    image.loadFromData(QByteArray::fromBase64(text.mid(kPngPrefix.size()).toLatin1()), "PNG");
    return image;
}

void PropertyBag::writePicture(const QString& name, const QImage& value) {
    QByteArray png;
    if (!value.isNull()) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        value.save(&buffer, "PNG");
    }
    put(name, kPngPrefix + QString::fromLatin1(png.toBase64()), png.isEmpty());
}

PropertyBag PropertyBag::fromJson(const QJsonObject& object) {
    PropertyBag bag;
    bag.m_values = object;
    return bag;
}

bool PropertyBag::saveToFile(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(m_values).toJson());
    return file.commit();
}

bool PropertyBag::loadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    m_values = doc.object();
    return true;
}
