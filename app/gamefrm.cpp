#include "gamefrm.h"

#include "aboutfrm.h"
#include "bkcprog.h"
#include "buttonex.h"
#include "fonts.h"
#include "gamelayout.h"
#include "gradientwidget.h"
#include "manualfrm.h"
#include "resources.h"
#include "roundclock.h"
#include "settingfrm.h"
#include "settingrules.h"
#include "systemcolors.h"
#include "twips.h"
#include "varifyfrm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

const QString kInstructions =
    QStringLiteral("Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, "
                   "the last row contains the numbers 25, 50, 75 and 100.");

template <typename T> T* at(const std::vector<T*>& v, int i) {
    return v[static_cast<std::size_t>(i)];
}

using Phase = RoundFlow::Phase;

QString roundCaption(Phase phase) {
    switch (phase) {
    case Phase::Picking:
    case Phase::Ready:
        return QStringLiteral("START");
    case Phase::Rolling:
    case Phase::Running:
        return QStringLiteral("STOP");
    default:
        return QStringLiteral("PLAY AGAIN");
    }
}

QString answerCaption(const RoundFlow& round) {
    if (round.phase() == Phase::Searching || round.phase() == Phase::Stopping)
        return QStringLiteral("Stop Search");
    if (round.phase() == Phase::Searched &&
        round.searchOutcome() == RoundFlow::SearchOutcome::Finished)
        return QStringLiteral("Search Finished");
    return QStringLiteral("Show Answer(s)");
}

template <typename T> T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

} // namespace

GameFrm::GameFrm(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)) {
    Q_ASSERT(m_services.settings && m_services.store);
    if (!m_services.sound)
        m_services.sound = std::make_unique<ClockSound>();
    if (!m_services.random)
        m_services.random = std::make_unique<ClockRandom>();
    if (!m_services.rollPause)
        m_services.rollPause = [] { QThread::msleep(10); };

    setWindowTitle(QStringLiteral("The Tallyrun"));
    m_round = std::make_unique<RoundFlow>(*m_services.settings, *m_services.random);
    createMenus();
    createControls();
    m_solverHost = std::make_unique<WindowSolverHost>(LBa, List1);
    m_solver = std::make_unique<solver::Solver>(*m_solverHost);

    // Form_Load
    setMinimumSize(gamelayout::kMinimumWindowPixels); // a drag stops there
    resize(gamelayout::kMinimumWindowPixels);
    PositionControls();
    GetSettings();
    Timer1->setInterval(m_services.settings->TimerInterval);
    showRound();
    resources::init();
    m_services.sound->load(resources::ClockMusicPath);
    at(btnPick, 0)->setFocus(); // a round can be played from the keyboard
}

GameFrm::~GameFrm() = default;

void GameFrm::createMenus() {
    QMenuBar* bar = menuBar();
    mnuExit = named(bar->addAction(QStringLiteral("E&xit")), QStringLiteral("mnuExit"));
    mnuSettings = named(bar->addAction(QStringLiteral("&Setting")), QStringLiteral("mnuSettings"));
    mnuSetup = named(bar->addAction(QStringLiteral("&Manual setup")), QStringLiteral("mnuSetup"));
    mnuAbout = named(bar->addAction(QStringLiteral("&About")), QStringLiteral("mnuAbout"));
    connect(mnuExit, &QAction::triggered, this, &GameFrm::mnuExit_Click);
    connect(mnuSettings, &QAction::triggered, this, &GameFrm::mnuSettings_Click);
    connect(mnuSetup, &QAction::triggered, this, &GameFrm::mnuSetup_Click);
    connect(mnuAbout, &QAction::triggered, this, &GameFrm::mnuAbout_Click);
}

QLabel* GameFrm::createSlot(int index) {
    auto* label = named(new QLabel(Picture4), QStringLiteral("Label2_%1").arg(index));
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, systemcolors::toQColor(gamelayout::kSlotBackColor));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setFont(ArialFont(m_numberFontSize));
    return label;
}

