#include "bkcprog.h"
#include "buttonex.h"
#include "lighttab.h"
#include "systemcolors.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// Runs under QT_SCALE_FACTOR=2: two device pixels per pixel.
namespace {

constexpr ColorValue kCircle = 0x00FFFFFF; // white
constexpr ColorValue kArc = 0x000000FF;    // red
constexpr ColorValue kNeedle = 0x00000000; // black

// What a control shows, in device pixels.
QImage shown(QWidget& control) {
    const QPixmap pixmap = control.grab();
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixmap.size(), control.size() * 2);
    return pixmap.toImage();
}

// A drawing made in pixels and enlarged: every aligned 2 x 2 block of one colour.
bool enlarged(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p)
                return false;
        }
    }
    return true;
}

// 96 x 96 pixels: centre (48, 48), radius 47, spokes 2 pixels wide; a quarter of the scale.
void plainGauge(bkCProg& g) {
    g.resize(96, 96);
    g.UserControl_Resize();
    g.setCircleColor(kCircle);
    g.setStartColor(kArc);
    g.setNeedleColor(kNeedle);
    g.setGradient(false);
    g.setShowNeedle(true);
    g.setMax(60);
    g.setValue(15);
}

TEST(HighDpi, ControlsDrawAtTheDeviceResolution) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    bkCProg gauge;
    plainGauge(gauge);
    ButtonEx button;
    button.resize(120, 40);
    button.setCaption(QStringLiteral("Validate"));
    LightTab strip;
    strip.resize(240, 120);
    for (const auto& [name, control] : {std::pair<const char*, QWidget*>{"gauge", &gauge},
                                        {"button", &button},
                                        {"strip", &strip}})
        EXPECT_FALSE(enlarged(shown(*control))) << name;
    // The strip's frame is plotted pixel by pixel: each covers its four device pixels.
    const QImage frame = shown(strip);
    const int below = 2 * (strip.stripRect().bottom() + 4);
    EXPECT_TRUE(enlarged(frame.copy(0, below, 8, frame.height() - below)));
}

// The needle straight up, 2 pixels wide about x = 48.5, has its edges between pixels: on
// device pixels they are sharp, where an enlarged drawing blends two device pixels each side.
// The spokes filled straight into the image land on the device pixels of their angle.
TEST(HighDpi, GaugeEdgesAndSpokesFollowTheDevicePixels) {
    bkCProg g;
    plainGauge(g);
    g.setValue(0);
    QImage image = shown(g);
    int blended = 0;
    for (int x = 2 * 40; x < 2 * 56; ++x) {
        const ColorValue c = systemcolors::fromQColor(image.pixelColor(x, 2 * 25));
        blended += c != kCircle && c != kNeedle;
    }
    EXPECT_EQ(blended, 0);
    g.setValue(15);
    image = shown(g);
    // 45 degrees clockwise from up, at 30 of 47 pixels: inside the quarter arc.
    EXPECT_EQ(systemcolors::fromQColor(image.pixelColor(2 * (48 + 21), 2 * (48 - 21))), kArc);
}

// The transparent shape is cut in the widget's pixels from the finer drawing.
TEST(HighDpi, AutoMaskTakesTheGaugesShapeInPixels) {
    bkCProg g;
    plainGauge(g);
    g.setAutoMask(true);
    g.grab();
    QTRY_VERIFY(!g.mask().isEmpty());
    EXPECT_TRUE(g.rect().contains(g.mask().boundingRect()));
    EXPECT_TRUE(g.mask().contains(QPoint(48, 48)));
    EXPECT_FALSE(g.mask().contains(QPoint(2, 2)));
}

} // namespace
