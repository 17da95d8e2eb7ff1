#pragma once

#include "clocksound.h"
#include "gamesettings.h"
#include "round.h"
#include "roundflow.h"
#include "settingsstore.h"

#include <QMainWindow>
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
class WindowSolverHost;

// The main window: deals and picks the numbers, rolls the target, runs the round clock and
// its music, and leads to the checker and the solver once the round is over. The round's
// state lives in a RoundFlow; every handler asks it what a click means, then showRound() shows
// it. No handler waits: the target roll steps on a timer, and the search runs on the solver
// host's thread, which writes the answer list and the status line and reports its end to
// searchEnded(). Controls carry their names in the game's rules as object names ("Command1",
// "cp1", "btnPick_3", "Label2_0", ...).
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
    void searchEnded(int ticket, bool finished);
    // Captions, visibility and enabling of every control from the round's state.
    void showRound();

    Services m_services;
    std::unique_ptr<RoundFlow> m_round;
    GradientWidget* m_client = nullptr;
    WindowSolverHost* m_solverHost = nullptr;
    int m_targetFontSize = 120;
    int m_numberFontSize = 72;
    bool m_layingOut = false;

    GradientWidget* Picture4 = nullptr;
    std::vector<QLabel*> Label2;
    GradientWidget* Picture3 = nullptr;
    QWidget* Picture2 = nullptr;
    QLabel* lbTarget = nullptr;
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
