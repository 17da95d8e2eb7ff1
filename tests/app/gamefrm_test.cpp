#include "aboutfrm.h"
#include "bkcprog.h"
#include "buttonex.h"
#include "gamefrm.h"
#include "historystore.h"
#include "lighttab.h"
#include "messageboxlog.h"
#include "recordinghost.h"
#include "scriptedrandom.h"
#include "searchthread.h"
#include "settingfrm.h"
#include "solver.h"
#include "varifyfrm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <tuple>

namespace {

struct SoundLog {
    std::vector<int> playedAt; // the clock count of the tick that started the music
    int stops = 0;
    bool loaded = false;
    const GameFrm* window = nullptr;
};

class FakeSound final : public SoundSink {
public:
    explicit FakeSound(SoundLog& log) : m_log(log) {}
    void load(const QString& path) override { m_log.loaded = path == ":/WAVE/Figurello30"; }
    void play() override { m_log.playedAt.push_back(m_log.window->round().clockCount()); }
    void stop() override { ++m_log.stops; }

private:
    SoundLog& m_log;
};

// The window with the deal 1..10, 1..10, 25, 50, 75, 100 and the target 952.
class GameFrmTest : public testing::Test {
protected:
    // With `holdSearch`, a search waits at its 50th check point until release().
    void open(bool holdSearch = false) {
        settings.LowestTarget = settings.HighestTarget = 952;
        GameFrm::Services services;
        services.settings = &settings;
        services.store = &store;
        services.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
        services.rollStepMs = 0;
        services.sound = std::make_unique<FakeSound>(sound);
        services.historyFolder = historyFolder.isEmpty() ? dir.path() : historyFolder;
        if (holdSearch) {
            services.searchCheckPoint = [this] {
                if (++checks == 50) {
                    held = true;
                    gate.tryAcquire(1, 10000);
                }
            };
        }
        window = std::make_unique<GameFrm>(std::move(services));
        sound.window = window.get();
        window->show();
    }

