#include "bkcprog.h"
#include "buttonex.h"
#include "lighttab.h"
#include "messageboxlog.h"
#include "settingfrm.h"
#include "settingsstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// A settings dialog over a store in a scratch folder, with its controls found by name.
class SettingFrmTest : public testing::Test {
protected:
    void SetUp() override { store.CreateSettingsKey(SettingsKeyPath); }

    SettingValue stored(const char* name) const {
        return store.GetSettingValue(SettingsKeyPath, QString::fromLatin1(name)).value;
    }

    void open() {
        SettingFrm::Services services;
        services.settings = &settings;
        services.store = &store;
        dialog = std::make_unique<SettingFrm>(std::move(services));
        dialog->show();
        dialog->activateWindow(); // also on a display without a window manager
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename T> T* get(const QString& name) { return dialog->findChild<T*>(name); }
    QLineEdit* text1(int i) { return get<QLineEdit>(QStringLiteral("Text1(%1)").arg(i)); }
    QCheckBox* check(int i) { return get<QCheckBox>(QStringLiteral("Check%1").arg(i)); }
    QComboBox* combo() { return get<QComboBox>(QStringLiteral("Combo1")); }
    bkCProg* preview() { return get<bkCProg>(QStringLiteral("cptest")); }
    void showTiming() { get<LightTab>(QStringLiteral("LightTab1"))->setActiveTab(1); }
    void click(int button) {
        QTest::mouseClick(get<ButtonEx>(QStringLiteral("ButtonEx1(%1)").arg(button)),
                          Qt::LeftButton);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    GameSettings settings;
    std::unique_ptr<SettingFrm> dialog;
};

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
    // Apply stores the round length back as it was, also an index that the list lacks.
    showTiming();
    click(2);
    EXPECT_EQ(stored("TimeAllowed"), SettingValue((c.roundSeconds - 30) / 5));
    EXPECT_EQ(settings.RoundSeconds, c.roundSeconds);
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

TEST_F(SettingFrmTest, TheRoundLengthTakesOnlyListedValuesAsTheFocusLeaves) {
    // Typed "45" becomes the entry as the focus leaves; "47" is refused with a message.
    for (const auto& [typed, index] : {std::pair{"45", 3}, {"47", 2}}) {
        MessageBoxLog boxes;
        open();
        showTiming();
        combo()->setCurrentIndex(2);
        combo()->setFocus();
        combo()->lineEdit()->selectAll();
        QTest::keyClicks(combo()->lineEdit(), QString::fromLatin1(typed));
        EXPECT_EQ(preview()->value(), 40); // typing is not choosing
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(combo()->currentText(), combo()->itemText(index)) << typed;
        EXPECT_EQ(boxes.calls.size(), index == 2 ? 1u : 0u) << typed;
        click(1);
        EXPECT_EQ(stored("TimeAllowed"), SettingValue(index)) << typed;
        EXPECT_EQ(settings.RoundSeconds, index * 5 + 30) << typed;
    }
}

TEST_F(SettingFrmTest, TheClockSpeedSliderMovesByKeyboard) {
    open();
    showTiming();
    check(2)->setFocus();
    QTest::keyClick(check(2), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("HS1"));
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 960}, {Qt::Key_PageDown, 910}, {Qt::Key_End, 2000}, {Qt::Key_Home, 10}};
    for (const auto& [key, value] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(get<QLabel>(QStringLiteral("Label4"))->text(), QString::number(value)) << key;
    }
}

// How the lowest value comes in: set, typed, or pasted (past the key filter).
enum class In { Set, Key, Paste };
enum class Leave { Tab, Apply, OkOnTiming }; // OK after a change on the Timing page

struct ValidateCase {
    const char* name;
    In in;
    const char* lowest;
    const char* highest;
    int focus; // the field the focus is in
    Leave leave;
    int messages; // "Invalid values." boxes shown
    const char* lowestAfter;
    const char* highestAfter;
    bool stored;
};

class ValidateTest : public SettingFrmTest, public testing::WithParamInterface<ValidateCase> {};

void enter(QLineEdit* field, In in, const QString& text) {
    field->setText(in == In::Set ? text : QString());
    QApplication::clipboard()->setText(text);
    for (const QChar typed : in == In::Key ? text : QString())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(typed), {});
    if (in == In::Paste)
        QTest::keySequence(field, QKeySequence::Paste);
}

