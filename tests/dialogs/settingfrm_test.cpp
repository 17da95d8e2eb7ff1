#include "bkcprog.h"
#include "buttonex.h"
#include "gamefrm.h"
#include "lighttab.h"
#include "messagebox.h"
#include "settingfrm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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

template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

auto rowName = [](const auto& info) { return std::string(info.param.name); };

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
        services.GetSettings = [this] { ++getSettingsCalls; };
        services.showSeconds = [this](bool on) { toldShowSeconds = on; };
        services.setClockPeriod = [this](int ms) { clockPeriod = ms; };
        dialog = std::make_unique<SettingFrm>(std::move(services));
        dialog->show();
        dialog->activateWindow(); // also on a display without a window manager
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename T> T* get(const QString& name) {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* text1(int i) { return get<QLineEdit>(QStringLiteral("Text1(%1)").arg(i)); }
    QCheckBox* check(int i) { return get<QCheckBox>(QStringLiteral("Check%1").arg(i)); }
    QComboBox* combo() { return get<QComboBox>(QStringLiteral("Combo1")); }
    QScrollBar* slider() { return get<QScrollBar>(QStringLiteral("HS1")); }
    bkCProg* preview() { return get<bkCProg>(QStringLiteral("cptest")); }
    LightTab* tabs() { return get<LightTab>(QStringLiteral("LightTab1")); }
    void click(int button) {
        QTest::mouseClick(get<ButtonEx>(QStringLiteral("ButtonEx1(%1)").arg(button)),
                          Qt::LeftButton);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    GameSettings settings;
    std::unique_ptr<SettingFrm> dialog;
    int getSettingsCalls = 0;
    std::optional<bool> toldShowSeconds;
    int clockPeriod = 0;
};

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
    EXPECT_EQ(slider()->value(), c.period);
    EXPECT_EQ(get<QLabel>(QStringLiteral("Label4"))->text(), QString::number(c.period));
    EXPECT_EQ(check(1)->isChecked(), c.showSeconds);
    EXPECT_EQ(preview()->showValue(), c.showSeconds);
    EXPECT_EQ(preview()->value(), std::min(c.roundSeconds, 60)); // a one-minute face
    EXPECT_EQ(settings.RoundSeconds, c.roundSeconds);
    EXPECT_EQ(settings.TimerInterval, c.period);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stores, AcquireTest, testing::Values(
    AcquireCase{"Empty", {}, "101", "999", "30", 950, false, 30},
    AcquireCase{"SixtySeconds", {{"TimeAllowed", 6}}, "101", "999", "60", 950, false, 60},
    AcquireCase{"HighestBelowLowest", {{"LowestTarget", 500}, {"HighestTarget", 400}},
                "500", "999", "30", 950, false, 30},
    AcquireCase{"PeriodAboveSlider", {{"TimerInterval", 5000}}, "101", "999", "30", 2000, false, 30},
    AcquireCase{"SecondsShown", {{"ShowSeconds", 1}, {"TimerInterval", 500}},
                "101", "999", "30", 500, true, 30},
    AcquireCase{"TypedLengthStoredBefore", {{"TimeAllowed", -1}}, "101", "999", "", 950, false, 25},
    AcquireCase{"IndexBeyondTheList", {{"TimeAllowed", 12}}, "101", "999", "", 950, false, 90}),
    rowName);
// clang-format on

TEST_F(SettingFrmTest, OkStoresOnlyThePageOnShow) {
    open();
    text1(0)->setText(QStringLiteral("200"));
    tabs()->setActiveTab(1);
    EXPECT_TRUE(get<QWidget>(QStringLiteral("Frame1(1)"))->isVisible());
    EXPECT_FALSE(get<QWidget>(QStringLiteral("Frame1(0)"))->isVisible());

    combo()->setCurrentIndex(3);
    EXPECT_EQ(preview()->value(), 45); // the preview follows once the window is up
    QTest::mouseClick(check(1), Qt::LeftButton);
    EXPECT_TRUE(preview()->showValue());
    QTest::mouseClick(check(2), Qt::LeftButton);
    slider()->setValue(700);
    click(1);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(stored("TimeAllowed"), SettingValue(3));
    EXPECT_EQ(stored("ShowSeconds"), SettingValue(1));
    EXPECT_EQ(stored("NoSounds"), SettingValue(1));
    EXPECT_EQ(stored("TimerInterval"), SettingValue(700));
    EXPECT_EQ(stored("LowestTarget"), SettingValue()); // the other page's edit is lost
    EXPECT_EQ(settings.RoundSeconds, 45);
    EXPECT_TRUE(settings.NoSounds);
    EXPECT_EQ(settings.LowestTarget, 101);
    EXPECT_EQ(clockPeriod, 700);
    EXPECT_EQ(getSettingsCalls, 1);
    EXPECT_FALSE(toldShowSeconds.has_value()); // the store was written, so it was re-read
}