    template <typename T = QPushButton> T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    ButtonEx* pickButton(int i) const {
        return child<ButtonEx>(QStringLiteral("btnPick_%1").arg(i));
    }
    QString slotTexts() const {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << child<QLabel>(QStringLiteral("Label2_%1").arg(i))->text();
        return texts.join(QLatin1Char(' '));
    }
    QString report() const { return child<QLabel>("LBa")->text(); }
    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    // Handles events until the round reaches `phase`, for at most five seconds.
    bool waitFor(RoundFlow::Phase phase) const {
        const QDeadlineTimer deadline(5000);
        while (window->round().phase() != phase && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        return window->round().phase() == phase;
    }
    // Picks 100 75 50 25 6 3 and lets the target roll; the clock runs.
    void running() {
        for (int i : {23, 22, 21, 20, 5, 2})
            QTest::mouseClick(pickButton(i), Qt::LeftButton);
        click("Command1");
        ASSERT_TRUE(waitFor(RoundFlow::Phase::Running));
    }
    // Ends the running round with STOP.
    void roundOver() {
        running();
        click("Command1");
    }
    // Starts the search and waits until it is held (see open()).
    void searchHeld() {
        click("cmdAnswer");
        ASSERT_TRUE(QTest::qWaitFor([this] { return held.load(); }, 5000));
    }
    void release() { gate.release(); }
    // Sets a round by hand: the manual set-up's board buttons and the target.
    void setUpByHand(std::vector<int> board, const QString& target) {
        QTimer::singleShot(0, window.get(), [board, target] {
            QWidget* setup = QApplication::activeModalWidget();
            ASSERT_NE(setup, nullptr);
            for (int i : board)
                QTest::mouseClick(
                    setup->findChild<QAbstractButton*>(QStringLiteral("l1_%1").arg(i)),
                    Qt::LeftButton);
            setup->findChild<QLineEdit*>("Text1")->setText(target);
            QTest::mouseClick(setup->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
        });
        child<QAction>("mnuSetup")->trigger();
    }
    QStringList listed() const {
        QStringList texts;
        for (int i = 0; i < child<QListWidget>("List1")->count(); ++i)
            texts << child<QListWidget>("List1")->item(i)->text();
        return texts;
    }

    QTemporaryDir dir;
    QString historyFolder; // empty: dir
    SettingsStore store{dir.path()};
    GameSettings settings;
    SoundLog sound;
    std::atomic<int> checks = 0;
    std::atomic<bool> held = false;
    QSemaphore gate;
    std::unique_ptr<GameFrm> window;
};

// The wiring of a whole round; the round's own cases are RoundFlow's.
TEST_F(GameFrmTest, ARoundFromTheDealToPlayAgain) {
    open();
    EXPECT_TRUE(sound.loaded);
    EXPECT_FALSE(child("Command1")->isEnabled());
    QTest::mouseClick(pickButton(23), Qt::LeftButton);
    QTest::mouseClick(pickButton(5), Qt::LeftButton);
    EXPECT_EQ(slotTexts(), "100     6");
    for (int i : {22, 21, 20, 2})
        QTest::mouseClick(pickButton(i), Qt::LeftButton);
    EXPECT_EQ(slotTexts(), "100 75 50 25 6 3");
    EXPECT_TRUE(pickButton(0)->isHidden());
    EXPECT_TRUE(child<QLabel>("lbinst")->isHidden());

    click("Command1");
    EXPECT_EQ(child("Command1")->text(), "STOP");
    EXPECT_FALSE(child("Command1")->isEnabled()) << "the round button waits for the roll";
    EXPECT_EQ(child<QLabel>("lbTarget")->text(), "952");
    ASSERT_TRUE(waitFor(RoundFlow::Phase::Running));
    EXPECT_TRUE(child<QTimer>("Timer1")->isActive());
    for (int i = 0; i < 30; ++i)
        window->Timer1_Timer();
    EXPECT_EQ(sound.playedAt, std::vector<int>{1});
    EXPECT_EQ(child<bkCProg>("cp1")->value(), 30);
    EXPECT_FALSE(child<QTimer>("Timer1")->isActive());
    EXPECT_EQ(child("Command1")->text(), "PLAY AGAIN");
    EXPECT_TRUE(child("cmdAnswer")->isVisible());
    EXPECT_TRUE(child<ButtonEx>("cmdVarify")->isVisible());

    click("Command1");
    EXPECT_EQ(child("Command1")->text(), "START");
    EXPECT_EQ(slotTexts(), "     ");
    EXPECT_EQ(child<QLabel>("lbTarget")->text(), "");
    EXPECT_EQ(child<bkCProg>("cp1")->value(), 0);
    EXPECT_TRUE(child<QLabel>("lbinst")->isVisible());
    EXPECT_TRUE(child("cmdAnswer")->isHidden());
    EXPECT_TRUE(child<QListWidget>("List1")->isHidden());
}

TEST_F(GameFrmTest, ARoundPlaysFromTheKeyboard) {
    open();
    // Without a window manager nothing activates a window but the window itself.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), pickButton(0));
    QAccessibleInterface* sixth = QAccessible::queryAccessibleInterface(pickButton(5));
    EXPECT_EQ(sixth->text(QAccessible::Name).toStdString(), "Face-down number 6");
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(QApplication::focusWidget(), i % 2 ? Qt::Key_Space : Qt::Key_Return);
    EXPECT_EQ(sixth->text(QAccessible::Name).toStdString(), "Face-down number 6, used")
        << "the focus went through the first six";
    QPushButton* round = child("Command1");
    EXPECT_EQ(QApplication::focusWidget(), round);
    QTest::keyClick(round, Qt::Key_Return);
    EXPECT_EQ(round->text(), "STOP");
    ASSERT_TRUE(waitFor(RoundFlow::Phase::Running));
    EXPECT_EQ(QApplication::focusWidget(), round);
    QTest::keyClick(round, Qt::Key_Space);
    EXPECT_EQ(round->text(), "PLAY AGAIN");
}

// The checker gets the round; its best result scores, and the round's record keeps it with what
// the round's quiet search found.
TEST_F(GameFrmTest, TheCheckedRoundIsScoredAndRecorded) {
    open();
    roundOver();
    QStringList keys;
    QString target;
    QString distance;
    QTimer::singleShot(0, [&] {
        auto* checker = qobject_cast<VarifyFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(checker, nullptr);
        for (int i = 0; i < 6; ++i)
            keys << checker->btn1()[static_cast<std::size_t>(i)]->caption();
        target = checker->lbTarget()->text();
        // (6+3)x100 = 900, +50 = 950
        for (int key : {6, 4, 8, 5, 7, 10, 0, 12, 8, 2, 12})
            checker->btn1()[static_cast<std::size_t>(key)]->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return checker->lbDistance()->text().contains(';'); }));
        distance = checker->lbDistance()->text();
        checker->close();
    });
    click("cmdVarify");
    EXPECT_EQ(keys.join(' '), "100 75 50 25 6 3");
    EXPECT_EQ(target, "Target = 952");
    EXPECT_EQ(distance, "2 away; an exact answer exists");
    EXPECT_EQ(child<QLabel>("lbPoints")->text(), "Points: 7");
    const std::vector<RoundRecord> rounds = HistoryStore(dir.path()).rounds();
    ASSERT_EQ(rounds.size(), 1u);
    const RoundRecord& r = rounds[0];
    EXPECT_EQ(r.numbers, (std::array<std::int32_t, 6>{100, 75, 50, 25, 6, 3}));
    EXPECT_EQ(std::tuple(r.target, r.best, r.distance, r.points, r.exactCount, r.manual),
              std::tuple(952, 950, 2, 7, 8, false));
}

