#include "buttonrules.h"
#include "edgestyle.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

TEST(ButtonCaption, AccessKeyAndMeasuredText) {
    // caption, access key, the text measured
    const std::tuple<const char*, std::optional<QChar>, const char*> rows[] = {
        {"&OK", QChar('O'), "OK"},        {"A&&B", std::nullopt, "A&B"},
        {"A&&B&C", QChar('C'), "A&B&C"},  {"Go&", std::nullopt, "Go"},
        {"Reset", std::nullopt, "Reset"},
    };
    for (const auto& [caption, key, measured] : rows) {
        EXPECT_EQ(buttonex::accessKey(caption), key) << caption;
        EXPECT_EQ(buttonex::measuredCaption(caption), QString(measured)) << caption;
    }
}

TEST(ButtonEdges, EachBorderStyleAndAnyOtherNumber) {
    using buttonex::BorderStyle;
    const std::pair<BorderStyle, buttonex::EdgePair> rows[] = {
        {BorderStyle(-1), {edges::Raised, edges::Sunken}},
        {BorderStyle::HoverOnly, {edges::Raised, 0}},
        {BorderStyle::RaisedSunken, {edges::Raised, edges::Sunken}},
        {BorderStyle::BumpEtched, {edges::Bump, edges::Etched}},
        {BorderStyle::Thin, {edges::RaisedInner, edges::SunkenOuter}},
        {BorderStyle::ThinGrey, {edges::RaisedInner, edges::SunkenOuter}},
        {BorderStyle(5), {edges::Raised, edges::Sunken}},
    };
    for (const auto& [style, edges] : rows) {
        const buttonex::EdgePair pair = buttonex::edgesFor(style);
        EXPECT_EQ(pair.up, edges.up) << int(style);
        EXPECT_EQ(pair.down, edges.down) << int(style);
    }
}

// Pixels -> HIMETRIC (rounded) -> twips at 1.76 per twip -> pixels (rounded half up).
TEST(ButtonSkin, SizeFollowsThePictureAndTheScreenPerAxis) {
    struct Row {
        const char* name;
        QSize pixels;
        double dpiX, dpiY, tppX, tppY;
        QSize expected;
    };
    const Row rows[] = {
        {"ScreenDensity", {40, 20}, 96, 96, 15, 15, {40, 20}},
        {"HalfPixelRoundsUpOnlyAtTheHalf", {222, 221}, 96, 96, 15, 15, {223, 221}},
        {"EachAxisItsOwn", {222, 217}, 96, 144, 15, 10, {223, 218}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(buttonex::skinSize(row.pixels, row.dpiX, row.dpiY, row.tppX, row.tppY),
                  row.expected)
            << row.name;
}

TEST(ButtonKeys, KeyCodeAtTheEdgesOfEachRange) {
    const std::tuple<const char*, int, int> rows[] = {
        {"BelowDigits", Qt::Key_Slash, 0}, {"Digit0", Qt::Key_0, '0'},
        {"Digit9", Qt::Key_9, '9'},        {"AboveDigits", Qt::Key_Colon, 0},
        {"BelowLetters", Qt::Key_At, 0},   {"LetterA", Qt::Key_A, 'A'},
        {"LetterZ", Qt::Key_Z, 'Z'},       {"AboveLetters", Qt::Key_BracketLeft, 0},
        {"BelowF1", Qt::Key_F1 - 1, 0},    {"F1", Qt::Key_F1, 0x70},
        {"F24", Qt::Key_F24, 0x87},        {"AboveF24", Qt::Key_F25, 0},
        {"Enter", Qt::Key_Enter, 13},      {"Space", Qt::Key_Space, 32},
        {"Delete", Qt::Key_Delete, 46},    {"Unmapped", Qt::Key_Print, 0},
    };
    for (const auto& [name, key, code] : rows)
        EXPECT_EQ(buttonex::keyCode(key), code) << name;
}

} // namespace
