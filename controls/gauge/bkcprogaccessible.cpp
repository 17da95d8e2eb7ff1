#include "bkcprogaccessible.h"

#include "accessiblefactory.h"
#include "bkcprog.h"

#include <QAccessibleWidget>

namespace {

class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(bkCProg* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    bkCProg* control() const { return static_cast<bkCProg*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return gauge::valueText(control()->value(), control()->min(), control()->max(),
                                    control()->showValueAsPercent());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return control()->value(); }
    void setCurrentValue(const QVariant&) override {} // a display: the host sets Value
    QVariant maximumValue() const override { return control()->max(); }
    QVariant minimumValue() const override { return control()->min(); }
    QVariant minimumStepSize() const override { return 0; }
};

} // namespace

void installBkCProgAccessibility() {
    installAccessibleInterface<bkCProg, GaugeAccessible>();
}
