#include "bkcprog.h"
#include "propertytablecheck.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<bkCProg> sizedGauge(int width = 101, int height = 101) {
    auto g = std::make_unique<bkCProg>();
    g->resize(width, height);
    g->UserControl_Resize(); // a hidden widget gets its resize event only when shown
    return g;
}

TEST(GaugeSetters, StoreTheNormalisedValue) {
    struct Row {
        const char* name;
        void (bkCProg::*set)(int);
        int (bkCProg::*get)() const;
        int value;
        int expected;
    };
    const Row rows[] = {
        {"ValueAboveMaxIsMax", &bkCProg::setValue, &bkCProg::value, 150, 100},
        {"ValueBelowMinIsMin", &bkCProg::setValue, &bkCProg::value, -5, 0},
        {"Span720", &bkCProg::setSpan, &bkCProg::span, 720, 360},
        {"Span361", &bkCProg::setSpan, &bkCProg::span, 361, 45},
        {"SpanMinus90", &bkCProg::setSpan, &bkCProg::span, -90, 270},
        {"OffsetMinus30", &bkCProg::setOffsetAngle, &bkCProg::offsetAngle, -30, 330},
        {"Offset725", &bkCProg::setOffsetAngle, &bkCProg::offsetAngle, 725, 5},
        {"MinNegativeIsZero", &bkCProg::setMin, &bkCProg::min, -10, 0},
        {"BorderWidthZeroIsOne", &bkCProg::setBorderWidth, &bkCProg::borderWidth, 0, 1},
        {"BorderWidthBelowRadius", &bkCProg::setBorderWidth, &bkCProg::borderWidth, 40, 24},
        {"TickWidthZeroIsOne", &bkCProg::setTickWidth, &bkCProg::tickWidth, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto g = sizedGauge();
        g->setRadius(25);
        ((*g).*row.set)(row.value);
        EXPECT_EQ(((*g).*row.get)(), row.expected);
    }
}

TEST(GaugeSetters, CoupledSettings) {
    auto g = sizedGauge();
    g->setMin(50);
    g->setMax(20);
    EXPECT_EQ(g->max(), 20) << "Max may go below Min";
    g->setRadius(0);
    g->setBorderWidth(3);
    EXPECT_EQ(g->borderWidth(), 1) << "an unsized gauge";
    g->setShowArc(false);
    EXPECT_TRUE(g->showNeedle()) << "arc off turns the needle on";
    g->setShowNeedle(false);
    EXPECT_TRUE(g->showArc()) << "needle off turns the arc on";
    g->setShowValueAsPercent(true);
    EXPECT_TRUE(g->showValue()) << "percent turns the value on";
}

TEST(PropertyTable, EveryGaugePropertySetsNotifiesAndPersists) {
    expectEveryPropertySetsNotifiesAndPersists<bkCProg>([] { return sizedGauge(); });
}

} // namespace