ButtonEx* GameFrm::createPickButton(int index) {
    auto* button = named(new ButtonEx(m_client), QStringLiteral("btnPick_%1").arg(index));
    button->setCaption(QString());
    button->setBackColor(0x000080FF); // orange
    button->setBorderStyle(2);        // bump, etched when pressed
    button->setFont(SansSerifFont(8.25));
    connect(button, &ButtonEx::clicked, this, [this, index] { btnPick_Click(index); });
    return button;
}

// Screen readers hear a face-down button by its place, and whether it has been picked.
void GameFrm::describePick(int index) {
    const QString name = QStringLiteral("Face-down number %1").arg(index + 1);
    at(btnPick, index)
        ->setAccessibleName(m_round->deal().used(index) ? name + QStringLiteral(", used") : name);
}

void GameFrm::createControls() {
    m_client = new GradientWidget(kGameWindowGradient, this);
    m_client->setMeasuresWindowFrame(true);
    setCentralWidget(m_client);

    Picture4 = named(new GradientWidget(kPicture4Gradient, m_client), QStringLiteral("Picture4"));
    Label2.push_back(createSlot(0));
    Picture3 = named(new GradientWidget(kPicture3Gradient, m_client), QStringLiteral("Picture3"));
    Picture2 = named(new QWidget(Picture3), QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    QPalette black = Picture2->palette();
    black.setColor(QPalette::Window, Qt::black);
    Picture2->setPalette(black);
    lbTarget = named(new QLabel(Picture2), QStringLiteral("lbTarget"));
    lbTarget->setAlignment(Qt::AlignCenter);
    lbTarget->setAutoFillBackground(true);
    QPalette green = black;
    green.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    lbTarget->setPalette(green);
    lbTarget->setFont(ArialFont(m_targetFontSize));

    lbinst = named(new QLabel(kInstructions, m_client), QStringLiteral("lbinst"));
    lbinst->setWordWrap(true);
    lbinst->setFont(SansSerifFont(18, true));
    QPalette grey = lbinst->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    lbinst->setPalette(grey);

    btnPick.push_back(createPickButton(0));
    describePick(0);

    Command1 = named(new QPushButton(m_client), QStringLiteral("Command1"));
    Command1->setFont(SansSerifFont(24, true));
    Command1->setAutoDefault(true); // Enter clicks it when it has the focus
    connect(Command1, &QPushButton::clicked, this, &GameFrm::Command1_Click);

    cmdAnswer = named(new QPushButton(m_client), QStringLiteral("cmdAnswer"));
    cmdAnswer->setFont(SansSerifFont(18, true));
    cmdAnswer->setAutoDefault(true);
    connect(cmdAnswer, &QPushButton::clicked, this, &GameFrm::cmdAnswer_Click);

    LBa = named(new QLabel(m_client), QStringLiteral("LBa"));
    LBa->setFont(SansSerifFont(12, true));
    LBa->setAutoFillBackground(true);
    QPalette status = grey;
    status.setColor(QPalette::Window, Qt::white);
    LBa->setPalette(status);

    cmdVarify = named(new ButtonEx(m_client), QStringLiteral("cmdVarify"));
    cmdVarify->setCaption(QStringLiteral("Validate"));
    cmdVarify->setFont(SansSerifFont(18, true));
    connect(cmdVarify, &ButtonEx::clicked, this, &GameFrm::cmdVarify_Click);

    List1 = named(new QListWidget(m_client), QStringLiteral("List1"));
    List1->setFont(SansSerifFont(18, true));

    cp1 = named(new bkCProg(m_client), QStringLiteral("cp1"));
    cp1->ReadProperties(roundClockDesign()); // a one-minute face at 0

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    // A coarse timer moves each tick by up to 5 %, which would undo tuning the clock to the music.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &GameFrm::Timer1_Timer);
}

void GameFrm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void GameFrm::Form_Resize() {
    if (!cp1)
        return;
    gamelayout::WindowShowState state = gamelayout::WindowShowState::Normal;
    if (isMinimized())
        state = gamelayout::WindowShowState::Minimised;
    else if (isMaximized() || isFullScreen())
        state = gamelayout::WindowShowState::Maximised;
    const QSize frame = frameGeometry().size();
    const gamelayout::ResizeGuard guard = gamelayout::GuardResize(state, frame);
    if (guard.resize) {
        // The frame's extra (caption, borders) stays as it is; the client area grows.
        resize(size() + (guard.outerPixels - frame));
    }
    if (guard.layout)
        PositionControls();
}

void GameFrm::PositionControls() {
    if (m_layingOut)
        return;
    m_layingOut = true;
    const double perX = twips::perPixelX();
    const double perY = twips::perPixelY();
    // The outer size includes what the window manager adds (caption, borders); the client
    // area starts below the menu bar. Before the window has a frame both are the same.
    const QSize frame = frameGeometry().size();
    const int decorationPixels = std::max(0, frame.height() - geometry().height());
    const int menuPixels =
        menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();

    gamelayout::LayoutInput input;
    input.winWidth = gamelayout::LayoutTwips(frame.width(), perX);
    input.winHeight = gamelayout::LayoutTwips(frame.height(), perY);
    input.capB = gamelayout::LayoutTwips(decorationPixels, perY);
    input.menuH = gamelayout::LayoutTwips(menuPixels, perY);
    // The instructions keep their designed font; their label is as tall as the wrapped text.
    const int instructionWidth =
        static_cast<int>(input.winWidth * gamelayout::kInstructionsWidthFactor / perX);
    input.design.lbinstHeight = lbinst->heightForWidth(instructionWidth) * perY;
    input.twipsPerPixelX = perX;
    input.twipsPerPixelY = perY;
    {
        // A search counts fewer than ten million combinations.
        const QFontMetricsF report(LBa->font());
        const double widest = std::max(
            report.horizontalAdvance(QStringLiteral("Search Stopped at combination 9999999")),
            report.horizontalAdvance(QStringLiteral("Searched 9999999 combinations: ")));
        input.reportSize = QSizeF((std::ceil(widest) + 2) * perX,
                                  TextHeightTwips(LBa->font(), QStringLiteral("\n"), perY));
        const QString lowest = QString::number(m_services.settings->LowestTarget);
        const QString highest = QString::number(m_services.settings->HighestTarget);
        input.widestTarget = lowest.size() > highest.size() ? lowest : highest;
        if (lbTarget->text().size() > input.widestTarget.size())
            input.widestTarget = lbTarget->text(); // a round set by hand
    }
    const gamelayout::GameLayout layout = gamelayout::PositionControls(
        input,
        [perY](int points, const QString& text) {
            return TextHeightTwips(ArialFont(points), text, perY);
        },
        [perX](int points, const QString& text) {
            return QFontMetricsF(ArialFont(points)).horizontalAdvance(text) * perX;
        });
    const auto px = [perX, perY](const QRectF& r) {
        return gamelayout::TwipsToPixels(r, perX, perY);
    };

    m_targetFontSize = layout.targetFontSize;
    m_numberFontSize = layout.numberFontSize;

    Picture4->setGeometry(px(layout.Picture4));
    for (int i = static_cast<int>(Label2.size()); i < kSlotCount; ++i) {
        Label2.push_back(createSlot(i));
        Label2.back()->show();
    }
    for (int i = 0; i < kSlotCount; ++i) {
        at(Label2, i)->setGeometry(px(layout.Label2[static_cast<std::size_t>(i)]));
        at(Label2, i)->setFont(ArialFont(m_numberFontSize));
    }
    Picture3->setGeometry(px(layout.Picture3));
    Picture3->raise();
    Picture2->setGeometry(px(layout.Picture2));
    lbTarget->setGeometry(px(layout.lbTarget));
    lbTarget->setFont(ArialFont(layout.targetShownSize));

    lbinst->setGeometry(px(layout.lbinst));
    cmdAnswer->setGeometry(px(layout.cmdAnswer));
    LBa->setGeometry(px(layout.LBa));
    cmdVarify->setGeometry(px(layout.cmdVarify));
    // New buttons show; an existing one keeps its visibility, so a picked one stays hidden.
    for (int i = static_cast<int>(btnPick.size()); i < kPickCount; ++i) {
        btnPick.push_back(createPickButton(i));
        btnPick.back()->setVisible(m_round->phase() == Phase::Picking && !m_round->deal().used(i));
        describePick(i);
        // Tab goes through the pick buttons in order, then to the round button.
        QWidget::setTabOrder(at(btnPick, i - 1), btnPick.back());
        QWidget::setTabOrder(btnPick.back(), Command1);
    }
    for (int i = 0; i < kPickCount; ++i)
        at(btnPick, i)->setGeometry(px(layout.btnPick[static_cast<std::size_t>(i)]));
    Command1->setGeometry(px(layout.Command1));

    cp1->setAutoSize(true);
    cp1->setGeometry(px(layout.cp1));
    cp1->setAutoSize(false);
    cp1->setRadius(layout.cp1Radius);
    cp1->show();
    List1->setGeometry(px(layout.List1));
    m_layingOut = false;
}

void GameFrm::GetSettings() {
    cp1->setShowValue(ShowSecondsSetting(*m_services.store));
}

void GameFrm::mnuSettings_Click() {
    SettingFrm::Services services;
    services.settings = m_services.settings;
    services.store = m_services.store;
    services.GetSettings = [this] { GetSettings(); };
    services.showSeconds = [this](bool on) { cp1->setShowValue(on); };
    services.setClockPeriod = [this](int milliseconds) { Timer1->setInterval(milliseconds); };
    services.clockDesign = roundClockDesign();
    SettingFrm dialog(std::move(services), this);
    dialog.exec();
}

void GameFrm::showRound() {
    const RoundFlow& round = *m_round;
    const Phase phase = round.phase();
    const bool picking = phase == Phase::Picking;
    const bool over = phase == Phase::Over;
    const bool searching = phase == Phase::Searching || phase == Phase::Stopping;
    const bool searched = phase == Phase::Searched;

    for (int i = 0; i < kSlotCount && i < static_cast<int>(Label2.size()); ++i) {
        const std::int32_t number = round.deal().slot(i);
        at(Label2, i)->setText(number == 0 ? QString() : QString::number(number));
    }
    for (int i = 0; i < static_cast<int>(btnPick.size()); ++i)
        at(btnPick, i)->setVisible(picking && !round.deal().used(i));
    lbinst->setVisible(picking);
    const QString target = round.target() ? QString::number(*round.target()) : QString();
    const bool refit = target.size() != lbTarget->text().size();
    lbTarget->setText(target);
    if (refit)
        PositionControls(); // a target of another length may need another font size

    Command1->setText(roundCaption(phase));
    Command1->setEnabled(phase == Phase::Ready || phase == Phase::Running || over ||
                         phase == Phase::Stopping || searched);
    cmdAnswer->setText(answerCaption(round));
    cmdAnswer->setVisible(over || searching || searched);
    // A finished search, or any search of a round set by hand, is not run again.
    cmdAnswer->setEnabled(
        !(searched &&
          (round.searchOutcome() == RoundFlow::SearchOutcome::Finished || round.manual())));
    cmdVarify->setVisible(over);
    LBa->setVisible(searching || searched);
    List1->setVisible(searching || searched);
    mnuSetup->setEnabled(round.canSetUp());
}

void GameFrm::btnPick_Click(int index) {
    if (m_round->pick(index) < 0)
        return;
    describePick(index);
    showRound(); // hiding the button moves the focus on to the next one
    if (m_round->phase() == Phase::Ready)
        Command1->setFocus();
}

void GameFrm::Command1_Click() {
    switch (m_round->phase()) {
    case Phase::Ready:
        startRound();
        break;
    case Phase::Running:
        stopRound();
        break;
    case Phase::Over:
    case Phase::Stopping:
    case Phase::Searched:
        playAgain();
        break;
    default:
        break;
    }
}

void GameFrm::startRound() {
    // The round button waits while the target rolls, so that a click cannot stop or restart
    // the round half-way through the draw.
    m_round->start();
    showRound();
    List1->clear();
    const std::int16_t target =
        DrawTarget(m_services.settings->HighestTarget, m_services.settings->LowestTarget,
                   *m_services.random, [this](std::int16_t t) {
                       if (m_round->phase() != Phase::Rolling)
                           return;
                       m_round->rolled(t);
                       lbTarget->setText(QString::number(t));
                       QCoreApplication::processEvents();
                       m_services.rollPause();
                   });
    if (m_round->phase() != Phase::Rolling)
        return; // closed while rolling
    m_round->rolled(target);
    m_round->rollDone();
    showRound();
    Command1->setFocus(); // "STOP"
    Timer1->start();
}

void GameFrm::stopRound() {
    m_services.sound->stop();
    Timer1->stop();
    m_round->stop();
    showRound();
}

void GameFrm::playAgain() {
    Timer1->stop();
    m_round->playAgain();
    cp1->setValue(m_round->clockShown());
    for (int i = 0; i < kPickCount; ++i)
        describePick(i);
    showRound();
    at(btnPick, 0)->setFocus();
}

void GameFrm::Timer1_Timer() {
    const RoundFlow::Tick tick = m_round->tick();
    if (tick.startMusic)
        m_services.sound->play();
    cp1->setValue(tick.shown);
    if (tick.timeUp) {
        Timer1->stop();
        showRound();
    }
}

void GameFrm::cmdAnswer_Click() {
    if (m_round->requestStop()) {
        m_solver->requestStop();
        showRound();
        return;
    }
    SearchAnswers();
}

void GameFrm::SearchAnswers() {
    if (const std::optional<int> ticket = m_round->startSearch())
        runSearch(*ticket);
}

void GameFrm::runSearch(int ticket) {
    LBa->setText(QStringLiteral("Searching..."));
    showRound(); // the manual set-up waits while the search is on the stack
    QCoreApplication::processEvents();
    if (m_round->phase() == Phase::Closed)
        return;
    const solver::Solver::Outcome outcome =
        m_solver->SearchAnswers(m_round->deal().RoundNumbers, m_round->target().value_or(0));
    m_solverHost->showAll();
    m_round->searchEnded(ticket, outcome == solver::Solver::Outcome::Finished);
    if (m_round->phase() != Phase::Closed)
        showRound();
}

void GameFrm::cmdVarify_Click() {
    VarifyFrm checker(this);
    for (int i = 0; i < kSlotCount; ++i)
        checker.setNumberCaption(i, QString::number(m_round->deal().slot(i)));
    if (m_round->target())
        checker.appendTargetText(QString::number(*m_round->target()));
    checker.exec();
}

void GameFrm::mnuSetup_Click() {
    if (!m_round->canSetUp())
        return;
    std::optional<ManualRound> handed;
    {
        ManualFrm setup(this);
        setup.exec();
        handed = setup.handedOver();
    }
    if (!handed)
        return;
    const std::optional<int> ticket = m_round->startManualSearch(handed->numbers, handed->target);
    if (!ticket)
        return;
    // The round on show is now the one set by hand: the clock stops where it stands.
    Timer1->stop();
    m_services.sound->stop();
    List1->clear();
    runSearch(*ticket);
}

void GameFrm::mnuAbout_Click() {
    AboutFrm about(this);
    about.exec();
}

void GameFrm::mnuExit_Click() {
    close();
}

void GameFrm::closeEvent(QCloseEvent* event) {
    // Stops the music and any search or target roll that is running further down the stack:
    // they unwind at their next check, and the window is not destroyed before they have.
    m_round->close();
    m_solver->requestStop();
    Timer1->stop();
    m_services.sound->stop();
    event->accept();
}
