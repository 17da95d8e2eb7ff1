#include "gamefrm.h"

#include "bkcprog.h"
#include "clocksound.h"
#include "gradientwidget.h"
#include "resources.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace {

const QString kStart = QStringLiteral("START");
const QString kStop = QStringLiteral("STOP");
const QString kPlayAgain = QStringLiteral("PLAY AGAIN");
const QString kShowAnswers = QStringLiteral("Show Answer(s)");
const QString kStopSearch = QStringLiteral("Stop Search");
const QString kInstructions =
    QStringLiteral("Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, "
                   "the last row contains the numbers 25, 50, 75 and 100.");

QFont sansFont(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
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

    // Form_Load
    resize(800, 600);
    PositionControls();
    GetSettings();
    Timer1->setInterval(m_services.settings->TimerInterval);
    ScrambleNos();
    resources::init();
    m_services.sound->load(resources::ClockMusicPath);
}

GameFrm::~GameFrm() = default;

void GameFrm::createMenus() {
    QMenuBar* bar = menuBar();
    mnuExit = bar->addAction(QStringLiteral("E&xit"));
    mnuSettings = bar->addAction(QStringLiteral("&Setting"));
    mnuSetup = bar->addAction(QStringLiteral("&Manual setup"));
    mnuAbout = bar->addAction(QStringLiteral("&About"));
    connect(mnuExit, &QAction::triggered, this, &GameFrm::mnuExit_Click);
    // Their windows are not part of the game yet.
    mnuSettings->setEnabled(false);
    mnuSetup->setEnabled(false);
    mnuAbout->setEnabled(false);
}

QLabel* GameFrm::createSlot() {
    auto* label = new QLabel(Picture4);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setStyleSheet(QStringLiteral("color: #FFFFFF; background-color: rgb(6, 120, 255);"));
    label->setFont(Label2.empty() ? sansFont(72, false) : Label2.front()->font());
    return label;
}

QPushButton* GameFrm::createPickButton(int index) {
    auto* button = new QPushButton(m_client);
    button->setFont(sansFont(8.25, false));
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: #FF8000; border: 2px "
                                         "outset #FFB060; } QPushButton:pressed { border-style: "
                                         "inset; }"));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, index] { btnPick_Click(index); });
    return button;
}

void GameFrm::createControls() {
    m_client = new GradientWidget(kGameWindowGradient, this);
    setCentralWidget(m_client);

    Picture4 = new GradientWidget(kPicture4Gradient, m_client);
    Label2.push_back(createSlot());
    Picture3 = new GradientWidget(kPicture3Gradient, m_client);
    Picture2 = new QWidget(Picture3);
    Picture2->setAutoFillBackground(true);
    Picture2->setStyleSheet(QStringLiteral("background-color: #000000;"));
    lbTarget = new QLabel(Picture2);
    lbTarget->setAlignment(Qt::AlignCenter);
    lbTarget->setFont(sansFont(120, false));
    lbTarget->setStyleSheet(QStringLiteral("color: #00FF00; background-color: #000000;"));

    lbinst = new QLabel(kInstructions, m_client);
    lbinst->setWordWrap(true);
    lbinst->setFont(sansFont(18, true));
    lbinst->setStyleSheet(QStringLiteral("color: #808080;"));

    btnPick.push_back(createPickButton(0));

    Command1 = new QPushButton(kStart, m_client);
    Command1->setFont(sansFont(24, true));
    Command1->setEnabled(false);
    connect(Command1, &QPushButton::clicked, this, &GameFrm::Command1_Click);

    cmdAnswer = new QPushButton(kShowAnswers, m_client);
    cmdAnswer->setFont(sansFont(18, true));
    cmdAnswer->hide();
    connect(cmdAnswer, &QPushButton::clicked, this, &GameFrm::cmdAnswer_Click);

    LBa = new QLabel(m_client);
    LBa->setFont(sansFont(12, true));
    LBa->setStyleSheet(QStringLiteral("color: #808080; background-color: #FFFFFF;"));
    LBa->hide();

    cmdVarify = new QPushButton(QStringLiteral("Validate"), m_client);
    cmdVarify->setFont(sansFont(18, true));
    cmdVarify->hide();
    connect(cmdVarify, &QPushButton::clicked, this, &GameFrm::cmdVarify_Click);

    List1 = new QListWidget(m_client);
    List1->setFont(sansFont(18, true));
    List1->hide();

    cp1 = new bkCProg(m_client);
    cp1->setMax(60);
    cp1->setValue(0);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &GameFrm::Timer1_Timer);
}

void GameFrm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!Label2.empty())
        PositionControls();
}

