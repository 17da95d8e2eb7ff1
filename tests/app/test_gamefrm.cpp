#include "bkcprog.h"
#include "buttonex.h"
#include "gamefrm.h"
#include "scripted_random.h"
#include "test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SoundLog {
    const GameFrm* window = nullptr;
    std::vector<int> playedAt; // ClockCount when play() was called
    int stops = 0;
    bool loaded = false;
};

class FakeSound final : public SoundSink {
public:
    explicit FakeSound(SoundLog& log) : m_log(log) {}
    void load(const QString& path) override {
        m_log.loaded = path == QStringLiteral(":/WAVE/Figurello30");
    }
    void play() override { m_log.playedAt.push_back(m_log.window->ClockCount); }
    void stop() override { ++m_log.stops; }

private:
    SoundLog& m_log;
};

class GameFrmTest : public testing::Test {
protected:
    void open(int roundSeconds = 30, bool noSounds = false,
              std::unique_ptr<RandomSource> random = std::make_unique<SeededRandom>(42)) {
        settings.RoundSeconds = static_cast<std::int16_t>(roundSeconds);
        settings.NoSounds = noSounds;
        GameFrm::Services services;
        services.settings = &settings;
        services.store = &store;
        services.random = std::move(random);
        services.rollPause = [this] { ++pauses; };
        services.sound = std::make_unique<FakeSound>(sound);
        window = std::make_unique<GameFrm>(std::move(services));
        sound.window = window.get();
        window->show();
    }

    void pickSix() {
        for (int i : {20, 21, 0, 1, 10, 2})
            QTest::mouseClick(window->btnPick[static_cast<std::size_t>(i)], Qt::LeftButton);
    }

    void tick(int n) {
        for (int i = 0; i < n; ++i)
            window->Timer1_Timer();
    }

    void clickRound() { QTest::mouseClick(window->Command1, Qt::LeftButton); }

    // A round over with the numbers 100 75 50 25 6 3 and the given target on the label.
    void roundOver(int target) {
        open(30, false, std::make_unique<ScriptedRandom>(std::vector<float>{0.0f}));
        for (int i : {23, 22, 21, 20, 5, 2})
            QTest::mouseClick(window->btnPick[static_cast<std::size_t>(i)], Qt::LeftButton);
        clickRound();
        clickRound(); // STOP
        window->lbTarget->setText(QString::number(target));
    }

    QStringList answers() const {
        QStringList texts;
        for (int i = 0; i < window->List1->count(); ++i)
            texts << window->List1->item(i)->text();
        return texts;
    }

    // Runs `action` from inside the search, once the progress line shows a running count.
    void whileSearching(std::function<void()> action) {
        auto* poll = new QTimer(window.get());
        poll->setInterval(0);
        QObject::connect(poll, &QTimer::timeout, window.get(), [this, poll, action] {
            if (!window->LBa->text().startsWith(QStringLiteral("Searching... ")))
                return;
            poll->stop();
            action();
        });
        poll->start();
    }

    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    GameSettings settings;
    SoundLog sound;
    int pauses = 0;
    std::unique_ptr<GameFrm> window;
};

TEST_F(GameFrmTest, ARoundPlaysFromTheKeyboard) {
    open();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), window->btnPick[0]);
    QAccessibleInterface* sixth = QAccessible::queryAccessibleInterface(window->btnPick[5]);
    EXPECT_EQ(sixth->role(), QAccessible::Button);
    EXPECT_EQ(sixth->text(QAccessible::Name).toStdString(), "Face-down number 6");
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(QApplication::focusWidget(), i % 2 ? Qt::Key_Space : Qt::Key_Return);
    EXPECT_EQ(sixth->text(QAccessible::Name).toStdString(), "Face-down number 6, used")
        << "the focus went through the first six";
    EXPECT_EQ(QApplication::focusWidget(), window->Command1);
    QTest::keyClick(window->Command1, Qt::Key_Return);
    EXPECT_EQ(window->Command1->text(), "STOP");
    EXPECT_EQ(QApplication::focusWidget(), window->Command1);
    QTest::keyClick(window->Command1, Qt::Key_Space);
    EXPECT_EQ(window->Command1->text(), "PLAY AGAIN");
}

