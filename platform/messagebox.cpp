#include "messagebox.h"

#include <QMessageBox>
#include <utility>

namespace {

void showQtBox(QWidget* parent, const MessageBoxCall& call) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (call.icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageIcon::Critical:
        icon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(icon, call.title, call.text, QMessageBox::Ok, parent);
    box.exec();
}

MessageBoxPresenter& presenter() {
    static MessageBoxPresenter current = showQtBox;
    return current;
}

} // namespace

void MsgBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
    presenter()(parent, MessageBoxCall{text, title, icon});
}

ScopedMessageBoxPresenter::ScopedMessageBoxPresenter(MessageBoxPresenter replacement)
    : ScopedOverride(presenter(), std::move(replacement)) {}
