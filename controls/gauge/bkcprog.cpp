#include "bkcprog.h"

#include <QPainter>
#include <algorithm>

bkCProg::bkCProg(QWidget* parent) : QWidget(parent) {}

void bkCProg::setMax(int value) {
    m_max = value;
    Repaint();
    emit propertyChanged(QStringLiteral("Max"));
}

void bkCProg::setValue(int value) {
    m_value = value < m_min ? m_min : (value > m_max ? m_max : value);
    Repaint();
    emit propertyChanged(QStringLiteral("Value"));
}

void bkCProg::setShowValue(bool on) {
    m_showValue = on;
    Repaint();
    emit propertyChanged(QStringLiteral("ShowValue"));
}

void bkCProg::Repaint() {
    if (width() <= 0 || height() <= 0)
        return;
    m_image = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    m_image.fill(palette().color(QPalette::Button));
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing);
    const int r = std::min(width(), height()) / 2 - 2;
    const QRect box(width() / 2 - r, height() / 2 - r, 2 * r, 2 * r);
    p.setBrush(Qt::white);
    p.drawEllipse(box);
    if (m_max > m_min) {
        const int span = static_cast<int>(5760.0 * (m_value - m_min) / (m_max - m_min));
        p.setBrush(Qt::green);
        p.drawPie(box, 90 * 16, -span);
    }
    if (m_showValue)
        p.drawText(m_image.rect(), Qt::AlignCenter, QString::number(m_value));
    update();
}

void bkCProg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void bkCProg::resizeEvent(QResizeEvent*) {
    Repaint();
}