TEST_F(GameFrmTest, LoadsIntoThePickingState) {
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("The Tallyrun"));
    QStringList menu;
    for (QAction* action : window->menuBar()->actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList{"E&xit", "&Setting", "&Manual setup", "&About"}));
    EXPECT_EQ(window->Command1->text(), QStringLiteral("START"));
    EXPECT_FALSE(window->Command1->isEnabled());
    EXPECT_TRUE(window->cmdAnswer->isHidden());
    EXPECT_TRUE(window->cmdVarify->isHidden());
    EXPECT_TRUE(window->List1->isHidden());
    EXPECT_TRUE(window->LBa->isHidden());
    EXPECT_EQ(window->btnPick.size(), 24u);
    EXPECT_EQ(window->Label2.size(), 6u);
    EXPECT_EQ(window->Timer1->interval(), 1000);
    EXPECT_EQ(window->cp1->max(), 60);
    EXPECT_EQ(window->cp1->value(), 0);
    EXPECT_FALSE(window->cp1->showValue());
    EXPECT_TRUE(sound.loaded);
    testsupport::saveScreenshot(window.get(), QStringLiteral("game-picking"));
}

TEST_F(GameFrmTest, SixPicksSortTheSlotsAndEnableStart) {
    open();
    const RoundDeal& deal = window->deal();
    std::vector<std::int32_t> chosen;
    for (int i : {20, 21, 0, 1, 10, 2})
        chosen.push_back(deal.tag(i));
    QTest::mouseClick(window->btnPick[20], Qt::LeftButton);
    EXPECT_EQ(window->Label2[0]->text(), QString::number(chosen[0]));
    EXPECT_TRUE(window->btnPick[20]->isHidden());
    QTest::mouseClick(window->btnPick[0], Qt::LeftButton);
    EXPECT_EQ(window->Label2[5]->text(), QString::number(chosen[2]));
    EXPECT_FALSE(window->Command1->isEnabled());

    for (int i : {21, 1, 10, 2})
        QTest::mouseClick(window->btnPick[static_cast<std::size_t>(i)], Qt::LeftButton);
    std::sort(chosen.rbegin(), chosen.rend());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(window->Label2[static_cast<std::size_t>(i)]->text(),
                  QString::number(chosen[static_cast<std::size_t>(i)]));
    for (ButtonEx* button : window->btnPick)
        EXPECT_TRUE(button->isHidden());
    EXPECT_TRUE(window->lbinst->isHidden());
    EXPECT_TRUE(window->Command1->isEnabled());
    EXPECT_EQ(window->Command1->text(), QStringLiteral("START"));
}

TEST_F(GameFrmTest, AWholeRoundToTimeUp) {
    open();
    pickSix();
    clickRound();
    EXPECT_EQ(pauses, 50);
    EXPECT_EQ(window->Command1->text(), QStringLiteral("STOP"));
    EXPECT_TRUE(window->Command1->isEnabled());
    EXPECT_TRUE(window->Timer1->isActive());
    const int target = window->lbTarget->text().toInt();
    EXPECT_GE(target, 101);
    EXPECT_LE(target, 999);

    tick(29);
    EXPECT_EQ(window->cp1->value(), 29);
    EXPECT_EQ(window->Command1->text(), QStringLiteral("STOP"));
    tick(1);
    EXPECT_EQ(window->Command1->text(), QStringLiteral("PLAY AGAIN"));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->cp1->value(), 30);
    EXPECT_EQ(window->ClockCount, 0);
    EXPECT_FALSE(window->cmdAnswer->isHidden());
    EXPECT_FALSE(window->cmdVarify->isHidden());
    EXPECT_EQ(window->cmdAnswer->text(), QStringLiteral("Show Answer(s)"));
    EXPECT_EQ(sound.playedAt, std::vector<int>{0}); // on the first tick
    EXPECT_EQ(sound.stops, 0);                      // time-up lets the music end by itself
    testsupport::saveScreenshot(window.get(), QStringLiteral("game-time-up"));
}

TEST_F(GameFrmTest, MusicStartsWhenThirtyTicksRemain) {
    struct Case {
        int seconds;
        bool noSounds;
        std::vector<int> playedAt;
    };
    for (const Case& c : {Case{30, false, {0}}, Case{45, false, {15}}, Case{60, false, {30}},
                          Case{25, false, {}}, Case{30, true, {}}}) {
        SCOPED_TRACE(c.seconds);
        sound = {};
        open(c.seconds, c.noSounds);
        pickSix();
        clickRound();
        tick(c.seconds);
        EXPECT_EQ(sound.playedAt, c.playedAt);
        EXPECT_EQ(window->Command1->text(), QStringLiteral("PLAY AGAIN"));
    }
}

