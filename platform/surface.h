#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Drawing surfaces of the custom controls at the screen's resolution: an image of size ×
// ratio device pixels (ratio: the widget's devicePixelRatioF()) that is drawn on, and shown,
// in the widget's pixels.
namespace surface {

// The device pixels that cover `size` pixels, each side rounded up.
QSize deviceSize(QSize size, qreal ratio);

// A surface of `size` pixels (at least 1 x 1) at `ratio`, not filled.
QImage make(QSize size, qreal ratio, QImage::Format format);

// Whether `image` is the surface that make(size, ratio, ...) gives.
bool fits(const QImage& image, QSize size, qreal ratio);

// The device pixels of `image` that pixel (x, y) of its drawing covers.
QRect devicePixels(const QImage& image, int x, int y);

} // namespace surface
