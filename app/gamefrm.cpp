#include "gamefrm.h"

#include "aboutfrm.h"
#include "bkcprog.h"
#include "buttonex.h"
#include "fonts.h"
#include "gamelayout.h"
#include "gradientwidget.h"
#include "historyfrm.h"
#include "historystore.h"
#include "manualfrm.h"
#include "messagebox.h"
#include "readablelabel.h"
#include "resources.h"
#include "roundclock.h"
#include "settingfrm.h"
#include "settingrules.h"
#include "systemcolors.h"
#include "twips.h"
#include "varifyfrm.h"
#include "windowsolverhost.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

template <typename T> T* at(const std::vector<T*>& v, int i) {
    return v[static_cast<std::size_t>(i)];
}

using Phase = RoundFlow::Phase;

QString roundCaption(Phase phase) {
    switch (phase) {
    case Phase::Picking:
    case Phase::Ready:
        return GameFrm::tr("START");
    case Phase::Rolling:
    case Phase::Running:
        return GameFrm::tr("STOP");
    default:
        return GameFrm::tr("PLAY AGAIN");
    }
}

// The answer button's captions: before a search, while one runs, once one has finished.
std::array<QString, 3> answerCaptions() {
    return {GameFrm::tr("Show Answer(s)"), GameFrm::tr("Stop Search"),
            GameFrm::tr("Search Finished")};
}

QString answerCaption(const RoundFlow& round) {
    const std::array<QString, 3> captions = answerCaptions();
    if (round.phase() == Phase::Searching || round.phase() == Phase::Stopping)
        return captions[1];
    if (round.phase() == Phase::Searched &&
        round.searchOutcome() == RoundFlow::SearchOutcome::Finished)
        return captions[2];
    return captions[0];
}

// Pixels that a push button needs for `caption` in its font and style.
int captionWidth(const QPushButton& button, const QString& caption) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = caption;
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, caption);
    return button.style()->sizeFromContents(QStyle::CT_PushButton, &option, text, &button).width();
}

template <typename T> T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

std::vector<std::int32_t> nearestValues(const RoundAnalysis& analysis) {
    std::vector<std::int32_t> values;
    for (const solver::NearestResult& nearest : analysis.nearest)
        values.push_back(nearest.value);
    return values;
}

} // namespace

GameFrm::GameFrm(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)) {
    Q_ASSERT(m_services.settings && m_services.store);
    if (!m_services.sound)
        m_services.sound = std::make_unique<ClockSound>();
    if (!m_services.random)
        m_services.random = std::make_unique<ClockRandom>();

    setWindowTitle(tr("The Tallyrun"));
    m_round = std::make_unique<RoundFlow>(*m_services.settings, *m_services.random);
    createMenus();
    createControls();
    m_solverHost =
        new WindowSolverHost(*m_round, LBa, List1, std::move(m_services.searchCheckPoint), this);
    connect(m_solverHost, &WindowSolverHost::searchEnded, this, &GameFrm::searchEnded);
    m_analyst = named(new SearchThread({}, this), QStringLiteral("roundAnalysis"));
    connect(m_analyst, &SearchThread::searchEnded, this, &GameFrm::roundKnown,
            Qt::QueuedConnection);

    // Form_Load
    const QSize smallest = gamelayout::MinimumWindowPixels(twips::perPixelX(), twips::perPixelY());
    setMinimumSize(smallest); // a drag stops there
    resize(smallest);
    PositionControls();
    GetSettings();
    Timer1->setInterval(m_services.settings->TimerInterval);
    showRound();
    resources::init();
    m_services.sound->load(resources::ClockMusicPath);
    at(btnPick, 0)->setFocus(); // a round can be played from the keyboard
}

GameFrm::~GameFrm() {
    m_solverHost->shutDown();
    m_analyst->shutDown();
}