TEST_F(GameFrmTest, StopAfterTenTicksKeepsTheGaugeAndOffersTheAnswers) {
    open();
    pickSix();
    clickRound();
    tick(10);
    clickRound();
    EXPECT_EQ(window->Command1->text(), QStringLiteral("PLAY AGAIN"));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(sound.stops, 1);
    EXPECT_EQ(window->cp1->value(), 10);
    EXPECT_EQ(window->ClockCount, 10);
    EXPECT_FALSE(window->cmdAnswer->isHidden());
    EXPECT_TRUE(window->cmdAnswer->isEnabled());
    EXPECT_FALSE(window->cmdVarify->isHidden());
    EXPECT_TRUE(window->cmdVarify->isEnabled());
}

TEST_F(GameFrmTest, PlayAgainResetsEveryControl) {
    open();
    pickSix();
    clickRound();
    tick(12);
    clickRound(); // STOP
    clickRound(); // PLAY AGAIN
    EXPECT_EQ(window->Command1->text(), QStringLiteral("START"));
    EXPECT_FALSE(window->Command1->isEnabled());
    EXPECT_EQ(window->lbTarget->text(), QString());
    EXPECT_EQ(window->cp1->value(), 0);
    EXPECT_EQ(window->ClockCount, 0);
    for (QLabel* slot : window->Label2)
        EXPECT_EQ(slot->text(), QString());
    for (ButtonEx* button : window->btnPick)
        EXPECT_FALSE(button->isHidden());
    EXPECT_FALSE(window->lbinst->isHidden());
    EXPECT_TRUE(window->cmdAnswer->isHidden());
    EXPECT_TRUE(window->cmdVarify->isHidden());
    EXPECT_TRUE(window->List1->isHidden());
    EXPECT_TRUE(window->LBa->isHidden());
    EXPECT_EQ(window->deal().RoundNumbers, std::vector<std::int32_t>{0});
    // The next round can be picked again.
    pickSix();
    EXPECT_TRUE(window->Command1->isEnabled());
}

TEST_F(GameFrmTest, ClosingStopsTheMusicAndTheClock) {
    open();
    pickSix();
    clickRound();
    tick(3);
    window->mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(sound.stops, 1);
}

TEST_F(GameFrmTest, ShowAnswersListsEveryAnswerAndFinishes) {
    roundOver(952);
    QTest::mouseClick(window->cmdAnswer, Qt::LeftButton);
    const QStringList listed = answers();
    ASSERT_EQ(listed.size(), 8);
    EXPECT_EQ(listed.front(), QStringLiteral("(((100+6)x(75x3))-50)/25"));
    EXPECT_EQ(window->LBa->text(),
              QStringLiteral("Searched 610200 combinations: \n8 answers found."));
    EXPECT_EQ(window->cmdAnswer->text(), QStringLiteral("Search Finished"));
    EXPECT_FALSE(window->cmdAnswer->isEnabled());
    EXPECT_TRUE(window->cmdVarify->isHidden());
    EXPECT_EQ(window->Command1->text(), QStringLiteral("PLAY AGAIN"));
    EXPECT_TRUE(window->Command1->isEnabled());
    EXPECT_FALSE(window->List1->isHidden());
    EXPECT_FALSE(window->LBa->isHidden());
    window->resize(1024, 700);
    testsupport::saveScreenshot(window.get(), QStringLiteral("game-search-finished"));
}