TEST_P(ValidateTest, RefillsAndNeverStoresABadRange) {
    const ValidateCase& c = GetParam();
    MessageBoxLog boxes;
    open();
    text1(1)->setText(QString::fromUtf8(c.highest));
    enter(text1(0), c.in, QString::fromUtf8(c.lowest));
    const QString entered = text1(0)->text();
    if (c.leave != Leave::OkOnTiming)
        text1(c.focus)->setFocus();
    if (c.leave == Leave::Tab) {
        QTest::keyClick(text1(c.focus), Qt::Key_Tab);
    } else if (c.leave == Leave::Apply) {
        click(2);
    } else {
        showTiming();
        QTest::mouseClick(check(2), Qt::LeftButton);
        click(1);
    }
    QApplication::processEvents();

    ASSERT_EQ(static_cast<int>(boxes.calls.size()), c.messages);
    for (const MessageBoxCall& call : boxes.calls) {
        EXPECT_EQ(call.text,
                  QStringLiteral("The Lowest value must be less than the Highest value."));
        EXPECT_EQ(call.title, QStringLiteral("Invalid values."));
        EXPECT_EQ(call.icon, MessageIcon::Information);
    }
    EXPECT_EQ(text1(0)->text().toStdString(), c.lowestAfter);
    EXPECT_EQ(text1(1)->text().toStdString(), c.highestAfter);
    if (QString::fromUtf8(c.lowestAfter) != entered || c.highestAfter != std::string(c.highest)) {
        EXPECT_EQ(QApplication::focusWidget(), text1(c.focus)); // refilled: the focus stays
    }
    // One to three digits "0" to "9" in a valid range, and nothing else, reach the store and
    // the settings in use. OK and Apply store the page on show and every changed page, or
    // nothing at all; a page that fails its check is shown. Apply keeps the dialog open.
    const SettingValue nothing;
    EXPECT_EQ(stored("LowestTarget"), c.stored ? SettingValue(std::atoi(c.lowestAfter)) : nothing);
    EXPECT_EQ(stored("HighestTarget"),
              c.stored ? SettingValue(std::atoi(c.highestAfter)) : nothing);
    EXPECT_EQ(settings.HighestTarget, c.stored ? std::atoi(c.highestAfter) : 999);
    const bool onTiming = c.leave == Leave::OkOnTiming;
    EXPECT_EQ(stored("NoSounds"), onTiming && c.stored ? SettingValue(1) : SettingValue());
    EXPECT_EQ(get<LightTab>(QStringLiteral("LightTab1"))->activeTab(), onTiming && c.stored);
    EXPECT_EQ(dialog->isVisible(), !(onTiming && c.stored));
    // Destroyed with the focus in a target field: the focus watcher must be gone by then.
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ValidateTest, testing::Values(
    ValidateCase{"LeavingHighestInverted", In::Set, "300", "200", 1, Leave::Tab, 1, "300", "999", 0},
    ValidateCase{"LeavingLowestInverted",  In::Set, "300", "200", 0, Leave::Tab, 0, "300", "200", 0},
    ValidateCase{"LeavingLowestEmpty",     In::Set, "",    "200", 0, Leave::Tab, 0, "101", "200", 0},
    ValidateCase{"ApplyInverted",      In::Set, "300", "200", 1, Leave::Apply, 1, "300", "999", 0},
    ValidateCase{"ApplyEmptyHighest",  In::Set, "300", "",    1, Leave::Apply, 0, "300", "999", 0},
    ValidateCase{"ApplyEqual",         In::Set, "300", "300", 1, Leave::Apply, 0, "300", "300", 1},
    ValidateCase{"OkStoresBothPages",  In::Set, "300", "300", 1, Leave::OkOnTiming, 0, "300", "300", 1},
    ValidateCase{"OkShowsABadPage",    In::Set, "300", "200", 1, Leave::OkOnTiming, 1, "300", "999", 0},
    ValidateCase{"TypedSignsLetters",  In::Key, "-1 a2x3", "999", 0, Leave::Apply, 0, "123", "999", 1},
    ValidateCase{"TypedOtherDigits",   In::Key, "\u0661\u0662", "999", 0, Leave::Tab, 0, "101", "999", 0},
    ValidateCase{"PastedDigits",       In::Paste, "250", "999", 0, Leave::Apply, 0, "250", "999", 1},
    ValidateCase{"PastedSign",         In::Paste, "-99", "999", 0, Leave::Apply, 0, "101", "999", 0},
    ValidateCase{"PastedBlank",        In::Paste, " 50", "999", 0, Leave::Tab,   0, "101", "999", 0},
    ValidateCase{"PastedOtherDigits",  In::Paste, "\u0661\u0662", "999", 0, Leave::Tab, 0, "101", "999", 0}),
    rowName);
// clang-format on

} // namespace
