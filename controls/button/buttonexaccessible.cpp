#include "buttonexaccessible.h"

#include "accessiblefactory.h"
#include "buttonex.h"
#include "buttonrules.h"

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
        // Queued, as Qt's own buttons do: a click that opens a modal window must not hold
        // back the answer to the assistive technology until that window closes.
        if (action == pressAction())
            QMetaObject::invokeMethod(button(), &ButtonEx::click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }
};

} // namespace

void installButtonExAccessibility() {
    installAccessibleInterface<ButtonEx, ButtonExAccessible>();
}
