#include "bkcprog.h"
#include "propertybag.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<bkCProg> sizedGauge(int width = 101, int height = 101) {
    auto g = std::make_unique<bkCProg>();
    g->resize(width, height);
    g->UserControl_Resize(); // a hidden widget gets its resize event only when shown
    return g;
}

struct ClampCase {
    const char* name;
    std::function<void(bkCProg&)> act;
    std::function<int(const bkCProg&)> read;
    int expected;
};

void PrintTo(const ClampCase& c, std::ostream* os) {
    *os << c.name;
}

class SetterRuleTest : public testing::TestWithParam<ClampCase> {};

TEST_P(SetterRuleTest, StoresTheNormalisedValue) {
    const ClampCase& c = GetParam();
    auto g = sizedGauge();
    g->setRadius(25);
    c.act(*g);
    EXPECT_EQ(c.read(*g), c.expected);
}

ClampCase valueCase(const char* name, int min, int max, int set, int expected) {
    return {name,
            [=](bkCProg& g) {
                g.setMax(max);
                g.setMin(min);
                g.setValue(set);
            },
            [](const bkCProg& g) { return g.value(); }, expected};
}

ClampCase intCase(const char* name, void (bkCProg::*setter)(int), int (bkCProg::*getter)() const,
                  int set, int expected) {
    return {name, [=](bkCProg& g) { (g.*setter)(set); },
            [=](const bkCProg& g) { return (g.*getter)(); }, expected};
}

ClampCase flagCase(const char* name, std::function<void(bkCProg&)> act,
                   bool (bkCProg::*getter)() const, bool expected) {
    return {name, std::move(act), [=](const bkCProg& g) { return int((g.*getter)()); },
            int(expected)};
}

INSTANTIATE_TEST_SUITE_P(
    Gauge, SetterRuleTest,
    testing::Values(
        valueCase("ValueAboveMaxIsMax", 0, 100, 150, 100),
        valueCase("ValueBelowMinIsMin", 0, 100, -5, 0),
        intCase("Span720", &bkCProg::setSpan, &bkCProg::span, 720, 360),
        intCase("Span361", &bkCProg::setSpan, &bkCProg::span, 361, 45),
        intCase("SpanMinus90", &bkCProg::setSpan, &bkCProg::span, -90, 270),
        intCase("OffsetMinus30", &bkCProg::setOffsetAngle, &bkCProg::offsetAngle, -30, 330),
        intCase("Offset725", &bkCProg::setOffsetAngle, &bkCProg::offsetAngle, 725, 5),
        intCase("MinNegativeIsZero", &bkCProg::setMin, &bkCProg::min, -10, 0),
        ClampCase{"MaxMayGoBelowMin",
                  [](bkCProg& g) {
                      g.setMin(50);
                      g.setMax(20);
                  },
                  [](const bkCProg& g) { return g.max(); }, 20},
        intCase("BorderWidthZeroIsOne", &bkCProg::setBorderWidth, &bkCProg::borderWidth, 0, 1),
        intCase("BorderWidthBelowRadius", &bkCProg::setBorderWidth, &bkCProg::borderWidth, 40, 24),
        ClampCase{"BorderWidthOfAnUnsizedGaugeIsOne",
                  [](bkCProg& g) {
                      g.setRadius(0);
                      g.setBorderWidth(3);
                  },
                  [](const bkCProg& g) { return g.borderWidth(); }, 1},
        intCase("TickWidthZeroIsOne", &bkCProg::setTickWidth, &bkCProg::tickWidth, 0, 1),
        flagCase(
            "ArcOffTurnsNeedleOn", [](bkCProg& g) { g.setShowArc(false); }, &bkCProg::showNeedle,
            true),
        flagCase(
            "NeedleOffTurnsArcOn",
            [](bkCProg& g) {
                g.setShowNeedle(true);
                g.setShowArc(false);
                g.setShowNeedle(false);
            },
            &bkCProg::showArc, true),
        flagCase(
            "PercentTurnsValueOn", [](bkCProg& g) { g.setShowValueAsPercent(true); },
            &bkCProg::showValue, true)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaugePersistence, SizedInstanceSurvivesAFile) {
    auto g = sizedGauge(300, 200);
    g->setMax(60);
    g->setValue(42);
    g->setSpan(270);
    g->setOffsetAngle(225);
    g->setStartColor(0x80000012);
    g->setTickStyle(bkCProg::FilledDots);
    g->setTickFrequency(2.5f);
    g->setTextShadowYOffset(-2);
    g->setFont(QFont("Liberation Sans", 18, QFont::Bold));
    g->setInset(true);
    g->setUseMask(true);
    PropertyBag saved;
    g->WriteProperties(saved);

    QTemporaryDir dir;
    ASSERT_TRUE(saved.saveToFile(dir.filePath("gauge.json")));
    PropertyBag loaded;
    ASSERT_TRUE(loaded.loadFromFile(dir.filePath("gauge.json")));
    bkCProg copy;
    copy.ReadProperties(loaded);
    PropertyBag again;
    copy.WriteProperties(again);

    EXPECT_EQ(again, saved);
    EXPECT_EQ(copy.xCenter(), 150);
    EXPECT_EQ(copy.value(), 42);
    EXPECT_EQ(copy.font().pointSize(), 18);
}

} // namespace
