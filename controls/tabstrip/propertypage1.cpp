#include "propertypage1.h"

#include "lighttab.h"
#include "tabcaptions.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <limits>
#include <optional>
#include <utility>

namespace {

std::optional<int> int16From(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return value;
}

} // namespace

PropertyPage1::PropertyPage1(QWidget* parent) : QWidget(parent) {
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setRange(0, tabstrip::kMaxTabs - 1);
    txtIndex = new QLineEdit(QStringLiteral("0"), this);
    txtIndex->setReadOnly(true);
    txtCaption = new QLineEdit(this);
    txtActiveTab = new QLineEdit(this);
    txtNumberOfTabs = new QLineEdit(this);
    const std::pair<QWidget*, const char*> names[] = {
        {HScroll1, "HScroll1"},
        {txtIndex, "txtIndex"},
        {txtCaption, "txtCaption"},
        {txtActiveTab, "txtActiveTab"},
        {txtNumberOfTabs, "txtNumberOfTabs"},
    };
    for (const auto& [child, name] : names)
        child->setObjectName(QLatin1String(name));

    auto* grid = new QGridLayout(this);
    auto addRow = [&](int row, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, tr("Index"), txtIndex);
    grid->addWidget(HScroll1, 1, 1);
    addRow(2, tr("Caption:"), txtCaption);
    addRow(3, tr("ActiveTab:"), txtActiveTab);
    addRow(4, tr("Tabs:"), txtNumberOfTabs);
    grid->setRowStretch(5, 1);

    connect(HScroll1, &QScrollBar::valueChanged, this, &PropertyPage1::HScroll1_Change);
    for (QLineEdit* edit : {txtCaption, txtActiveTab, txtNumberOfTabs})
        connect(edit, &QLineEdit::textEdited, this, &PropertyPage1::markChanged);
}

void PropertyPage1::setSelectedControls(const QList<LightTab*>& controls) {
    m_control = controls.isEmpty() ? nullptr : controls.first();
    SelectionChanged();
}

void PropertyPage1::SelectionChanged() {
    m_filling = true;
    if (m_control) {
        txtActiveTab->setText(QString::number(m_control->activeTab()));
        txtNumberOfTabs->setText(QString::number(m_control->numberOfTabs()));
        txtCaption->setText(m_control->caption(HScroll1->value()));
    }
    m_filling = false;
    setChanged(false);
}

void PropertyPage1::HScroll1_Change() {
    txtIndex->setText(QString::number(HScroll1->value()));
    if (m_control) {
        m_filling = true;
        txtCaption->setText(m_control->caption(HScroll1->value()));
        m_filling = false;
    }
}

void PropertyPage1::markChanged() {
    if (!m_filling)
        setChanged(true);
}

void PropertyPage1::setChanged(bool changed) {
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedChanged(changed);
}

void PropertyPage1::ApplyChanges() {
    if (!m_control)
        return;
    if (const std::optional<int> active = int16From(txtActiveTab->text()))
        m_control->setActiveTab(*active);
    if (const std::optional<int> count = int16From(txtNumberOfTabs->text()))
        m_control->setNumberOfTabs(*count);
    m_control->setCaption(HScroll1->value(), txtCaption->text());
    setChanged(false);
}
