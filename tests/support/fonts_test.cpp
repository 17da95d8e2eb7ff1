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

TEST(Fonts, TextHeightCountsLinesInTwips) {
    const QFont font = ArialFont(72);
    const double line = QFontMetricsF(font).height();
    ASSERT_GT(line, 0.0);
    EXPECT_DOUBLE_EQ(TextHeightTwips(font, "100", 15), line * 15);
    EXPECT_DOUBLE_EQ(TextHeightTwips(font, "1\n2", 12), line * 2 * 12);
    // A 72-point line is taller than 72 points (1440 twips): ascent and descent both count.
    EXPECT_GT(TextHeightTwips(font, "100", 15), 1440.0);
    EXPECT_LT(TextHeightTwips(ArialFont(36), "100", 15), TextHeightTwips(font, "100", 15));
}

} // namespace
