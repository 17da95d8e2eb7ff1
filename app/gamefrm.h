#pragma once

#include "clocksound.h"
#include "gamelayout.h"
#include "gamesettings.h"
#include "round.h"
#include "roundflow.h"
#include "roundrecord.h"
#include "searchthread.h"
#include "settingsstore.h"

#include <QMainWindow>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class ButtonEx;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;
class GradientWidget;
class bkCProg;
class HistoryStore;
class VarifyFrm;
class WindowSolverHost;

// The main window: deals and picks the numbers, rolls the target, runs the round clock and
// its music, and leads to the checker and the solver once the round is over. The round's
// state lives in a RoundFlow; every handler asks it what a click means, then showRound() shows
// it. No handler waits: the target roll steps on a timer, and the search runs on the solver
// host's thread, which writes the answer list and the status line and reports its end to
// searchEnded(). Controls carry their names in the game's rules as object names ("Command1",
// "cp1", "btnPick_3", "Label2_0", ...).
// Each round whose clock has stopped, and each round set by hand, is kept in the round history
// (opened when first needed) and searched quietly on a thread of its own, so that the checker
// and the history learn whether the target could be reached; the window shows the round's
// points.
class GameFrm : public QMainWindow {
    Q_OBJECT

public:
    // What the window needs from outside; tests put fakes in.
    struct Services {
        GameSettings* settings = nullptr;       // shared with the settings dialog
        const SettingsStore* store = nullptr;   // read for the clock's seconds display
        std::unique_ptr<SoundSink> sound;       // the clock music
        std::unique_ptr<RandomSource> random;   // the deal and the target draw
        int rollStepMs = 10;                    // how long each value of the target roll shows
        std::function<void()> searchCheckPoint; // for tests: see SearchThread
        QString historyFolder; // the round history's folder; empty: HistoryStore's default
    };

    explicit GameFrm(Services services, QWidget* parent = nullptr);
    ~GameFrm() override;

    // Lays out every control in proportion to the window's outer size (fonts only shrink).
    void PositionControls();
    // Reads the clock's seconds display from the store.
    void GetSettings();

    void btnPick_Click(int index);
    void Command1_Click();
    void Timer1_Timer();
    void cmdAnswer_Click();
    void cmdVarify_Click();
    // Opens the settings dialog modally; it changes GameSettings, the clock's seconds display
    // and the clock's period.
    void mnuSettings_Click();
    // Opens the manual set-up; a round handed over is sorted, shown and searched at once, in
    // place of the round on show and of its search, if one runs. Does nothing while the target
    // rolls.
    void mnuSetup_Click();
    // Opens the history window on the history in the game's data folder.
    void mnuHistory_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    const RoundFlow& round() const { return *m_round; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    // What the layout arithmetic needs: the window's size and the texts as they measure.
    gamelayout::LayoutInput layoutInput() const;
    void applyLayout(const gamelayout::GameLayout& layout);
    void createMenus();
    QLabel* createSlot(int index);
    ButtonEx* createPickButton(int index);
    void describePick(int index);
    void Form_Resize();
    void startRound();
    // One step of the target roll; after the last one the clock starts.
    void rollTarget();
    void stopRound();
    void playAgain();
    void SearchAnswers();
    // Starts the search that `ticket` of the round flow allows; it runs on the solver host's
    // thread and ends in searchEnded().
    void runSearch(int ticket);
    void searchEnded(int ticket, bool finished, const RoundAnalysis& analysis);
    solver::Solver::Numbers roundNumbers() const;
    // The target stands (or a round is set by hand): the round's record begins.
    void startRecord(bool manual);
    // The clock stopped after `secondsUsed` ticks: the record is stored and the round searched
    // quietly.
    void finishRound(int secondsUsed);
    // What a search that ran to its end knows of the round with `ticket`: for the checker and
    // the record.
    void roundKnown(int ticket, bool finished, const RoundAnalysis& analysis);
    // A whole-number result of "=" in the checker.
    void checkedValue(int value);
    // Stores the record of a round that is over whenever it has changed; a history that cannot
    // be used is said once.
    void storeRecord();
    HistoryStore& history();
    // Captions, visibility and enabling of every control from the round's state.
    void showRound();
    // The points badge, centred in its room.
    void placePoints();

    Services m_services;
    std::unique_ptr<RoundFlow> m_round;
    GradientWidget* m_client = nullptr;
    WindowSolverHost* m_solverHost = nullptr;
    SearchThread* m_analyst = nullptr;
    std::unique_ptr<HistoryStore> m_history;
    RoundRecorder m_recorder;
    std::optional<RoundAnalysis> m_analysis; // of the round on show, once known
    VarifyFrm* m_checker = nullptr;          // while the checker is open
    QRect m_pointsRoom;
    int m_targetFontSize = 120;
    int m_numberFontSize = 72;
    bool m_layingOut = false;

    GradientWidget* Picture4 = nullptr;
    std::vector<QLabel*> Label2;
    GradientWidget* Picture3 = nullptr;
    QWidget* Picture2 = nullptr;
    QLabel* lbTarget = nullptr;
    QLabel* lbPoints = nullptr;
    QLabel* lbinst = nullptr;
    std::vector<ButtonEx*> btnPick;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdAnswer = nullptr;
    QLabel* LBa = nullptr;
    ButtonEx* cmdVarify = nullptr;
    QListWidget* List1 = nullptr;
    bkCProg* cp1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* m_rollTimer = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* mnuSetup = nullptr;
    QAction* mnuHistory = nullptr;
    QAction* mnuAbout = nullptr;
};
