#include "tabcaptions.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using tabstrip::CaptionItem;

TEST(TabCaptionsTest, ReplacingAnItemLeavesTheOthers) {
    // Without padding the search for the item's end wraps round to the first item.
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"Middle", "Tab0|Tab1|Tab2|", 1, "Tab0| Timing |Tab2|"},
        {"BeyondTheItemsPads", "A|B|", 3, "A|B|| Timing |"},
        {"UnterminatedLastItem", "A|B", 1, "A| Timing |"},
        {"NegativeIndex", "A|B|", -1, "A|B|"}};
    for (const auto& [name, caption, index, expected] : rows) {
        SCOPED_TRACE(name);
        const QString result = tabstrip::ReplaceCaptionItem(QString::fromUtf8(caption), index,
                                                            QStringLiteral(" Timing "));
        EXPECT_EQ(result.toStdString(), expected);
    }
    EXPECT_EQ(CaptionItem(QStringLiteral("A| B |C|"), 1), QStringLiteral(" B "));
    EXPECT_EQ(CaptionItem(QStringLiteral("A|B|"), 9), QString());
    EXPECT_EQ(CaptionItem(QStringLiteral("A|B|"), -1), QString());
}

TEST(TabCaptionsTest, HitTabFindsTheTabUnderThePress) {
    const tabstrip::TabGeometry g{{2, 40, 80}, {38, 40, 30}};
    const std::pair<double, int> rows[] = {{2, -1}, {3, 0}, {40, 0}, {41, 1}, {110, 2}, {111, -1}};
    for (const auto& [x, expected] : rows)
        EXPECT_EQ(tabstrip::HitTab(g, 3, x), expected) << "at x " << x;
}

} // namespace
