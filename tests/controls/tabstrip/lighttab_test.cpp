#include "lighttab.h"
#include "propertybag.h"
#include "propertypage1.h"
#include "tabcaptions.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using tabstrip::CaptionItem;
using tabstrip::ReplaceCaptionItem;

template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

auto rowName = [](const auto& info) { return std::string(info.param.name); };

struct ReplaceCase {
    const char* name;
    const char* caption;
    int index;
    const char* text;
    const char* expected;
};

class ReplaceCaptionTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceCaptionTest, ReplacesOnlyThatItem) {
    const ReplaceCase& c = GetParam();
    const QString result =
        ReplaceCaptionItem(QString::fromUtf8(c.caption), c.index, QString::fromUtf8(c.text));
    EXPECT_EQ(result.toStdString(), c.expected);
    EXPECT_EQ(CaptionItem(result, c.index).toStdString(), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Items, ReplaceCaptionTest, testing::Values(
    ReplaceCase{"Middle", "Tab0|Tab1|Tab2|", 1, "Timing", "Tab0|Timing|Tab2|"},
    ReplaceCase{"First", "Tab0|Tab1|Tab2|", 0, " Difficulty ", " Difficulty |Tab1|Tab2|"},
    // Without padding the search for the fourth separator wraps round to the first item.
    ReplaceCase{"BeyondTheItemsPads", "A|B|", 3, "D", "A|B||D|"},
    ReplaceCase{"UnterminatedLastItem", "A|B", 1, "C", "A|C|"}),
    rowName);
// clang-format on

TEST(CaptionItemTest, KeepsSpacesAndIsEmptyBeyondTheItems) {
    const QString caption = QStringLiteral(" Difficulty | Timing | General |Tab3|");
    EXPECT_EQ(CaptionItem(caption, 2), QStringLiteral(" General "));
    EXPECT_EQ(CaptionItem(caption, 9), QString());
    EXPECT_EQ(CaptionItem(caption, -1), QString());
}

struct HitCase {
    const char* name;
    double x;
    int expected;
};

class HitTabTest : public testing::TestWithParam<HitCase> {};

TEST_P(HitTabTest, FindsTheTabUnderThePress) {
    tabstrip::TabGeometry g;
    g.left = {2, 40, 80};
    g.width = {38, 40, 30};
    EXPECT_EQ(tabstrip::HitTab(g, 3, GetParam().x), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Presses, HitTabTest, testing::Values(
    HitCase{"OnTab0LeftEdge", 2, -1}, HitCase{"JustInsideTab0", 3, 0},
    HitCase{"BoundaryBelongsLeft", 40, 0}, HitCase{"JustRightOfBoundary", 41, 1},
    HitCase{"LastTabRightEnd", 110, 2}, HitCase{"RightOfLastTab", 111, -1}),
    rowName);
// clang-format on

std::unique_ptr<LightTab> shownStrip(const QString& caption, int tabs) {
    auto strip = std::make_unique<LightTab>();
    strip->resize(300, 200);
    strip->setCaptions(caption);
    strip->setNumberOfTabs(tabs);
    strip->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(strip.get()));
    return strip;
}

// A point on tab `index`, in the control's coordinates.
QPoint onTab(const LightTab& strip, int index) {
    const auto k = static_cast<std::size_t>(index);
    return strip.stripRect().topLeft() +
           QPoint(strip.geometry().left[k] + strip.geometry().width[k] / 2, 8);
}

TEST(LightTabTest, DefaultInstanceDrawsFourTabsWithoutAnEvent) {
    LightTab strip;
    QSignalSpy changes(&strip, &LightTab::AfterTabChange);
    strip.resize(300, 200);
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    EXPECT_EQ(strip.caption(3), QStringLiteral("Tab3"));
    EXPECT_EQ(changes.count(), 0);
    const QFontMetricsF metrics(strip.font());
    const auto& g = strip.geometry();
    EXPECT_EQ(g.left[0], 2);
    EXPECT_NEAR(g.width[0], metrics.horizontalAdvance(QStringLiteral("Tab0")) + 15, 0.5);
    EXPECT_EQ(g.left[3], g.left[2] + g.width[2]);
}

TEST(LightTabTest, PressesSelectWithOneEventEach) {
    auto strip = shownStrip(QStringLiteral(" Difficulty | Timing | General |"), 3);
    QSignalSpy changes(strip.get(), &LightTab::AfterTabChange);

    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, onTab(*strip, 2));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(strip->activeTab(), 2);

    // On the raised tab, or right of the last tab: nothing.
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, onTab(*strip, 2));
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, QPoint(290, 10));
    EXPECT_EQ(changes.count(), 0);

    // The boundary between tabs 0 and 1 belongs to tab 0.
    const QPoint boundary = strip->stripRect().topLeft() + QPoint(strip->geometry().left[1], 8);
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, boundary);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.takeFirst().at(0).toInt(), 0);

    strip->setActiveTab(0); // from code: an event even when unchanged
    EXPECT_EQ(changes.count(), 1);
}

