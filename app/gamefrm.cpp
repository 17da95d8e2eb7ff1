#include "gamefrm.h"

#include "bkcprog.h"
#include "buttonex.h"
#include "fonts.h"
#include "gamelayout.h"
#include "gradientwidget.h"
#include "resources.h"
#include "roundclockdesign.h"
#include "settingfrm.h"
#include "twips.h"
#include "varifyfrm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace {

const QString kStart = QStringLiteral("START");
const QString kStop = QStringLiteral("STOP");
const QString kPlayAgain = QStringLiteral("PLAY AGAIN");
const QString kShowAnswers = QStringLiteral("Show Answer(s)");
const QString kStopSearch = QStringLiteral("Stop Search");
const QString kInstructions =
    QStringLiteral("Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, "
                   "the last row contains the numbers 25, 50, 75 and 100.");

template <typename T> T* at(const std::vector<T*>& v, int i) {
    return v[static_cast<std::size_t>(i)];
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
    createMenus();
    createControls();
    m_solverHost = std::make_unique<WindowSolverHost>(LBa, cmdAnswer, List1);
    m_solver = std::make_unique<solver::Solver>(*m_solverHost);

    // Form_Load
    resize(gamelayout::kMinimumWindowPixels);
    PositionControls();
    GetSettings();
    Timer1->setInterval(m_services.settings->TimerInterval);
    ScrambleNos();
    resources::init();
    m_services.sound->load(resources::ClockMusicPath);
    at(btnPick, 0)->setFocus(); // a round can be played from the keyboard
}

GameFrm::~GameFrm() = default;

void GameFrm::createMenus() {
    QMenuBar* bar = menuBar();
    mnuExit = bar->addAction(QStringLiteral("E&xit"));
    mnuSettings = bar->addAction(QStringLiteral("&Setting"));
    mnuSetup = bar->addAction(QStringLiteral("&Manual setup"));
    mnuAbout = bar->addAction(QStringLiteral("&About"));
    connect(mnuExit, &QAction::triggered, this, &GameFrm::mnuExit_Click);
    connect(mnuSettings, &QAction::triggered, this, &GameFrm::mnuSettings_Click);
    // Their windows are not part of the game yet.
    mnuSetup->setEnabled(false);
    mnuAbout->setEnabled(false);
}

QLabel* GameFrm::createSlot() {
    auto* label = new QLabel(Picture4);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(6, 120, 255));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setFont(ArialFont(m_numberFontSize));
    return label;
}

ButtonEx* GameFrm::createPickButton(int index) {
    auto* button = new ButtonEx(m_client);
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
        ->setAccessibleName(m_deal.used(index) ? name + QStringLiteral(", used") : name);
}

