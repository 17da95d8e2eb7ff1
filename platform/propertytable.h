#pragma once

#include "propertybag.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

// The persisted properties of a custom control, described once: each entry has its stored
// name, its kind, its default, and the member or the getter/setter pair that holds it.
// Initialising, restoring and saving walk the entries in the table's order; a setter's change
// notice takes its name from the entry (Table::nameOf).
//
// Defaults are in memory units: pixels for the twips kinds, the resolved value otherwise.
// A font default is "the host's font": restoring an absent font gives QFont() (the widget
// inherits), saving compares with the host's font.
namespace props {

// What a walk needs from outside the control.
struct Context {
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
    QFont hostFont;
    // Stored twips -> pixels, the control's rounding rule; needed by the twips kinds only.
    int (*twipsToPixels)(double twips, double twipsPerPixel) = nullptr;
};

enum class Kind {
    Bool,
    Int16,
    Int32,
    Float,
    Color,
    String,
    Font,
    Picture,
    TwipsX,      // pixels in memory, twips as a double in the bag
    TwipsY,      //
    TwipsFloatX, // 16-bit pixels in memory, twips as a float in the bag
    TwipsFloatY, //
};

template <Kind K> struct Codec;

// A kind that the bag stores as it is, through one of its read/write pairs.
template <typename V, auto Read, auto Write> struct BagCodec {
    using Value = V;
    static Value read(const PropertyBag& bag, const QString& name, const Value& def,
                      const Context&) {
        return (bag.*Read)(name, def);
    }
    static void write(PropertyBag& bag, const QString& name, const Value& v, const Value& def,
                      const Context&) {
        (bag.*Write)(name, v, def);
    }
};
template <>
struct Codec<Kind::Bool> : BagCodec<bool, &PropertyBag::readBool, &PropertyBag::writeBool> {};
template <>
struct Codec<Kind::Int16> : BagCodec<int, &PropertyBag::readInt16, &PropertyBag::writeInt16> {};
template <>
struct Codec<Kind::Int32>
    : BagCodec<std::int32_t, &PropertyBag::readInt32, &PropertyBag::writeInt32> {};
template <>
struct Codec<Kind::Float> : BagCodec<float, &PropertyBag::readFloat, &PropertyBag::writeFloat> {};
template <>
struct Codec<Kind::Color>
    : BagCodec<std::uint32_t, &PropertyBag::readColor, &PropertyBag::writeColor> {};
template <>
struct Codec<Kind::String>
    : BagCodec<QString, &PropertyBag::readString, &PropertyBag::writeString> {};

template <> struct Codec<Kind::Font> {
    using Value = QFont;
    static Value read(const PropertyBag& bag, const QString& name, const Value& def,
                      const Context&) {
        return bag.readFont(name, def);
    }
    static void write(PropertyBag& bag, const QString& name, const Value& v, const Value&,
                      const Context& ctx) {
        bag.writeFont(name, v, ctx.hostFont);
    }
};

template <> struct Codec<Kind::Picture> {
    using Value = QImage;
    static Value read(const PropertyBag& bag, const QString& name, const Value&, const Context&) {
        return bag.readPicture(name);
    }
    static void write(PropertyBag& bag, const QString& name, const Value& v, const Value&,
                      const Context&) {
        bag.writePicture(name, v);
    }
};

template <bool Horizontal, bool AsFloat> struct TwipsCodec {
    using Value = int;
    static double perPixel(const Context& ctx) {
        return Horizontal ? ctx.twipsPerPixelX : ctx.twipsPerPixelY;
    }
    static Value read(const PropertyBag& bag, const QString& name, const Value& def,
                      const Context& ctx) {
        const double tpp = perPixel(ctx);
        Q_ASSERT(ctx.twipsToPixels);
        if (AsFloat)
            return std::clamp(ctx.twipsToPixels(bag.readFloat(name, float(def * tpp)), tpp), -32768,
                              32767);
        return ctx.twipsToPixels(bag.readDouble(name, def * tpp), tpp);
    }
    static void write(PropertyBag& bag, const QString& name, const Value& v, const Value& def,
                      const Context& ctx) {
        const double tpp = perPixel(ctx);
        if (AsFloat)
            bag.writeFloat(name, float(v * tpp), float(def * tpp));
        else
            bag.writeDouble(name, v * tpp, def * tpp);
    }
};
template <> struct Codec<Kind::TwipsX> : TwipsCodec<true, false> {};
template <> struct Codec<Kind::TwipsY> : TwipsCodec<false, false> {};
template <> struct Codec<Kind::TwipsFloatX> : TwipsCodec<true, true> {};
template <> struct Codec<Kind::TwipsFloatY> : TwipsCodec<false, true> {};

// One row of a table.
template <typename C> struct Property {
    QString name;
    Kind kind;
    QVariant defaultValue;
    std::function<void(C&, const Context&)> initialise;
    std::function<void(C&, const PropertyBag&, const Context&)> restore;
    std::function<void(const C&, PropertyBag&, const Context&)> save;
    // The control's public getter and setter, in memory units (a Codec<kind>::Value).
    std::function<QVariant(const C&)> get;
    std::function<void(C&, const QVariant&)> set;
    // True for the key that the control's setters name this row by (see Table::nameOf).
    std::function<bool(const std::type_info&, const void*)> isKey;
};

namespace detail {

template <typename F> struct SetterArgument;
template <typename R, typename B, typename A> struct SetterArgument<R (B::*)(A)> {
    using type = std::decay_t<A>;
};

// Runs `set` with `value` converted to what it takes (an enumeration from its stored number).
template <typename C, typename Set, typename V>
void invokeSetter(const Set& set, C& c, const V& v) {
    if constexpr (std::is_member_function_pointer_v<Set>)
        std::invoke(set, c, typename SetterArgument<Set>::type(v));
    else
        std::invoke(set, c, v);
}

template <typename Key> auto keyMatcher(Key key) {
    return [key](const std::type_info& type, const void* other) {
        return type == typeid(Key) && *static_cast<const Key*>(other) == key;
    };
}

template <Kind K, typename C, typename Get, typename Set, typename Key>
Property<C> accessorRow(const char* name, typename Codec<K>::Value def, Get get, Set set, Key key) {
    using V = typename Codec<K>::Value;
    const QString stored = QString::fromLatin1(name);
    return {stored,
            K,
            QVariant::fromValue(def),
            [=](C& c, const Context&) { invokeSetter(set, c, def); },
            [=](C& c, const PropertyBag& bag, const Context& ctx) {
                invokeSetter(set, c, Codec<K>::read(bag, stored, def, ctx));
            },
            [=](const C& c, PropertyBag& bag, const Context& ctx) {
                Codec<K>::write(bag, stored, V(std::invoke(get, c)), def, ctx);
            },
            [=](const C& c) { return QVariant::fromValue(V(std::invoke(get, c))); },
            [=](C& c, const QVariant& v) { invokeSetter(set, c, v.value<V>()); },
            keyMatcher(key)};
}

} // namespace detail

// A property held in a data member and set by the setter `set`: initialising and restoring
// assign the member directly, with no side effects; with `initialised` false, initialising
// leaves it alone (a value that the control computes for itself). The setter names the row.
template <Kind K, typename C, typename M, typename Set>
Property<C> member(const char* name, typename Codec<K>::Value def, M C::*field, Set set,
                   bool initialised = true) {
    Property<C> row = detail::accessorRow<K, C>(name, def, field, set, set);
    row.initialise = [=](C& c, const Context&) {
        if (initialised)
            c.*field = M(def);
    };
    row.restore = [=, key = row.name](C& c, const PropertyBag& bag, const Context& ctx) {
        c.*field = M(Codec<K>::read(bag, key, def, ctx));
    };
    return row;
}

// A property reached through its getter and setter: initialising and restoring run the
// setter, with every side effect it has. The setter names the row, or `key` where the setter
// is not a member function.
template <Kind K, typename C, typename Get, typename Set>
Property<C> setter(const char* name, typename Codec<K>::Value def, Get get, Set set) {
    return detail::accessorRow<K, C>(name, def, get, set, set);
}
template <Kind K, typename C, typename Get, typename Set, typename Key>
Property<C> setter(const char* name, typename Codec<K>::Value def, Get get, Set set, Key key) {
    return detail::accessorRow<K, C>(name, def, get, set, key);
}

template <typename C> class Table {
public:
    Table(std::initializer_list<Property<C>> rows) : m_rows(rows) {}

    void initialise(C& control, const Context& ctx) const {
        for (const Property<C>& p : m_rows)
            p.initialise(control, ctx);
    }
    void restore(C& control, const PropertyBag& bag, const Context& ctx) const {
        for (const Property<C>& p : m_rows)
            p.restore(control, bag, ctx);
    }
    // A bag is a map: the order of writing is not observable.
    void save(const C& control, PropertyBag& bag, const Context& ctx) const {
        for (const Property<C>& p : m_rows)
            p.save(control, bag, ctx);
    }

    const std::vector<Property<C>>& rows() const { return m_rows; }

    // The name of the row that `key` names: its setter, or the key it was made with. A
    // setter raises its change notice under this name, so the name is written once, here.
    template <typename Key> const QString& nameOf(const Key& key) const {
        for (const Property<C>& p : m_rows)
            if (p.isKey(typeid(Key), &key))
                return p.name;
        Q_ASSERT_X(false, "props::Table::nameOf", "no row has this key");
        static const QString none;
        return none;
    }

private:
    std::vector<Property<C>> m_rows;
};

} // namespace props