TEST(LightTabTest, FewerTabsKeepOnlyAnActiveTabThatStillExists) {
    for (const auto& [active, expected] : {std::pair{3, 0}, {2, 0}, {1, 1}}) {
        LightTab strip;
        strip.setActiveTab(active);
        strip.setNumberOfTabs(2);
        EXPECT_EQ(strip.activeTab(), expected) << "from tab " << active;
    }
    // Beyond the ten slots of the geometry tables: clamped.
    LightTab strip;
    strip.setNumberOfTabs(11);
    EXPECT_EQ(strip.numberOfTabs(), 10);
    strip.setNumberOfTabs(2);
    QSignalSpy changes(&strip, &LightTab::AfterTabChange);
    strip.setActiveTab(5); // not drawn: selected without a raised tab
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(strip.highlightVisible());
}

TEST(LightTabTest, RaisedTabCoversThePageFrameAndStandsAboveTheOthers) {
    auto strip = shownStrip(QStringLiteral(" Difficulty | Timing |"), 2);
    strip->setActiveTab(1);
    const QImage image = strip->grab().toImage();
    const QColor white(Qt::white);
    const int xRaised = strip->highlightRect().center().x();
    const int xOther = onTab(*strip, 0).x();
    // Top edge of the raised tab at the control's top; the unselected tab's two pixels lower.
    EXPECT_EQ(image.pixelColor(xRaised, 0), white);
    EXPECT_NE(image.pixelColor(xOther, 0), white);
    EXPECT_EQ(image.pixelColor(xOther, 2), white);
    // The page frame's top line runs under the unselected tabs but not under the raised one.
    EXPECT_EQ(image.pixelColor(xOther, 19), white);
    EXPECT_NE(image.pixelColor(xRaised, 19), white);
}

TEST(LightTabTest, KeyboardMovesTheSelection) {
    QWidget window;
    auto* strip = new LightTab(&window);
    auto* other = new QLineEdit(&window);
    strip->setGeometry(0, 0, 300, 200);
    other->setGeometry(0, 210, 100, 20);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy changes(strip, &LightTab::AfterTabChange);

    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(strip->activeTab(), 1);
    QTest::keyClick(other, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(other, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(strip->activeTab(), 3); // wraps round

    strip->setFocus();
    QTest::keyClick(strip, Qt::Key_Right); // already the last: nothing
    QTest::keyClick(strip, Qt::Key_Left);
    EXPECT_EQ(strip->activeTab(), 2);
    EXPECT_EQ(changes.count(), 4);
}

TEST(LightTabTest, ScreenReadersSeeTheTabsByCaption) {
    auto strip = shownStrip(QStringLiteral(" Difficulty | Timing |"), 2);
    strip->setActiveTab(1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip.get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 2);
    QAccessibleInterface* timing = list->child(1);
    EXPECT_EQ(timing->role(), QAccessible::PageTab);
    EXPECT_EQ(timing->text(QAccessible::Name), QStringLiteral("Timing"));
    EXPECT_TRUE(timing->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);
    EXPECT_EQ(list->indexOfChild(timing), 1);

    list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(strip->activeTab(), 0);
}

TEST(LightTabTest, SavesWhatDiffersFromTheDefaultsAndRestoresIt) {
    LightTab strip;
    PropertyBag bag;
    strip.WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty());

    strip.setCaption(1, QStringLiteral(" Timing "));
    strip.setNumberOfTabs(2);
    strip.setActiveTab(1);
    strip.WriteProperties(bag);
    LightTab restored;
    QSignalSpy changes(&restored, &LightTab::AfterTabChange);
    restored.ReadProperties(bag);
    EXPECT_EQ(restored.captions(), strip.captions());
    EXPECT_EQ(restored.numberOfTabs(), 2);
    EXPECT_EQ(restored.activeTab(), 1);
    EXPECT_EQ(changes.count(), 0);

    // A design with more tabs than the strip can hold gets ten.
    bag.writeInt16(QStringLiteral("NumberOfTabs"), 40, 4);
    bag.writeInt16(QStringLiteral("ActiveTab"), 25, 0);
    restored.ReadProperties(bag);
    EXPECT_EQ(restored.numberOfTabs(), 10);
    EXPECT_EQ(restored.activeTab(), 9);
}

TEST(PropertyPage1Test, AppliesActiveTabThenNumberOfTabsThenCaption) {
    LightTab strip;
    PropertyPage1 page;
    page.setSelectedControls({&strip});
    page.HScroll1->setValue(1);
    EXPECT_EQ(page.txtIndex->text(), QStringLiteral("1"));
    QTest::keyClicks(page.txtCaption, QStringLiteral("x"));
    EXPECT_TRUE(page.changed());
    page.txtActiveTab->setText(QStringLiteral("3"));
    page.txtNumberOfTabs->setText(QStringLiteral("3"));
    page.ApplyChanges();
    // ActiveTab 3 first, then three tabs: 3 is no longer a tab, so tab 0.
    EXPECT_EQ(strip.activeTab(), 0);
    EXPECT_EQ(strip.numberOfTabs(), 3);
    EXPECT_EQ(strip.caption(1), QStringLiteral("Tab1x"));
}

} // namespace
