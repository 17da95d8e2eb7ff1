#include "fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(Fonts, DesignedFacesResolveToAnInstalledSansSerif) {
    // the font, its point size and whether it is bold
    const std::tuple<QFont, double, bool> rows[] = {{ArialFont(120), 120, false},
                                                    {SansSerifFont(18, true), 18, true},
                                                    {SansSerifFont(8.25), 8.25, false}};
    for (const auto& [font, pointSize, bold] : rows) {
        const QFontInfo info(font);
        EXPECT_TRUE(info.family() == "Liberation Sans" || info.family() == "DejaVu Sans")
            << pointSize << ": " << info.family().toStdString();
        EXPECT_DOUBLE_EQ(font.pointSizeF(), pointSize);
        EXPECT_EQ(info.bold(), bold) << pointSize;
    }
}

} // namespace
