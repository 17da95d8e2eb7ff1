#pragma once

#include <QAccessible>
#include <QObject>

// Gives every widget of class W (and of its subclasses) the accessible interface I, made as
// I(W*). Installs the factory once per W; call it first thing in W's constructor, since an
// interface made before the factory exists is kept for the widget's life.
template <typename W, typename I> void installAccessibleInterface() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& key, QObject* object) {
            return key == QLatin1String(W::staticMetaObject.className()) && object &&
                           object->isWidgetType()
                       ? static_cast<QAccessibleInterface*>(new I(static_cast<W*>(object)))
                       : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
