#include "buttonrules.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(ButtonCaption, AccessKeyAndMeasuredText) {
    struct Row {
        const char* caption;
        std::optional<QChar> key;
        const char* measured;
    };
    const Row rows[] = {
        {"&OK", QChar('O'), "OK"},        {"A&&B", std::nullopt, "A&B"},
        {"A&&B&C", QChar('C'), "A&B&C"},  {"Go&", std::nullopt, "Go"},
        {"Reset", std::nullopt, "Reset"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(buttonex::accessKey(row.caption), row.key);
        EXPECT_EQ(buttonex::measuredCaption(row.caption), QString(row.measured));
    }
}

} // namespace
