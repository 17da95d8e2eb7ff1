#include "buttonexaccessible.h"

#include "buttonex.h"
#include "buttonrules.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

class ButtonExAccessible : public QAccessibleWidget {
public:
    explicit ButtonExAccessible(ButtonEx* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    ButtonEx* button() const { return static_cast<ButtonEx*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? buttonex::spokenCaption(button()->caption()) : name;
        }
        if (t == QAccessible::Accelerator && !button()->accessKey().isNull())
            return QKeySequence::mnemonic(QStringLiteral("&") + button()->accessKey())
                .toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->currentState() == ButtonEx::Down;
        if (button()->style() == ButtonEx::Style::TwoState) {
            s.checkable = true;
            s.checked = button()->value() == 0;
        }
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* accessibleFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("ButtonEx") && object && object->isWidgetType())
        return new ButtonExAccessible(static_cast<ButtonEx*>(object));
    return nullptr;
}

} // namespace

void installButtonExAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