void GameFrm::createControls() {
    m_client = new GradientWidget(kGameWindowGradient, this);
    m_client->setMeasuresWindowFrame(true);
    setCentralWidget(m_client);

    Picture4 = new GradientWidget(kPicture4Gradient, m_client);
    Label2.push_back(createSlot());
    Picture3 = new GradientWidget(kPicture3Gradient, m_client);
    Picture2 = new QWidget(Picture3);
    Picture2->setAutoFillBackground(true);
    QPalette black = Picture2->palette();
    black.setColor(QPalette::Window, Qt::black);
    Picture2->setPalette(black);
    lbTarget = new QLabel(Picture2);
    lbTarget->setAlignment(Qt::AlignCenter);
    lbTarget->setAutoFillBackground(true);
    QPalette green = black;
    green.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    lbTarget->setPalette(green);
    lbTarget->setFont(ArialFont(m_targetFontSize));

    lbinst = new QLabel(kInstructions, m_client);
    lbinst->setWordWrap(true);
    lbinst->setFont(SansSerifFont(18, true));
    QPalette grey = lbinst->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    lbinst->setPalette(grey);

    btnPick.push_back(createPickButton(0));
    describePick(0);

    Command1 = new QPushButton(kStart, m_client);
    Command1->setFont(SansSerifFont(24, true));
    Command1->setEnabled(false);
    Command1->setAutoDefault(true); // Enter clicks it when it has the focus
    connect(Command1, &QPushButton::clicked, this, &GameFrm::Command1_Click);

    cmdAnswer = new QPushButton(kShowAnswers, m_client);
    cmdAnswer->setFont(SansSerifFont(18, true));
    cmdAnswer->hide();
    cmdAnswer->setAutoDefault(true);
    connect(cmdAnswer, &QPushButton::clicked, this, &GameFrm::cmdAnswer_Click);

    LBa = new QLabel(m_client);
    LBa->setFont(SansSerifFont(12, true));
    LBa->setAutoFillBackground(true);
    QPalette status = grey;
    status.setColor(QPalette::Window, Qt::white);
    LBa->setPalette(status);
    LBa->hide();

    cmdVarify = new ButtonEx(m_client);
    cmdVarify->setCaption(QStringLiteral("Validate"));
    cmdVarify->setFont(SansSerifFont(18, true));
    cmdVarify->hide();
    connect(cmdVarify, &ButtonEx::clicked, this, &GameFrm::cmdVarify_Click);

    List1 = new QListWidget(m_client);
    List1->setFont(SansSerifFont(18, true));
    List1->hide();

    cp1 = new bkCProg(m_client);
    cp1->ReadProperties(roundClockDesign()); // a one-minute face at 0

    Timer1 = new QTimer(this);
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
    const int instructionWidth = static_cast<int>(input.winWidth * 0.67 / perX);
    input.design.lbinstHeight = lbinst->heightForWidth(instructionWidth) * perY;
    input.twipsPerPixelX = perX;
    input.twipsPerPixelY = perY;
    input.targetFontSize = m_targetFontSize;
    input.numberFontSize = m_numberFontSize;
    const gamelayout::GameLayout layout =
        gamelayout::PositionControls(input, [perY](int points, const QString& text) {
            return TextHeightTwips(ArialFont(points), text, perY);
        });
    const auto px = [perX, perY](const QRectF& r) {
        return gamelayout::TwipsToPixels(r, perX, perY);
    };

    m_targetFontSize = layout.targetFontSize;
    m_numberFontSize = layout.numberFontSize;

    Picture4->setGeometry(px(layout.Picture4));
    for (int i = static_cast<int>(Label2.size()); i < kSlotCount; ++i) {
        Label2.push_back(createSlot());
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
    lbTarget->setFont(ArialFont(m_targetFontSize));

    lbinst->setGeometry(px(layout.lbinst));
    cmdAnswer->setGeometry(px(layout.cmdAnswer));
    LBa->setGeometry(px(layout.LBa));
    cmdVarify->setGeometry(px(layout.cmdVarify));
    // New buttons show; an existing one keeps its visibility, so a picked one stays hidden.
    for (int i = static_cast<int>(btnPick.size()); i < kPickCount; ++i) {
        btnPick.push_back(createPickButton(i));
        btnPick.back()->setVisible(!m_deal.used(i));
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
    SettingFrm dialog(std::move(services), this);
    dialog.exec();
}

void GameFrm::ScrambleNos() {
    m_deal.deal(*m_services.random);
}

void GameFrm::btnPick_Click(int index) {
    const int slot = m_deal.pick(index);
    if (slot < 0)
        return;
    at(Label2, slot)->setText(QString::number(m_deal.slot(slot)));
    describePick(index);
    at(btnPick, index)->hide(); // the focus moves on to the next pick button
    if (!m_deal.complete())
        return;
    for (ButtonEx* button : btnPick)
        button->hide();
    lbinst->hide();
    Command1->setEnabled(true);
    Command1->setFocus();
    for (int i = 0; i < kSlotCount; ++i)
        at(Label2, i)->setText(QString::number(m_deal.RoundNumbers[static_cast<std::size_t>(i)]));
}

void GameFrm::Command1_Click() {
    const QString caption = Command1->text();
    if (caption == kStart) {
        Command1->setText(kStop);
        // The round button waits while the target rolls, so that a click cannot stop or
        // restart the round half-way through the draw.
        Command1->setEnabled(false);
        List1->clear();
        const std::int16_t target =
            DrawTarget(m_services.settings->HighestTarget, m_services.settings->LowestTarget,
                       *m_services.random, [this](std::int16_t t) {
                           if (m_closing)
                               return;
                           lbTarget->setText(QString::number(t));
                           QCoreApplication::processEvents();
                           m_services.rollPause();
                       });
        lbTarget->setText(QString::number(target));
        Command1->setEnabled(true);
        Command1->setFocus(); // "STOP"
        if (!m_closing)
            Timer1->start();
    } else if (caption == kStop) {
        m_services.sound->stop();
        Timer1->stop();
        Command1->setText(kPlayAgain);
        cmdAnswer->show();
        cmdAnswer->setEnabled(true);
        cmdVarify->show();
        cmdVarify->setEnabled(true);
    } else if (caption == kPlayAgain) {
        ++m_roundSerial;
        Timer1->stop();
        cp1->setValue(0);
        ClockCount = 0;
        lbTarget->clear();
        ScrambleNos();
        for (QLabel* slot : Label2)
            slot->clear();
        for (int i = 0; i < kPickCount; ++i) {
            describePick(i);
            at(btnPick, i)->show();
        }
        at(btnPick, 0)->setFocus();
        lbinst->show();
        Command1->setText(kStart);
        Command1->setEnabled(false);
        cmdAnswer->hide();
        cmdAnswer->setEnabled(true);
        cmdAnswer->setText(kShowAnswers);
        LBa->hide();
        List1->hide();
        cmdVarify->hide();
    }
}

void GameFrm::Timer1_Timer() {
    const GameSettings& settings = *m_services.settings;
    if (ClockCount == settings.RoundSeconds - 30 && !settings.NoSounds)
        m_services.sound->play();
    ClockCount = static_cast<std::int16_t>((ClockCount + 1) % (settings.RoundSeconds + 1));
    cp1->setValue(ClockCount);
    if (ClockCount == settings.RoundSeconds) {
        Command1->setText(kPlayAgain);
        Timer1->stop();
        cmdAnswer->show();
        cmdVarify->show();
        ClockCount = 0;
    }
}

void GameFrm::cmdAnswer_Click() {
    const int round = m_roundSerial;
    cmdVarify->hide();
    const QString caption = cmdAnswer->text();
    if (caption == kShowAnswers) {
        if (m_searching)
            return;
        m_solver->CombinationCount = 0;
        cmdAnswer->setText(kStopSearch);
        Command1->setEnabled(false);
        LBa->setText(QStringLiteral("Searching..."));
        LBa->show();
        List1->show();
        QCoreApplication::processEvents();
        SearchAnswers(lbTarget->text().toInt());
    } else if (caption == kStopSearch) {
        m_solver->SearchGoOn = false;
    }
    // A round that was started afresh while the search unwound keeps its own state.
    if (m_closing || round != m_roundSerial)
        return;
    if (m_solver->SearchGoOn)
        cmdAnswer->setEnabled(false);
    Command1->setEnabled(true);
    Command1->setText(kPlayAgain);
}

void GameFrm::SearchAnswers(std::int32_t target) {
    if (m_closing)
        return;
    // The solver is not re-entrant: the manual set-up, which starts a search of its own,
    // waits until this one has returned.
    const bool setupEnabled = mnuSetup->isEnabled();
    mnuSetup->setEnabled(false);
    m_searching = true;
    m_solver->SearchAnswers(m_deal.RoundNumbers, target);
    m_searching = false;
    mnuSetup->setEnabled(setupEnabled);
}

void GameFrm::cmdVarify_Click() {
    VarifyFrm checker(this);
    for (int i = 0; i < kSlotCount; ++i)
        checker.setNumberCaption(i, at(Label2, i)->text());
    checker.appendTargetText(lbTarget->text());
    checker.exec();
}

void GameFrm::mnuExit_Click() {
    close();
}

void GameFrm::closeEvent(QCloseEvent* event) {
    // Stops the music and any search or target roll that is running further down the stack:
    // they unwind at their next check, and the window is not destroyed before they have.
    m_closing = true;
    m_solver->SearchGoOn = false;
    Timer1->stop();
    m_services.sound->stop();
    event->accept();
}
