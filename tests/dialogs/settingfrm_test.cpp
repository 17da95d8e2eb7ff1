#include "bkcprog.h"
#include "buttonex.h"
#include "lighttab.h"
#include "messagebox.h"
#include "settingfrm.h"
#include "settingfrmfixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

auto rowName = [](const auto& info) { return std::string(info.param.name); };

struct AcquireCase {
    const char* name;
    std::map<QString, SettingValue> store;
    const char* lowest;
    const char* highest;
    const char* roundLength;
    int period;
    bool showSeconds;
    int roundSeconds;
};

class AcquireTest : public SettingFrmTest, public testing::WithParamInterface<AcquireCase> {};

TEST_P(AcquireTest, ShowsTheStoreAndSetsRoundLengthAndPeriod) {
    const AcquireCase& c = GetParam();
    for (const auto& [name, value] : c.store)
        store.PutSettingValue(SettingsKeyPath, name, value, SettingsStore::DWord);
    settings.RoundSeconds = 55;
    settings.TimerInterval = 1234;
    open();
    EXPECT_EQ(text1(0)->text().toStdString(), c.lowest);
    EXPECT_EQ(text1(1)->text().toStdString(), c.highest);
    EXPECT_EQ(combo()->currentText().toStdString(), c.roundLength);
    EXPECT_EQ(get<QScrollBar>(QStringLiteral("HS1"))->value(), c.period);
    EXPECT_EQ(check(1)->isChecked(), c.showSeconds);
    EXPECT_EQ(preview()->showValue(), c.showSeconds);
    EXPECT_EQ(preview()->value(), std::min(c.roundSeconds, 60)); // a one-minute face
    EXPECT_EQ(settings.RoundSeconds, c.roundSeconds);
    EXPECT_EQ(settings.TimerInterval, c.period);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stores, AcquireTest, testing::Values(
    AcquireCase{"Empty", {}, "101", "999", "30", 950, false, 30},
    // A highest value below the lowest is shown as the default; the period is kept on the slider.
    AcquireCase{"StoredValues", {{"TimeAllowed", 6}, {"LowestTarget", 500}, {"HighestTarget", 400},
                {"ShowSeconds", 1}, {"TimerInterval", 5000}}, "500", "999", "60", 2000, true, 60},
    AcquireCase{"IndexNotInTheList", {{"TimeAllowed", 12}}, "101", "999", "", 950, false, 90}),
    rowName);
// clang-format on

TEST_F(SettingFrmTest, TargetsTakeDigitsAndThePreviewFollowsOnlyTheList) {
    open();
    text1(0)->clear();
    QTest::keyClicks(text1(0), QStringLiteral("a1-2b3"));
    QTest::keyClick(text1(0), Qt::Key_Backspace);
    EXPECT_EQ(text1(0)->text(), QStringLiteral("12"));

    showTiming();
    combo()->setCurrentIndex(2);
    combo()->lineEdit()->selectAll();
    QTest::keyClicks(combo()->lineEdit(), QStringLiteral("45"));
    EXPECT_EQ(preview()->value(), 40); // follows the list once the window is up, not typing
}

struct ValidateCase {
    const char* name;
    const char* lowest;
    const char* highest;
    int focus;    // the field the focus is in
    bool byApply; // Apply clicked, or the focus moved on with Tab
    int messages; // "Invalid values." boxes shown
    const char* lowestAfter;
    const char* highestAfter;
    bool stored;
};

class ValidateTest : public SettingFrmTest, public testing::WithParamInterface<ValidateCase> {};

TEST_P(ValidateTest, RefillsAndNeverStoresABadRange) {
    const ValidateCase& c = GetParam();
    std::vector<MessageBoxCall> shown;
    ScopedMessageBoxPresenter seam(
        [&shown](QWidget*, const MessageBoxCall& call) { shown.push_back(call); });
    open();
    text1(0)->setText(QString::fromUtf8(c.lowest));
    text1(1)->setText(QString::fromUtf8(c.highest));
    text1(c.focus)->setFocus();
    if (c.byApply)
        click(2);
    else
        QTest::keyClick(text1(c.focus), Qt::Key_Tab);
    QApplication::processEvents();

    ASSERT_EQ(static_cast<int>(shown.size()), c.messages);
    for (const MessageBoxCall& call : shown) {
        EXPECT_EQ(call.text,
                  QStringLiteral("The Lowest value must be less than the Highest value."));
        EXPECT_EQ(call.title, QStringLiteral("Invalid values."));
        EXPECT_EQ(call.icon, MessageIcon::Information);
    }
    EXPECT_EQ(text1(0)->text().toStdString(), c.lowestAfter);
    EXPECT_EQ(text1(1)->text().toStdString(), c.highestAfter);
    if (c.lowestAfter != std::string(c.lowest) || c.highestAfter != std::string(c.highest)) {
        EXPECT_EQ(QApplication::focusWidget(), text1(c.focus)); // refilled: the focus stays
    }
    // Only a valid range reaches the store and the settings in use; Apply keeps the dialog open.
    EXPECT_EQ(stored("HighestTarget"), c.stored ? SettingValue(300) : SettingValue());
    EXPECT_EQ(settings.HighestTarget, c.stored ? 300 : 999);
    EXPECT_TRUE(dialog->isVisible());
    // Destroyed with the focus in a target field: the focus watcher must be gone by then.
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ValidateTest, testing::Values(
    ValidateCase{"LeavingHighestInverted", "300", "200", 1, false, 1, "300", "999", false},
    ValidateCase{"LeavingLowestInverted",  "300", "200", 0, false, 0, "300", "200", false},
    ValidateCase{"LeavingLowestEmpty",     "",    "200", 0, false, 0, "101", "200", false},
    ValidateCase{"ApplyInverted",          "300", "200", 1, true,  1, "300", "999", false},
    ValidateCase{"ApplyEmptyHighest",      "300", "",    1, true,  0, "300", "999", false},
    ValidateCase{"ApplyPastedLowest",      "1a",  "500", 0, true,  0, "101", "500", false},
    ValidateCase{"ApplyEqual",             "300", "300", 1, true,  0, "300", "300", true}),
    rowName);
// clang-format on

} // namespace
