#pragma once

#include "gradient.h"

#include <QImage>
#include <QWidget>

// A backdrop that paints its own gradient, measured on its own size (a window's frame size
// when it is a top-level window). The painted image is kept until the sizes or colours change.
class GradientWidget : public QWidget {
    Q_OBJECT

public:
    explicit GradientWidget(QWidget* parent = nullptr);
    explicit GradientWidget(const GradientColors& colors, QWidget* parent = nullptr);

    GradientColors gradient() const { return m_colors; }
    void setGradient(const GradientColors& colors);

    // Measure the bands on the top-level window's frame instead of this widget, as a
    // backdrop that fills a window's client area (for example a main window's central widget).
    bool measuresWindowFrame() const { return m_measureWindowFrame; }
    void setMeasuresWindowFrame(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    GradientColors m_colors{kGameWindowGradient};
    bool m_measureWindowFrame = false;
    QImage m_image;
    QSize m_imageOuter;
};
