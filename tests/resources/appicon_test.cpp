#include "resources.h"

#include <QFile>
#include <QIcon>
#include <gtest/gtest.h>

namespace {

// The window's icon is drawn from the SVG at the device pixels asked for, not enlarged from the
// nearest picture; the pictures are all there for desktops without an SVG icon engine.
TEST(AppIcon, DrawingServesEveryDeviceSize) {
    const QIcon drawing(resources::AppIconScalablePath());
    EXPECT_EQ(drawing.pixmap(QSize(40, 40), 2.0).size(), QSize(80, 80));
    const QStringList pictures = resources::AppIconPaths();
    EXPECT_EQ(pictures.size(), 7);
    for (const QString& picture : pictures)
        EXPECT_TRUE(QFile::exists(picture)) << qPrintable(picture);
}

} // namespace