TEST_F(GameFrmTest, StopSearchThenSearchAgainKeepsTheListedAnswers) {
    roundOver(952);
    whileSearching([this] {
        EXPECT_EQ(window->cmdAnswer->text(), QStringLiteral("Stop Search"));
        EXPECT_FALSE(window->Command1->isEnabled());
        QTest::mouseClick(window->cmdAnswer, Qt::LeftButton);
        // The round button is back at once, before the search has unwound.
        EXPECT_TRUE(window->Command1->isEnabled());
        EXPECT_EQ(window->Command1->text(), QStringLiteral("PLAY AGAIN"));
    });
    QTest::mouseClick(window->cmdAnswer, Qt::LeftButton);
    EXPECT_TRUE(window->LBa->text().startsWith(QStringLiteral("Search Stopped at combination ")))
        << window->LBa->text().toStdString();
    EXPECT_EQ(window->cmdAnswer->text(), QStringLiteral("Show Answer(s)"));
    EXPECT_TRUE(window->cmdAnswer->isEnabled());
    const QStringList before = answers();

    QTest::mouseClick(window->cmdAnswer, Qt::LeftButton);
    EXPECT_EQ(window->cmdAnswer->text(), QStringLiteral("Search Finished"));
    EXPECT_EQ(window->LBa->text(),
              QStringLiteral("Searched 610200 combinations: \n8 answers found."));
    EXPECT_EQ(answers().mid(0, before.size()), before);
}

TEST_F(GameFrmTest, ClosingDuringASearchStopsItAndEndsCleanly) {
    roundOver(952);
    whileSearching([this] { window->close(); });
    QTest::mouseClick(window->cmdAnswer, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->searching());
    EXPECT_TRUE(window->LBa->text().startsWith(QStringLiteral("Search Stopped at combination ")));
    EXPECT_EQ(sound.stops, 2); // STOP, then closing
}

TEST_F(GameFrmTest, ManualSetupWaitsWhileASearchRuns) {
    roundOver(952);
    window->mnuSetup->setEnabled(true);
    bool enabledDuringSearch = true;
    whileSearching(
        [this, &enabledDuringSearch] { enabledDuringSearch = window->mnuSetup->isEnabled(); });
    QTest::mouseClick(window->cmdAnswer, Qt::LeftButton);
    EXPECT_FALSE(enabledDuringSearch);
    EXPECT_TRUE(window->mnuSetup->isEnabled());
}

TEST_F(GameFrmTest, ANormalWindowIsKeptAtLeast800By600) {
    open();
    window->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_GE(window->frameGeometry().width(), 800);
    EXPECT_GE(window->frameGeometry().height(), 600);
    // Every pick button still lies inside the window after the guard.
    const QRect client = window->centralWidget()->rect();
    for (ButtonEx* button : window->btnPick)
        EXPECT_TRUE(client.contains(button->geometry())) << button->geometry().bottom();
}

TEST_F(GameFrmTest, ReLayoutWhilePickingKeepsPicksAndOnlyShrinksFonts) {
    open();
    for (int i : {20, 0, 10})
        QTest::mouseClick(window->btnPick[static_cast<std::size_t>(i)], Qt::LeftButton);
    const QStringList slotTexts = [this] {
        QStringList texts;
        for (QLabel* slot : window->Label2)
            texts << slot->text();
        return texts;
    }();
    int numberFont = window->numberFontSize();
    int targetFont = window->targetFontSize();
    for (QSize size : {QSize(1400, 1000), QSize(800, 600), QSize(1600, 1100), QSize(900, 650)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        EXPECT_LE(window->numberFontSize(), numberFont);
        EXPECT_LE(window->targetFontSize(), targetFont);
        numberFont = window->numberFontSize();
        targetFont = window->targetFontSize();
        for (int i : {20, 0, 10})
            EXPECT_TRUE(window->btnPick[static_cast<std::size_t>(i)]->isHidden());
        EXPECT_FALSE(window->btnPick[1]->isHidden());
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(window->Label2[static_cast<std::size_t>(i)]->text(), slotTexts[i]);
    }
    EXPECT_GE(numberFont, 1);
}

TEST_F(GameFrmTest, ScreenshotsOfARoundAtThreeSizes) {
    QFile(store.fileForKey(SettingsKeyPath)).remove();
    store.CreateSettingsKey(SettingsKeyPath);
    store.PutSettingValue(SettingsKeyPath, QStringLiteral("ShowSeconds"), std::int32_t{1},
                          SettingsStore::DWord);
    open();
    pickSix();
    clickRound();
    tick(15);
    for (QSize size : {QSize(800, 600), QSize(1280, 800), QSize(1920, 1050)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        testsupport::saveScreenshot(
            window.get(), QStringLiteral("game-round-%1x%2").arg(size.width()).arg(size.height()));
    }
}

} // namespace