// 1 1 2 2 3 3 reach 81 at most.
TEST_F(GameFrmTest, ARoundWithoutAnAnswerListsTheNearestValue) {
    open();
    setUpByHand({0, 10, 1, 11, 2, 12}, "999");
    ASSERT_TRUE(waitFor(RoundFlow::Phase::Searched));
    EXPECT_EQ(report(), "Searched 158976 combinations: \n0 answers found.");
    EXPECT_EQ(listed(), (QStringList{"Nearest: 81 (918 away)", "((2+1)x3)x((2+1)x3)"}));
    EXPECT_TRUE(child<QLabel>("lbPoints")->isHidden()) << "a round set by hand scores nothing";
    const std::vector<RoundRecord> rounds = HistoryStore(dir.path()).rounds();
    ASSERT_EQ(rounds.size(), 1u);
    EXPECT_EQ(std::tuple(rounds[0].manual, rounds[0].exactCount, rounds[0].nearest),
              std::tuple(true, 0, 81));
}

TEST_F(GameFrmTest, AHistoryThatCannotBeWrittenIsSaidOnceAndPlayGoesOn) {
    MessageBoxLog boxes;
    QFile file(dir.filePath("file")); // where the history's folder would be
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    historyFolder = dir.filePath("file/history");
    open();
    roundOver();
    ASSERT_TRUE(QTest::qWaitFor([&boxes] { return !boxes.calls.empty(); }, 5000));
    EXPECT_EQ(boxes.calls[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(boxes.calls[0].text.contains("cannot be written"))
        << boxes.calls[0].text.toStdString();
    click("cmdAnswer"); // the search's end is stored too
    ASSERT_TRUE(waitFor(RoundFlow::Phase::Searched));
    EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(GameFrmTest, SearchStopAndSearchAgain) {
    open(true);
    roundOver();
    searchHeld();
    EXPECT_EQ(child("cmdAnswer")->text(), "Stop Search");
    EXPECT_FALSE(child("Command1")->isEnabled());
    EXPECT_TRUE(child<ButtonEx>("cmdVarify")->isHidden());
    click("cmdAnswer");
    // The round button is back at once, before the search has returned; the answer button
    // starts nothing until it has.
    EXPECT_TRUE(child("Command1")->isEnabled());
    EXPECT_EQ(child("Command1")->text(), "PLAY AGAIN");
    click("cmdAnswer");
    EXPECT_EQ(window->round().phase(), RoundFlow::Phase::Stopping);
    release();
    ASSERT_TRUE(waitFor(RoundFlow::Phase::Searched));
    const int listed = child<QListWidget>("List1")->count();
    EXPECT_TRUE(report().startsWith("Search Stopped at combination "));
    EXPECT_TRUE(report().endsWith(QStringLiteral("\n%1 answers found.").arg(listed)));
    EXPECT_EQ(child("cmdAnswer")->text(), "Show Answer(s)");
    EXPECT_TRUE(child("cmdAnswer")->isEnabled());

    click("cmdAnswer");
    ASSERT_TRUE(waitFor(RoundFlow::Phase::Searched));
    EXPECT_EQ(report(), "Searched 610200 combinations: \n8 answers found.");
    EXPECT_EQ(child("cmdAnswer")->text(), "Search Finished");
    EXPECT_FALSE(child("cmdAnswer")->isEnabled());
    EXPECT_EQ(child<QListWidget>("List1")->count(), 8);
}

// The round set by hand replaces the round on show and its running search: only the new
// search's answers and report are shown.
TEST_F(GameFrmTest, ARoundSetByHandOverARunningSearchIsSearchedLikeTheSolverAlone) {
    open(true);
    roundOver();
    searchHeld();
    setUpByHand({0, 10, 20, 21, 22, 23}, "626");
    release();

    EXPECT_EQ(slotTexts(), "100 75 50 25 1 1");
    EXPECT_EQ(child<QLabel>("lbTarget")->text(), "626");
    ASSERT_TRUE(waitFor(RoundFlow::Phase::Searched));
    // The same search without a window: its answers, in order, and its report.
    RecordingHost host;
    solver::Solver(host).SearchAnswers(std::array<std::int32_t, 6>{100, 75, 50, 25, 1, 1}, 626);
    QStringList expected;
    for (const std::string& answer : host.list.entries())
        expected << QString::fromStdString(answer);
    ASSERT_EQ(expected.size(), 19);
    EXPECT_EQ(report(), QString::fromStdString(host.progress));
    EXPECT_EQ(listed(), expected);
    EXPECT_FALSE(child("cmdAnswer")->isEnabled());
}

TEST_F(GameFrmTest, TheAboutWindowOpensFromTheMenu) {
    open();
    bool opened = false;
    QTimer::singleShot(0, window.get(), [&opened] {
        opened = qobject_cast<AboutFrm*>(QApplication::activeModalWidget()) != nullptr;
        QApplication::activeModalWidget()->close();
    });
    child<QAction>("mnuAbout")->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(GameFrmTest, ClosingDuringASearchStopsItAndEndsItsThread) {
    open(true);
    roundOver();
    searchHeld();
    auto* search = window->findChild<SearchThread*>("answerSearch");
    ASSERT_NE(search, nullptr);
    release();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(search->isFinished());
    EXPECT_EQ(sound.stops, 2); // STOP, then closing
}

// "PLAY AGAIN" deals a new round while the stopped search still runs; what that search hands
// over afterwards is not shown.
TEST_F(GameFrmTest, PlayAgainWhileAStoppedSearchUnwinds) {
    open(true);
    roundOver();
    searchHeld();
    // Queued after the window's own handlers of the search's signals.
    bool ended = false;
    QObject::connect(
        window->findChild<SearchThread*>("answerSearch"), &SearchThread::searchEnded, window.get(),
        [&ended] { ended = true; }, Qt::QueuedConnection);
    click("cmdAnswer");
    click("Command1");
    const QString shown = report();
    release();
    ASSERT_TRUE(QTest::qWaitFor([&ended] { return ended; }, 5000));
    EXPECT_EQ(report(), shown);
    EXPECT_EQ(window->round().phase(), RoundFlow::Phase::Picking);
    EXPECT_TRUE(child("cmdAnswer")->isHidden());
    EXPECT_TRUE(child<QListWidget>("List1")->isHidden());
}

TEST_F(GameFrmTest, ClosingDuringTheTargetRollStartsNoClock) {
    open();
    for (int i : {23, 22, 21, 20, 5, 2})
        QTest::mouseClick(pickButton(i), Qt::LeftButton);
    click("Command1");
    ASSERT_EQ(window->round().phase(), RoundFlow::Phase::Rolling);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(child<QTimer>("rollTimer")->isActive());
    EXPECT_FALSE(child<QTimer>("Timer1")->isActive());
}

// The settings command: OK stores both changed pages, and the window's clock and next round
// follow, also when the store cannot be written (which is said once).
class SettingCommandTest : public GameFrmTest, public testing::WithParamInterface<bool> {};

TEST_P(SettingCommandTest, StoresTheChangesAndTheClockAndTheNextRoundFollow) {
    const bool writable = GetParam();
    if (writable)
        store.CreateSettingsKey(SettingsKeyPath);
    MessageBoxLog boxes;
    open();
    bool sawDialog = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto* dialog = qobject_cast<SettingFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->activateWindow();
        sawDialog = QTest::qWaitForWindowActive(dialog);
        dialog->findChild<LightTab*>("LightTab1")->setActiveTab(1); // the Timing page
        auto* length = dialog->findChild<QComboBox*>("Combo1");
        length->setFocus();
        length->lineEdit()->selectAll(); // a typed length is taken as the focus leaves
        QTest::keyClicks(length->lineEdit(), QStringLiteral("45"));
        QTest::mouseClick(dialog->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
        dialog->findChild<QScrollBar*>("HS1")->setValue(600);
        QTest::mouseClick(dialog->findChild<ButtonEx*>("ButtonEx1(1)"), Qt::LeftButton);
    });
    child<QAction>("mnuSettings")->trigger();
    ASSERT_TRUE(sawDialog);

    for (const auto& [name, value] :
         {std::pair{"TimeAllowed", 3}, {"ShowSeconds", 1}, {"TimerInterval", 600}})
        EXPECT_EQ(store.GetSettingValue(SettingsKeyPath, name).value,
                  writable ? SettingValue(value) : SettingValue())
            << name;
    ASSERT_EQ(boxes.calls.size(), writable ? 0u : 1u);
    const QString file = QDir::toNativeSeparators(store.fileForKey(SettingsKeyPath));
    EXPECT_TRUE(writable || boxes.calls[0].text.contains(file)); // named, and said once
    EXPECT_TRUE(child<bkCProg>("cp1")->showValue());
    EXPECT_EQ(child<QTimer>("Timer1")->interval(), 600);
    running();
    for (int i = 0; i < 44; ++i)
        window->Timer1_Timer();
    EXPECT_EQ(child("Command1")->text(), "STOP");
    window->Timer1_Timer();
    EXPECT_EQ(child("Command1")->text(), "PLAY AGAIN");
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingCommandTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Writable" : "Unwritable"; });

} // namespace
