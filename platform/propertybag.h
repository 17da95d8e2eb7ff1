#pragma once

#include "colorvalue.h"

#include <QFont>
#include <QImage>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdint>

// Named-value store for the saved designs of the custom controls.
//
// Reads take a default that is returned when the name is absent or its value is unusable;
// writes take a default too, and a value equal to its default is not stored (an existing entry
// under that name is removed). Booleans are stored as -1 / 0, colours as 32-bit colour values
// (0x00BBGGRR, high bit set for a system colour). A bag survives a round trip through JSON.
//
// Controls that use a bag tell their host about a change with a Qt signal carrying the
// persistence name: `void propertyChanged(const QString& name)`.
class PropertyBag {
public:
    bool readBool(const QString& name, bool defaultValue) const;
    void writeBool(const QString& name, bool value, bool defaultValue);

    // 16-bit values are clamped to -32768..32767 when read.
    int readInt16(const QString& name, int defaultValue) const;
    void writeInt16(const QString& name, int value, int defaultValue);

    std::int32_t readInt32(const QString& name, std::int32_t defaultValue) const;
    void writeInt32(const QString& name, std::int32_t value, std::int32_t defaultValue);

    float readFloat(const QString& name, float defaultValue) const;
    void writeFloat(const QString& name, float value, float defaultValue);

    double readDouble(const QString& name, double defaultValue) const;
    void writeDouble(const QString& name, double value, double defaultValue);

    ColorValue readColor(const QString& name, ColorValue defaultValue) const;
    void writeColor(const QString& name, ColorValue value, ColorValue defaultValue);

    QString readString(const QString& name, const QString& defaultValue) const;
    void writeString(const QString& name, const QString& value, const QString& defaultValue);

    QFont readFont(const QString& name, const QFont& defaultValue) const;
    void writeFont(const QString& name, const QFont& value, const QFont& defaultValue);

    // Pictures have no default but "none" (a null image), which is not stored.
    QImage readPicture(const QString& name) const;
    void writePicture(const QString& name, const QImage& value);

    bool contains(const QString& name) const { return m_values.contains(name); }
    QStringList names() const { return m_values.keys(); }
    bool isEmpty() const { return m_values.isEmpty(); }
    void remove(const QString& name) { m_values.remove(name); }

    QJsonObject toJson() const { return m_values; }
    static PropertyBag fromJson(const QJsonObject& object);

    // False when the file cannot be written or read, or does not hold a JSON object; a
    // failed load leaves the bag unchanged.
    bool saveToFile(const QString& path) const;
    bool loadFromFile(const QString& path);

    friend bool operator==(const PropertyBag& a, const PropertyBag& b) {
        return a.m_values == b.m_values;
    }

private:
    void put(const QString& name, const QJsonValue& value, bool isDefault);

    QJsonObject m_values;
};
