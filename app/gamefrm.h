#pragma once

#include "clocksound.h"
#include "gamesettings.h"
#include "round.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;
class GradientWidget;
class bkCProg;

// The main window: deals and picks the numbers, rolls the target, runs the round clock and
// its music, and leads to the checker and the solver once the round is over. The round
// button's caption ("START", "STOP", "PLAY AGAIN") is the round's state.
class GameFrm : public QMainWindow {
    Q_OBJECT

public:
    // What the window needs from outside; tests put fakes in.
    struct Services {
        GameSettings* settings = nullptr;     // shared with the settings dialog
        const SettingsStore* store = nullptr; // read for the clock's seconds display
        std::unique_ptr<SoundSink> sound;     // the clock music
        std::unique_ptr<RandomSource> random; // the deal and the target draw
        std::function<void()> rollPause;      // the pause after each roll of the target
    };

    explicit GameFrm(Services services, QWidget* parent = nullptr);
    ~GameFrm() override;

    void PositionControls();
    void GetSettings();
    void ScrambleNos();

    void btnPick_Click(int index);
    void Command1_Click();
    void Timer1_Timer();
    void cmdAnswer_Click();
    void cmdVarify_Click();
    void mnuExit_Click();

    // Clock ticks so far in the current round; 0 between rounds.
    std::int16_t ClockCount = 0;
    // True while a solver search may go on; the stop click clears it.
    bool SearchGoOn = true;
    // Combinations the solver has tried in the current search.
    std::int32_t CombinationCount = 0;

    const RoundDeal& deal() const { return m_deal; }
    std::vector<std::int32_t>& RoundNumbers() { return m_deal.RoundNumbers; }
    bool searching() const { return m_searching; }

    // Controls, by their names in the game's rules.
    GradientWidget* Picture4 = nullptr;
    std::vector<QLabel*> Label2;
    GradientWidget* Picture3 = nullptr;
    QWidget* Picture2 = nullptr;
    QLabel* lbTarget = nullptr;
    QLabel* lbinst = nullptr;
    std::vector<QPushButton*> btnPick;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdAnswer = nullptr;
    QLabel* LBa = nullptr;
    QPushButton* cmdVarify = nullptr;
    QListWidget* List1 = nullptr;
    bkCProg* cp1 = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* mnuSetup = nullptr;
    QAction* mnuAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createMenus();
    QLabel* createSlot();
    QPushButton* createPickButton(int index);
    void SearchAnswers(std::int32_t target);

    Services m_services;
    RoundDeal m_deal;
    QWidget* m_client = nullptr;
    bool m_searching = false;
    bool m_closing = false;
};