TEST_F(SettingFrmTest, TypedRoundLengthStoresNoSelection) {
    open();
    tabs()->setActiveTab(1);
    combo()->setCurrentIndex(2);
    combo()->lineEdit()->selectAll();
    QTest::keyClicks(combo()->lineEdit(), QStringLiteral("45"));
    click(2);
    EXPECT_EQ(stored("TimeAllowed"), SettingValue(-1));
    EXPECT_EQ(settings.RoundSeconds, 25);
    EXPECT_EQ(preview()->value(), 40); // typing does not move the preview
}

TEST_F(SettingFrmTest, TargetFieldsTakeDigitsOnly) {
    open();
    text1(0)->clear();
    QTest::keyClicks(text1(0), QStringLiteral("a1-2b3"));
    QTest::keyClick(text1(0), Qt::Key_Backspace);
    EXPECT_EQ(text1(0)->text(), QStringLiteral("12"));
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
    const bool refilled =
        c.lowestAfter != std::string(c.lowest) || c.highestAfter != std::string(c.highest);
    if (refilled) { // the focus stays in the field
        EXPECT_EQ(QApplication::focusWidget(), text1(c.focus));
    }
    if (c.stored) {
        EXPECT_EQ(stored("LowestTarget"), SettingValue(std::stoi(c.lowestAfter)));
        EXPECT_EQ(settings.HighestTarget, std::stoi(c.highestAfter));
        EXPECT_TRUE(dialog->isVisible());
    } else {
        EXPECT_EQ(stored("LowestTarget"), SettingValue());
        EXPECT_EQ(settings.LowestTarget, 101);
    }
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

TEST_F(SettingFrmTest, UnwritableStoreStillChangesWhatIsInUse) {
    QFile::remove(store.fileForKey(SettingsKeyPath)); // no key: every write fails silently
    open();
    tabs()->setActiveTab(1);
    QTest::mouseClick(check(1), Qt::LeftButton);
    combo()->setCurrentIndex(6);
    click(1);
    EXPECT_EQ(settings.RoundSeconds, 60);
    EXPECT_EQ(toldShowSeconds, std::optional<bool>(true));
    EXPECT_EQ(stored("TimeAllowed"), SettingValue());
}

class SilentSound final : public SoundSink {
public:
    void load(const QString&) override {}
    void play() override {}
    void stop() override {}
};

TEST_F(SettingFrmTest, SettingCommandChangesTheNextRoundAndSurvivesARestart) {
    GameFrm::Services services;
    services.settings = &settings;
    services.store = &store;
    services.sound = std::make_unique<SilentSound>();
    services.rollPause = [] {};
    GameFrm window(std::move(services));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    bool sawDialog = false;
    QTimer::singleShot(0, &window, [&] {
        auto* shown = qobject_cast<SettingFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        shown->activateWindow();
        sawDialog = QTest::qWaitForWindowActive(shown);
        dialog.reset(shown); // borrowed for the helpers; released below
        tabs()->setActiveTab(1);
        combo()->setCurrentIndex(1); // 35 seconds
        QTest::mouseClick(check(1), Qt::LeftButton);
        slider()->setValue(600);
        click(1);
        (void)dialog.release();
    });
    window.findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
    ASSERT_TRUE(sawDialog);

    EXPECT_TRUE(window.findChild<bkCProg*>(QStringLiteral("cp1"))->showValue());
    EXPECT_EQ(window.findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 600);
    for (int i : {20, 21, 0, 1, 10, 2})
        window.btnPick_Click(i);
    auto* round = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    round->click();
    for (int i = 0; i < 34; ++i)
        window.Timer1_Timer();
    EXPECT_EQ(round->text(), QStringLiteral("STOP"));
    window.Timer1_Timer();
    EXPECT_EQ(round->text(), QStringLiteral("PLAY AGAIN"));

    const GameSettings restarted = LoadGameSettings(store);
    EXPECT_EQ(restarted.RoundSeconds, 35);
    EXPECT_EQ(restarted.TimerInterval, 950); // start-up raises a stored 600 to 950
    EXPECT_TRUE(ShowSecondsSetting(store));
}

} // namespace
