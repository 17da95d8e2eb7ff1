#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(CentredTopLeft, CentresTheOuterSizeOnTheScreen) {
    // name, screen (pixels), twips per pixel across and down, window and top left (twips)
    const std::tuple<const char*, QSize, double, double, QSizeF, QPointF> rows[] = {
        {"dialogOn1024", QSize(1024, 768), 15, 15, QSizeF(4000, 3000), QPointF(5680, 4260)},
        {"oddDifferenceKeepsHalf", QSize(800, 600), 15, 15, QSizeF(4001, 3001),
         QPointF(3999.5, 2999.5)},
        {"largerThanScreen", QSize(800, 600), 15, 15, QSizeF(14000, 9000), QPointF(-1000, 0)},
        {"otherScale", QSize(1280, 1024), 12, 10, QSizeF(3000, 2000), QPointF(6180, 4120)},
    };
    for (const auto& [name, screen, perX, perY, window, topLeft] : rows)
        EXPECT_EQ(CentredTopLeft(screen, perX, perY, window), topLeft) << name;
}

TEST(CentreForm, PutsTheWindowInTheMiddleOfThePrimaryScreen) {
    QWidget window;
    window.resize(300, 200);
    CentreForm(&window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

} // namespace
