#include "boardlabel.h"

#include "systemcolors.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr std::uint32_t kUnchosenBack = 0xE0E0E0;
constexpr std::uint32_t kChosenBack = 0xFF0000; // blue
constexpr std::uint32_t kChosenText = 0xFFFFFF;

} // namespace

BoardLabel::BoardLabel(const QString& number, QWidget* parent) : QAbstractButton(parent) {
    setText(number);
    setCheckable(true);
    // Keyboard users reach the board with Tab; a mouse click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize BoardLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {std::max(34, metrics.horizontalAdvance(QStringLiteral("100")) + 12),
            metrics.height() + 14};
}

QSize BoardLabel::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 6, metrics.height() + 4};
}

void BoardLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool chosen = isChecked();
    const QColor back = systemcolors::toQColor(chosen ? kChosenBack : kUnchosenBack);
    const QColor fore = systemcolors::toQColor(
        systemcolors::resolve(chosen ? kChosenText : systemcolors::kWindowText, palette()));
    painter.fillRect(rect(), back);
    painter.setPen(back.darker(125));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(fore);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        // In the text's colour, so that it shows on both backgrounds.
        painter.setPen(QPen(fore, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void BoardLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        emit arrowPressed(-1, 0);
        break;
    case Qt::Key_Right:
        emit arrowPressed(1, 0);
        break;
    case Qt::Key_Up:
        emit arrowPressed(0, -1);
        break;
    case Qt::Key_Down:
        emit arrowPressed(0, 1);
        break;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
