#include "lighttab.h"
#include "propertybag.h"
#include "propertypage1.h"
#include "propertytablecheck.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// One shown strip: the tab widths, the raised tab's drawing, what screen readers see, and
// presses, code and keys.
TEST(LightTabTest, WiresDrawingScreenReadersPressesAndKeys) {
    LightTab strip;
    strip.resize(300, 200);
    strip.setCaptions(QStringLiteral(" Difficulty | Timing | General |"));
    strip.setNumberOfTabs(3);
    QSignalSpy changes(&strip, &LightTab::AfterTabChange);
    strip.show();
    strip.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&strip));
    strip.setFocus();
    const auto& g = strip.geometry();
    EXPECT_EQ(g.left[0], 2);
    const double timingWidth = QFontMetricsF(strip.font()).horizontalAdvance(" Timing ") + 15;
    EXPECT_NEAR(g.width[1], timingWidth, 0.5);

    // Tab 1 raised: its top edge at the control's top, over the page frame's top line.
    strip.setActiveTab(1);
    const QImage image = strip.grab().toImage();
    const int xRaised = strip.highlightRect().center().x();
    const int xOther = strip.stripRect().left() + g.left[0] + 5;
    EXPECT_EQ(image.pixelColor(xRaised, 0), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(xOther, 0), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(xRaised, 19), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(xOther, 19), QColor(Qt::white));

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&strip);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), QStringLiteral("Timing"));
    EXPECT_TRUE(list->child(1)->state().selected);
    list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(strip.activeTab(), 0);

    const auto press = [&](int x) {
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.stripRect().topLeft() + QPoint(x, 8));
    };
    // In order, from tab 0 of three: name, what is done, change events, the active tab after.
    const std::tuple<const char*, std::function<void()>, int, int> rows[] = {
        {"PressTab2", [&] { press(g.left[2] + 5); }, 1, 2},
        {"PressTheRaisedTab", [&] { press(g.left[2] + 5); }, 0, 2},
        {"PressRightOfTheLastTab", [&] { press(287); }, 0, 2},
        {"PressOnABoundaryTakesTheLeftTab", [&] { press(g.left[1]); }, 1, 0},
        {"CodeRepeatsTheEvent", [&] { strip.setActiveTab(0); }, 1, 0},
        {"CtrlShiftTabWraps",
         [&] { QTest::keyClick(&strip, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier); },
         1, 2},
        {"RightOnTheLastTab", [&] { QTest::keyClick(&strip, Qt::Key_Right); }, 0, 2},
        {"Left", [&] { QTest::keyClick(&strip, Qt::Key_Left); }, 1, 1},
        {"FewerTabsKeepTheActiveOne", [&] { strip.setNumberOfTabs(2); }, 0, 1},
        {"FewerTabsDropTheActiveOne", [&] { strip.setNumberOfTabs(1); }, 0, 0},
        {"CodeBeyondTheDrawnTabs", [&] { strip.setActiveTab(5); }, 1, 5},
    };
    for (const auto& [name, act, events, active] : rows) {
        SCOPED_TRACE(name);
        changes.clear();
        act();
        ASSERT_EQ(changes.count(), events);
        EXPECT_TRUE(changes.isEmpty() || changes.first().at(0).toInt() == active);
        EXPECT_EQ(strip.activeTab(), active);
    }
    EXPECT_FALSE(strip.highlightVisible()); // tab 5 is selected but not drawn
    strip.setNumberOfTabs(11);              // beyond the ten slots of the geometry tables
    EXPECT_EQ(strip.numberOfTabs(), 10);
}

// Captions were cut at the strip's bottom where the font took more than its 17 pixels.
TEST(LightTabTest, ATallerFontShowsTheCaptionsWhole) {
    LightTab strip;
    strip.resize(400, 200);
    QFont font = strip.font();
    font.setPixelSize(24);
    strip.setFont(font);
    strip.setCaptions(QStringLiteral("A|gjpq|"));
    strip.setNumberOfTabs(2);
    const QImage image = strip.grab().toImage();
    const QFontMetrics metrics(font);
    const int baseline = strip.stripRect().top() + 3 + metrics.ascent();
    const int left = strip.stripRect().left() + strip.geometry().left[1];
    int descenders = 0; // the dark pixels of tab 1's caption below its baseline
    for (int y = baseline + 1; y <= baseline + metrics.descent(); ++y) {
        for (int x = left + 5; x < left + strip.geometry().width[1] - 5; ++x)
            descenders += qGray(image.pixel(x, y)) < 100;
    }
    EXPECT_GT(descenders, 0);
}

TEST(LightTabTest, SavesOnlyWhatDiffersAndRestoresWithoutTheEvent) {
    LightTab strip;
    PropertyBag bag;
    strip.WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty());

    // A design with more tabs than the strip can hold gets ten.
    bag.writeInt16(QStringLiteral("NumberOfTabs"), 40, 4);
    bag.writeInt16(QStringLiteral("ActiveTab"), 25, 0);
    QSignalSpy changes(&strip, &LightTab::AfterTabChange);
    strip.ReadProperties(bag);
    EXPECT_EQ(strip.numberOfTabs(), 10);
    EXPECT_EQ(strip.activeTab(), 9);
    EXPECT_EQ(changes.count(), 0);
}

TEST(PropertyTable, EveryTabStripPropertySetsNotifiesAndPersists) {
    expectEveryPropertySetsNotifiesAndPersists<LightTab>(
        [] { return std::make_unique<LightTab>(); });
}

TEST(PropertyPage1Test, AppliesActiveTabThenNumberOfTabsThenCaption) {
    LightTab strip;
    PropertyPage1 page;
    page.setSelectedControls({&strip});
    const auto edit = [&](const char* name) { return page.findChild<QLineEdit*>(name); };
    page.findChild<QScrollBar*>("HScroll1")->setValue(1);
    QTest::keyClicks(edit("txtCaption"), QStringLiteral("x"));
    edit("txtActiveTab")->setText(QStringLiteral("3"));
    edit("txtNumberOfTabs")->setText(QStringLiteral("3"));
    page.ApplyChanges();
    // ActiveTab 3 first, then three tabs: 3 is no longer a tab, so tab 0.
    EXPECT_EQ(strip.activeTab(), 0);
    EXPECT_EQ(strip.numberOfTabs(), 3);
    EXPECT_EQ(strip.caption(1), QStringLiteral("Tab1x"));
}

} // namespace
