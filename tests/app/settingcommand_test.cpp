#include "gamefrm.h"
#include "messagebox.h"
#include "settingfrmfixture.h"
#include "waitforphase.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class SilentSound final : public SoundSink {
public:
    void load(const QString&) override {}
    void play() override {}
    void stop() override {}
};

// The main window's settings command: OK stores both changed pages, and the window's clock and
// next round follow, also when the store cannot be written (which is said once).
class SettingCommandTest : public SettingFrmTest, public testing::WithParamInterface<bool> {};

TEST_P(SettingCommandTest, StoresBothPagesAndChangesTheClockAndTheNextRound) {
    const bool writable = GetParam();
    if (!writable)
        QFile::remove(store.fileForKey(SettingsKeyPath));
    std::vector<MessageBoxCall> shown;
    ScopedMessageBoxPresenter seam(
        [&shown](QWidget*, const MessageBoxCall& call) { shown.push_back(call); });
    GameFrm::Services services;
    services.settings = &settings;
    services.store = &store;
    services.sound = std::make_unique<SilentSound>();
    services.rollStepMs = 0;
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
        text1(0)->setText(QStringLiteral("200"));
        showTiming();
        EXPECT_FALSE(get<QWidget>(QStringLiteral("Frame1(0)"))->isVisible());
        combo()->setFocus();
        combo()->lineEdit()->selectAll(); // a typed length is taken as the focus leaves
        QTest::keyClicks(combo()->lineEdit(), QStringLiteral("45"));
        QTest::mouseClick(check(1), Qt::LeftButton);
        QTest::mouseClick(check(2), Qt::LeftButton);
        get<QScrollBar>(QStringLiteral("HS1"))->setValue(600);
        click(1);
        (void)dialog.release();
    });
    window.findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
    ASSERT_TRUE(sawDialog);

    const auto written = [&](int value) { return writable ? SettingValue(value) : SettingValue(); };
    EXPECT_EQ(stored("TimeAllowed"), written(3));
    EXPECT_EQ(stored("ShowSeconds"), written(1));
    EXPECT_EQ(stored("NoSounds"), written(1));
    EXPECT_EQ(stored("TimerInterval"), written(600));
    EXPECT_EQ(stored("LowestTarget"), written(200)); // the other page's edit too
    ASSERT_EQ(shown.size(), writable ? 0u : 1u);
    const QString file = QDir::toNativeSeparators(store.fileForKey(SettingsKeyPath));
    EXPECT_TRUE(writable || shown[0].text.contains(file)); // named, and said once
    EXPECT_TRUE(settings.NoSounds);
    EXPECT_EQ(settings.LowestTarget, 200);
    EXPECT_TRUE(window.findChild<bkCProg*>(QStringLiteral("cp1"))->showValue());
    EXPECT_EQ(window.findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 600);
    for (int i : {20, 21, 0, 1, 10, 2})
        window.btnPick_Click(i);
    auto* round = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    round->click();
    ASSERT_TRUE(waitForPhase(window, RoundFlow::Phase::Running));
    for (int i = 0; i < 44; ++i)
        window.Timer1_Timer();
    EXPECT_EQ(round->text(), QStringLiteral("STOP"));
    window.Timer1_Timer();
    EXPECT_EQ(round->text(), QStringLiteral("PLAY AGAIN"));
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingCommandTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Writable" : "Unwritable"; });

} // namespace