void GameFrm::createMenus() {
    QMenuBar* bar = menuBar();
    mnuExit = named(bar->addAction(tr("E&xit")), QStringLiteral("mnuExit"));
    mnuSettings = named(bar->addAction(tr("&Setting")), QStringLiteral("mnuSettings"));
    mnuSetup = named(bar->addAction(tr("&Manual setup")), QStringLiteral("mnuSetup"));
    mnuHistory = named(bar->addAction(tr("&History")), QStringLiteral("mnuHistory"));
    mnuAbout = named(bar->addAction(tr("&About")), QStringLiteral("mnuAbout"));
    connect(mnuExit, &QAction::triggered, this, &GameFrm::mnuExit_Click);
    connect(mnuSettings, &QAction::triggered, this, &GameFrm::mnuSettings_Click);
    connect(mnuSetup, &QAction::triggered, this, &GameFrm::mnuSetup_Click);
    connect(mnuHistory, &QAction::triggered, this, &GameFrm::mnuHistory_Click);
    connect(mnuAbout, &QAction::triggered, this, &GameFrm::mnuAbout_Click);
}

QLabel* GameFrm::createSlot(int index) {
    auto* label = named(new ReadableLabel(Picture4), QStringLiteral("Label2_%1").arg(index));
    label->setAccessibleName(tr("Chosen number %1").arg(index + 1));
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
    button->setBorderStyle(ButtonEx::BorderStyle::BumpEtched);
    button->setFont(SansSerifFont(8.25));
    connect(button, &ButtonEx::clicked, this, [this, index] { btnPick_Click(index); });
    return button;
}

// Screen readers hear a face-down button by its place, and whether it has been picked.
void GameFrm::describePick(int index) {
    const QString name =
        m_round->deal().used(index) ? tr("Face-down number %1, used") : tr("Face-down number %1");
    at(btnPick, index)->setAccessibleName(name.arg(index + 1));
}

