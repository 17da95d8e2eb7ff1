#include "readablelabel.h"

#include "accessiblefactory.h"

#include <QAccessibleWidget>
#include <algorithm>

namespace {

class ReadableLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableLabelAccessible(ReadableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shown();
        return QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override {
        const QString all = shown();
        const int start = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        const int end = endOffset < 0 ? static_cast<int>(all.size())
                                      : std::clamp(endOffset, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }

    // Read-only: no caret, no selection, no geometry per character.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<QLabel*>(widget())->text(); }
};

} // namespace

ReadableLabel::ReadableLabel(QWidget* parent) : QLabel(parent) {
    installAccessibleInterface<ReadableLabel, ReadableLabelAccessible>();
}
