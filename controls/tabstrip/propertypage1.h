#pragma once

#include <QList>
#include <QWidget>

class LightTab;
class QLabel;
class QLineEdit;
class QScrollBar;

// Editor for a tab strip's three properties. It works on the first of the selected strips;
// ApplyChanges sets ActiveTab, then NumberOfTabs, then the caption at the chosen index.
class PropertyPage1 : public QWidget {
    Q_OBJECT

public:
    explicit PropertyPage1(QWidget* parent = nullptr);

    void setSelectedControls(const QList<LightTab*>& controls);
    // True once a text box was edited since the selection or the last apply.
    bool changed() const { return m_changed; }
    // A number box that does not hold a 16-bit whole number leaves its property as it is.
    void ApplyChanges();

signals:
    void changedChanged(bool changed);

private:
    // Named after themselves (objectName) for the designer and for tests.
    QScrollBar* HScroll1 = nullptr;
    QLineEdit* txtIndex = nullptr;
    QLineEdit* txtCaption = nullptr;
    QLineEdit* txtActiveTab = nullptr;
    QLineEdit* txtNumberOfTabs = nullptr;

    void SelectionChanged();
    void HScroll1_Change();
    void markChanged();
    void setChanged(bool changed);

    LightTab* m_control = nullptr;
    bool m_changed = false;
    bool m_filling = false;
};