void GameFrm::createControls() {
    m_client = new GradientWidget(kGameWindowGradient, this);
    m_client->setMeasuresWindowFrame(true);
    setCentralWidget(m_client);

    Picture4 = named(new GradientWidget(kPicture4Gradient, m_client), QStringLiteral("Picture4"));
    Label2.push_back(createSlot(0));
    // A badge in the slots' colours, centred in its room.
    lbPoints = named(new ReadableLabel(Picture4), QStringLiteral("lbPoints"));
    lbPoints->setAccessibleName(tr("Points"));
    lbPoints->setAlignment(Qt::AlignCenter);
    lbPoints->setMargin(8);
    lbPoints->setFont(SansSerifFont(18, true));
    lbPoints->setAutoFillBackground(true);
    lbPoints->setPalette(at(Label2, 0)->palette());
    Picture3 = named(new GradientWidget(kPicture3Gradient, m_client), QStringLiteral("Picture3"));
    Picture2 = named(new QWidget(Picture3), QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    QPalette black = Picture2->palette();
    black.setColor(QPalette::Window, Qt::black);
    Picture2->setPalette(black);
    lbTarget = named(new ReadableLabel(Picture2), QStringLiteral("lbTarget"));
    lbTarget->setAccessibleName(tr("Target"));
    lbTarget->setAlignment(Qt::AlignCenter);
    lbTarget->setAutoFillBackground(true);
    QPalette green = black;
    green.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    lbTarget->setPalette(green);
    lbTarget->setFont(ArialFont(m_targetFontSize));

    lbinst = named(new QLabel(tr("Select 6 numbers from below. The first 2 rows contain the "
                                 "numbers 1 to 10, the last row contains the numbers 25, 50, "
                                 "75 and 100."),
                              m_client),
                   QStringLiteral("lbinst"));
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

    LBa = named(new ReadableLabel(m_client), QStringLiteral("LBa"));
    LBa->setAccessibleName(tr("Search report"));
    LBa->setFont(SansSerifFont(12, true));
    LBa->setAutoFillBackground(true);
    QPalette status = grey;
    status.setColor(QPalette::Window, Qt::white);
    LBa->setPalette(status);

    cmdVarify = named(new ButtonEx(m_client), QStringLiteral("cmdVarify"));
    cmdVarify->setCaption(tr("Validate"));
    cmdVarify->setFont(SansSerifFont(18, true));
    connect(cmdVarify, &ButtonEx::clicked, this, &GameFrm::cmdVarify_Click);

    List1 = named(new QListWidget(m_client), QStringLiteral("List1"));
    List1->setAccessibleName(tr("Answers"));
    List1->setFont(SansSerifFont(18, true));

    cp1 = named(new bkCProg(m_client), QStringLiteral("cp1"));
    cp1->setAccessibleName(tr("Round clock"));
    cp1->ReadProperties(roundClockDesign()); // a one-minute face at 0

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    // A coarse timer moves each tick by up to 5 %, which would undo tuning the clock to the music.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &GameFrm::Timer1_Timer);

    m_rollTimer = named(new QTimer(this), QStringLiteral("rollTimer"));
    m_rollTimer->setInterval(m_services.rollStepMs);
    connect(m_rollTimer, &QTimer::timeout, this, &GameFrm::rollTarget);
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
    const gamelayout::ResizeGuard guard = gamelayout::GuardResize(
        state, frame, gamelayout::MinimumWindowPixels(twips::perPixelX(), twips::perPixelY()));
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
    applyLayout(gamelayout::PositionControls(
        layoutInput(),
        [perY](int points, const QString& text) {
            return TextHeightTwips(ArialFont(points), text, perY);
        },
        [perX](int points, const QString& text) {
            return QFontMetricsF(ArialFont(points)).horizontalAdvance(text) * perX;
        }));
    m_layingOut = false;
}

gamelayout::LayoutInput GameFrm::layoutInput() const {
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
    // A search counts fewer than ten million combinations.
    const QFontMetricsF report(LBa->font());
    double widest = 0;
    for (const auto stage : {SearchProgress::Stage::Finished, SearchProgress::Stage::Stopped}) {
        const QString text = WindowSolverHost::progressText({stage, 9999999, 9999999});
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, report.horizontalAdvance(line));
    }
    input.reportSize = QSizeF((std::ceil(widest) + 2) * perX,
                              TextHeightTwips(LBa->font(), QStringLiteral("\n"), perY));
    // The buttons' captions as the player's language words them.
    int answerWidth = 0;
    for (const QString& caption : answerCaptions())
        answerWidth = std::max(answerWidth, captionWidth(*cmdAnswer, caption));
    input.answerCaptionWidth = answerWidth * perX;
    input.varifyCaptionWidth = cmdVarify->sizeHint().width() * perX;
    const QString lowest = QString::number(m_services.settings->LowestTarget);
    const QString highest = QString::number(m_services.settings->HighestTarget);
    input.widestTarget = lowest.size() > highest.size() ? lowest : highest;
    if (lbTarget->text().size() > input.widestTarget.size())
        input.widestTarget = lbTarget->text(); // a round set by hand
    return input;
}

void GameFrm::applyLayout(const gamelayout::GameLayout& layout) {
    const double perX = twips::perPixelX();
    const double perY = twips::perPixelY();
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
    m_pointsRoom = px(layout.lbPoints);
    placePoints();
}

void GameFrm::placePoints() {
    lbPoints->setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter,
                                              lbPoints->sizeHint().boundedTo(m_pointsRoom.size()),
                                              m_pointsRoom));
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
    const RoundRecord& record = m_recorder.record();
    lbPoints->setVisible((over || searching || searched) && m_recorder.finished() &&
                         !round.manual());
    lbPoints->setText(record.distance ? tr("Points: %1").arg(record.points) : tr("Points: none"));
    placePoints();
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
    m_round->roll();
    showRound();
    m_rollTimer->start();
}

void GameFrm::rollTarget() {
    if (m_round->roll()) {
        lbTarget->setText(QString::number(*m_round->target()));
        return;
    }
    m_rollTimer->stop();
    startRecord(false);
    showRound();
    Command1->setFocus(); // "STOP"
    Timer1->start();
}

void GameFrm::stopRound() {
    m_services.sound->stop();
    Timer1->stop();
    if (m_round->stop())
        finishRound(m_round->clockShown());
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
        finishRound(tick.shown);
        showRound();
    }
}

void GameFrm::cmdAnswer_Click() {
    if (m_round->requestStop()) {
        m_solverHost->stop();
        showRound();
        return;
    }
    SearchAnswers();
}

