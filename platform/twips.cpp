#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace twips {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultPerPixel = 15.0;

double perPixel(bool horizontal) {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (!screen)
        return kDefaultPerPixel;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0.0 ? kTwipsPerInch / dpi : kDefaultPerPixel;
}

int roundToInt(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

double perPixelX() {
    return perPixel(true);
}
double perPixelY() {
    return perPixel(false);
}

int toPixelsX(double t) {
    return roundToInt(t / perPixelX());
}
int toPixelsY(double t) {
    return roundToInt(t / perPixelY());
}

} // namespace twips
