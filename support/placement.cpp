#include "placement.h"

#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const QScreen* primaryScreen() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::primaryScreen();
}

} // namespace

QSize GetScreenSize() {
    const QScreen* screen = primaryScreen();
    if (!screen || screen->size().isEmpty())
        return kFallbackScreenSize;
    return screen->size();
}

QPointF CentredTopLeft(QSize screenPixels, double twipsPerPixelX, double twipsPerPixelY,
                       QSizeF windowTwips) {
    const double top = (screenPixels.height() * twipsPerPixelY - windowTwips.height()) / 2.0;
    const double left = (screenPixels.width() * twipsPerPixelX - windowTwips.width()) / 2.0;
    return {left, top};
}

void CentreForm(QWidget* window) {
    if (!window)
        return;
    const double perX = twips::perPixelX();
    const double perY = twips::perPixelY();
    const QSize frame = window->frameGeometry().size();
    const QPointF topLeft = CentredTopLeft(GetScreenSize(), perX, perY,
                                           QSizeF(frame.width() * perX, frame.height() * perY));
    const QScreen* screen = primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    window->move(origin + QPoint(twips::toPixelsX(topLeft.x()), twips::toPixelsY(topLeft.y())));
}