void GameFrm::SearchAnswers() {
    if (const std::optional<int> ticket = m_round->startSearch())
        runSearch(*ticket);
}

solver::Solver::Numbers GameFrm::roundNumbers() const {
    solver::Solver::Numbers numbers{};
    std::copy_n(m_round->deal().RoundNumbers().begin(), numbers.size(), numbers.begin());
    return numbers;
}

void GameFrm::runSearch(int ticket) {
    m_solverHost->search(ticket, roundNumbers(), m_round->target().value_or(0));
    showRound();
}

void GameFrm::searchEnded(int ticket, bool finished, const RoundAnalysis& analysis) {
    m_round->searchEnded(ticket, finished);
    roundKnown(ticket, finished, analysis);
    showRound();
}

void GameFrm::startRecord(bool manual) {
    const QDateTime now = QDateTime::currentDateTime();
    RoundStart start;
    start.playedAt = now.toSecsSinceEpoch();
    start.utcOffset = now.offsetFromUtc();
    start.numbers = roundNumbers();
    start.target = m_round->target().value_or(0);
    start.roundSeconds = m_services.settings->RoundSeconds;
    start.manual = manual;
    m_recorder.start(start);
}

void GameFrm::finishRound(int secondsUsed) {
    m_recorder.finish(secondsUsed);
    storeRecord();
    m_analysis.reset();
    m_analyst->search(m_round->ticket(), roundNumbers(), m_round->target().value_or(0));
}

void GameFrm::roundKnown(int ticket, bool finished, const RoundAnalysis& analysis) {
    if (!finished || !m_round->isCurrent(ticket))
        return;
    m_analysis = analysis;
    const std::vector<std::int32_t> nearest = nearestValues(analysis);
    if (m_checker)
        m_checker->setRoundAnalysis(analysis.exactCount, nearest);
    if (m_recorder.searchKnown(analysis.exactCount,
                               nearest.empty() ? std::nullopt : std::optional(nearest.front())))
        storeRecord();
}

void GameFrm::checkedValue(int value) {
    if (m_recorder.checked(value)) {
        storeRecord();
        showRound();
    }
}

void GameFrm::storeRecord() {
    if (!m_recorder.finished() || !m_recorder.pending())
        return;
    HistoryStore& store = history();
    if (const std::optional<std::int64_t> id = store.save(m_recorder.record()))
        m_recorder.stored(*id);
    // Said after the handler that stored, once: the store gives its notice only once.
    const QString notice = store.takeNotice();
    if (!notice.isEmpty()) {
        QTimer::singleShot(0, this, [this, notice] {
            MsgBox(this, notice, tr("Round history"), MessageIcon::Warning);
        });
    }
}

HistoryStore& GameFrm::history() {
    if (!m_history)
        m_history = std::make_unique<HistoryStore>(m_services.historyFolder);
    return *m_history;
}

void GameFrm::cmdVarify_Click() {
    VarifyFrm checker(this);
    for (int i = 0; i < kSlotCount; ++i)
        checker.setNumberCaption(i, QString::number(m_round->deal().slot(i)));
    if (m_round->target())
        checker.appendTargetText(QString::number(*m_round->target()));
    if (m_analysis)
        checker.setRoundAnalysis(m_analysis->exactCount, nearestValues(*m_analysis));
    connect(&checker, &VarifyFrm::checked, this, &GameFrm::checkedValue);
    m_checker = &checker;
    checker.exec();
    m_checker = nullptr;
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
    startRecord(true);
    finishRound(0);
    runSearch(*ticket);
}

void GameFrm::mnuHistory_Click() {
    HistoryFrm window(history(), this);
    window.exec();
}

void GameFrm::mnuAbout_Click() {
    AboutFrm about(this);
    about.exec();
}

void GameFrm::mnuExit_Click() {
    close();
}

void GameFrm::closeEvent(QCloseEvent* event) {
    // Stops the music, the clock, the target roll and any search; the search's thread ends.
    m_round->close();
    m_rollTimer->stop();
    Timer1->stop();
    m_services.sound->stop();
    m_solverHost->shutDown();
    m_analyst->shutDown();
    event->accept();
}
