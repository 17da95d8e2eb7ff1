#include "fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

TEST(Fonts, DesignedFacesResolveToAnInstalledSansSerif) {
    struct Row {
        const char* name;
        QFont font;
        double pointSize;
        bool bold;
    };
    const Row rows[] = {
        {"arialTarget", ArialFont(120), 120, false},
        {"sansBoldButton", SansSerifFont(18, true), 18, true},
        {"sansSmallPick", SansSerifFont(8.25), 8.25, false},
    };
    for (const Row& row : rows) {
        const QFontInfo info(row.font);
        EXPECT_TRUE(info.family() == "Liberation Sans" || info.family() == "DejaVu Sans")
            << row.name << ": " << info.family().toStdString();
        EXPECT_DOUBLE_EQ(row.font.pointSizeF(), row.pointSize) << row.name;
        EXPECT_EQ(info.bold(), row.bold) << row.name;
    }
}

} // namespace
