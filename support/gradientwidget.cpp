#include "gradientwidget.h"

#include "surface.h"

#include <QPainter>

GradientWidget::GradientWidget(QWidget* parent) : GradientWidget(kGameWindowGradient, parent) {}

GradientWidget::GradientWidget(const GradientColors& colors, QWidget* parent)
    : QWidget(parent), m_colors(colors) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientWidget::setGradient(const GradientColors& colors) {
    m_colors = colors;
    m_image = QImage();
    update();
}

void GradientWidget::setMeasuresWindowFrame(bool on) {
    m_measureWindowFrame = on;
    m_image = QImage();
    update();
}

void GradientWidget::resizeEvent(QResizeEvent* event) {
    m_image = QImage();
    QWidget::resizeEvent(event);
}

void GradientWidget::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize outer = GradientOuterSize(m_measureWindowFrame ? window() : this);
    if (m_imageOuter != outer || !surface::fits(m_image, size(), ratio)) {
        m_image = surface::make(size(), ratio, QImage::Format_RGB32);
        m_image.fill(Qt::black);
        QPainter imagePainter(&m_image);
        PaintGradient(imagePainter, outer, m_colors.colorA, m_colors.colorB, m_colors.direction);
        m_imageOuter = outer;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