void GameFrm::PositionControls() {
    const int w = m_client->width();
    const int h = m_client->height();
    const int margin = w / 100;
    Picture4->setGeometry(margin, margin, w - 2 * margin, w * 3 / 10);
    const int slotsTop = Picture4->height() * 7 / 10;
    const int slotWidth = (Picture4->width() - 7 * 2) / 6;
    for (int i = static_cast<int>(Label2.size()); i < kSlotCount; ++i)
        Label2.push_back(createSlot());
    for (int i = 0; i < kSlotCount; ++i) {
        Label2[static_cast<std::size_t>(i)]->setGeometry(
            2 + i * (slotWidth + 2), slotsTop, slotWidth, Picture4->height() - slotsTop - 4);
        Label2[static_cast<std::size_t>(i)]->show();
    }
    Picture3->setGeometry(Picture4->x() + Picture4->width() / 4, margin / 2, Picture4->width() / 2,
                          slotsTop);
    Picture2->setGeometry(10, 10, Picture3->width() - 20, Picture3->height() - 20);
    lbTarget->setGeometry(2, 2, Picture2->width() - 4, Picture2->height() - 4);

    const int below = Picture4->y() + Picture4->height() + 4;
    lbinst->setGeometry(margin, below, w * 67 / 100, 60);
    cmdAnswer->setGeometry(margin, below, 220, 50);
    LBa->setGeometry(cmdAnswer->x() + cmdAnswer->width() + 4, below + 5, 250, 40);
    cmdVarify->setGeometry(LBa->x(), below, 180, 50);

    const int gridTop = lbinst->y() + lbinst->height();
    const int pickW = (w * 67 / 100 + 2) / 10;
    const int pickH = (h - gridTop - 8) / 3;
    for (int i = static_cast<int>(btnPick.size()); i < kPickCount; ++i)
        btnPick.push_back(createPickButton(i));
    for (int i = 0; i < kPickCount; ++i) {
        const int col = i < 20 ? i % 10 : i - 20;
        const int row = i < 10 ? 0 : (i < 20 ? 1 : 2);
        btnPick[static_cast<std::size_t>(i)]->setGeometry(
            margin + col * (pickW + 2), gridTop + row * (pickH + 2), pickW, pickH);
    }
    Command1->setGeometry(margin + 4 * (pickW + 2), gridTop + 2 * (pickH + 2), 6 * pickW + 10,
                          pickH);
    const int clockLeft = Command1->x() + Command1->width() + 4;
    cp1->setGeometry(clockLeft, below, w - clockLeft - margin, h - below - 4);
    List1->setGeometry(margin, cmdAnswer->y() + cmdAnswer->height() + 6, clockLeft - margin - 12,
                       Command1->y() - cmdAnswer->y() - cmdAnswer->height() - 10);
}

void GameFrm::GetSettings() {
    cp1->setShowValue(ShowSecondsSetting(*m_services.store));
}

void GameFrm::ScrambleNos() {
    m_deal.deal(*m_services.random);
}

void GameFrm::btnPick_Click(int index) {
    const int slot = m_deal.pick(index);
    if (slot < 0)
        return;
    Label2[static_cast<std::size_t>(slot)]->setText(QString::number(m_deal.slot(slot)));
    btnPick[static_cast<std::size_t>(index)]->hide();
    if (!m_deal.complete())
        return;
    for (QPushButton* button : btnPick)
        button->hide();
    lbinst->hide();
    Command1->setEnabled(true);
    for (int i = 0; i < kSlotCount; ++i)
        Label2[static_cast<std::size_t>(i)]->setText(
            QString::number(m_deal.RoundNumbers[static_cast<std::size_t>(i)]));
}

void GameFrm::Command1_Click() {
    const QString caption = Command1->text();
    if (caption == kStart) {
        Command1->setText(kStop);
        // The round button stays disabled while the target rolls, so that the round cannot
        // be stopped or restarted half-way through the draw.
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
        Timer1->stop();
        cp1->setValue(0);
        ClockCount = 0;
        lbTarget->clear();
        ScrambleNos();
        for (QLabel* slot : Label2)
            slot->clear();
        for (QPushButton* button : btnPick)
            button->show();
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
    cmdVarify->hide();
    const QString caption = cmdAnswer->text();
    if (caption == kShowAnswers) {
        CombinationCount = 0;
        cmdAnswer->setText(kStopSearch);
        Command1->setEnabled(false);
        LBa->setText(QStringLiteral("Searching..."));
        LBa->show();
        List1->show();
        QCoreApplication::processEvents();
        SearchAnswers(lbTarget->text().toInt());
    } else if (caption == kStopSearch) {
        SearchGoOn = false;
    }
    if (SearchGoOn)
        cmdAnswer->setEnabled(false);
    Command1->setEnabled(true);
    Command1->setText(kPlayAgain);
}

void GameFrm::SearchAnswers(std::int32_t target) {
    Q_UNUSED(target);
    m_searching = true;
    SearchGoOn = true;
    m_searching = false;
}

void GameFrm::cmdVarify_Click() {}

void GameFrm::mnuExit_Click() {
    close();
}

void GameFrm::closeEvent(QCloseEvent* event) {
    // Stops the music, and any search or target roll that is running further down the
    // stack: they unwind at their next check, and nothing of the window is destroyed
    // before they have.
    m_closing = true;
    SearchGoOn = false;
    Timer1->stop();
    m_services.sound->stop();
    event->accept();
}
