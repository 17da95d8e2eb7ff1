#pragma once

#include "scopedoverride.h"

#include <QString>
#include <functional>

class QWidget;

// Modal message boxes with a single OK button, the way the game's dialogs report invalid input.
// Tests replace the presenter to see what would have been shown without a modal loop.
enum class MessageIcon { None, Information, Warning, Critical };

struct MessageBoxCall {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

using MessageBoxPresenter = std::function<void(QWidget* parent, const MessageBoxCall& call)>;

// Shows the box and returns when the player has dismissed it.
void MsgBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon);

// Puts `presenter` in place of the real boxes for its lifetime; the previous one returns after.
class ScopedMessageBoxPresenter : ScopedOverride<MessageBoxPresenter> {
public:
    explicit ScopedMessageBoxPresenter(MessageBoxPresenter presenter);
};
