#include "surface.h"

#include <cmath>

namespace surface {

namespace {

int deviceEdge(int pixels, qreal ratio) {
    return static_cast<int>(std::floor(pixels * ratio));
}

} // namespace

QSize deviceSize(QSize size, qreal ratio) {
    return QSize(static_cast<int>(std::ceil(size.width() * ratio)),
                 static_cast<int>(std::ceil(size.height() * ratio)));
}

QImage make(QSize size, qreal ratio, QImage::Format format) {
    QImage image(deviceSize(size.expandedTo(QSize(1, 1)), ratio), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

bool fits(const QImage& image, QSize size, qreal ratio) {
    return image.devicePixelRatio() == ratio &&
           image.size() == deviceSize(size.expandedTo(QSize(1, 1)), ratio);
}

QRect devicePixels(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    const int left = deviceEdge(x, ratio);
    const int top = deviceEdge(y, ratio);
    return QRect(left, top, deviceEdge(x + 1, ratio) - left, deviceEdge(y + 1, ratio) - top);
}

} // namespace surface
