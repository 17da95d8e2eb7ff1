#pragma once

#include "gradient.h"

#include <QImage>
#include <QWidget>

// A backdrop that paints its own gradient, measured on its own size (a window's frame size
// when it is a top-level window). The painted image is kept until the size or colours change.
class GradientWidget : public QWidget {
    Q_OBJECT

public:
    explicit GradientWidget(QWidget* parent = nullptr);
    explicit GradientWidget(const GradientColours& colours, QWidget* parent = nullptr);

    GradientColours gradient() const { return m_colours; }
    void setGradient(const GradientColours& colours);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    GradientColours m_colours{kGameWindowGradient};
    QImage m_image;
    QSize m_imageOuter;
};
