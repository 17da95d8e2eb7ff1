#include "lighttabaccessible.h"

#include "accessiblefactory.h"
#include "lighttab.h"

#include <QAccessibleWidget>
#include <map>

namespace {

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(LightTab* strip, int index) : m_strip(strip), m_index(index) {}

    bool isValid() const override { return m_strip && m_index < m_strip->numberOfTabs(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_strip ? m_strip->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_strip.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name)
            return {};
        return m_strip->caption(m_index).trimmed();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const auto k = static_cast<std::size_t>(m_index);
        const QRect strip = m_strip->stripRect();
        const QRect local(strip.left() + m_strip->geometry().left[k], strip.top(),
                          m_strip->geometry().width[k], strip.height());
        return QRect(m_strip->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        const bool active = m_strip->activeTab() == m_index;
        s.selectable = true;
        s.focusable = true;
        s.selected = active;
        s.focused = active && m_strip->hasFocus();
        s.invisible = !m_strip->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid())
            m_strip->setActiveTab(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<LightTab> m_strip;
    int m_index;
};

class StripAccessible : public QAccessibleWidget {
public:
    explicit StripAccessible(LightTab* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList) {}
    ~StripAccessible() override {
        for (const auto& [index, id] : m_children)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return strip()->numberOfTabs(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        const auto found = m_children.find(index);
        if (found != m_children.end())
            return QAccessible::accessibleInterface(found->second);
        auto* tab = new TabAccessible(strip(), index);
        m_children[index] = QAccessible::registerAccessibleInterface(tab);
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : m_children) {
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* tab = child(i);
            if (tab && tab->rect().contains(x, y))
                return tab;
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return strip()->hasFocus() ? child(strip()->activeTab()) : nullptr;
    }

private:
    LightTab* strip() const { return static_cast<LightTab*>(widget()); }

    mutable std::map<int, QAccessible::Id> m_children;
};

} // namespace

void installLightTabAccessibility() {
    installAccessibleInterface<LightTab, StripAccessible>();
}
