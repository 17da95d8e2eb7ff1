// Makes the README's pictures: picking, a round in play, the solver's answers, the checker (also
// with a missed value), a round without an answer and its nearest values, the clock, the manual
// set-up, the about window, the settings dialog and the history window.
// Usage: tallyrun_screenshots [OUT_DIR [NAME...]] (default docs/screenshots, every picture); it
// needs a display, or QT_QPA_PLATFORM=offscreen. On a screen of more than one device pixel per
// pixel (QT_SCALE_FACTOR=2, say) the pictures have the screen's resolution and their names end
// in its percentage ("round-200"); off screen the screen then keeps its size in pixels.
#include "aboutfrm.h"
#include "bkcprog.h"
#include "buttonex.h"
#include "gamefrm.h"
#include "gametranslations.h"
#include "historyfrm.h"
#include "historystore.h"
#include "lighttab.h"
#include "manualfrm.h"
#include "points.h"
#include "roundclock.h"
#include "settingfrm.h"
#include "varifyfrm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <tuple>

namespace {

class Silence final : public SoundSink {
public:
    void load(const QString&) override {}
    void play() override {}
    void stop() override {}
};

QString g_out;
QString g_history;    // the windows' round history, kept apart from the player's
QString g_suffix;     // "-200" at two device pixels per pixel
QStringList g_wanted; // empty: every picture

void save(QWidget* widget, const char* name) {
    QCoreApplication::processEvents();
    if (!g_wanted.isEmpty() && !g_wanted.contains(QLatin1String(name)))
        return;
    const QString path =
        g_out + QLatin1Char('/') + QLatin1String(name) + g_suffix + QStringLiteral(".png");
    if (!widget->grab().save(path))
        std::fprintf(stderr, "tallyrun_screenshots: cannot write %s\n", qPrintable(path));
}

// Always the first number left in a pool: the deal is 1..10, 1..10, 25, 50, 75, 100 and the
// target the lowest allowed.
class FirstInPool final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0.0f; }
};

std::unique_ptr<GameFrm> openWindow(GameSettings& settings, const SettingsStore& store,
                                    std::unique_ptr<RandomSource> random) {
    GameFrm::Services services;
    services.settings = &settings;
    services.store = &store;
    services.sound = std::make_unique<Silence>();
    services.random = std::move(random);
    services.rollStepMs = 0;
    services.historyFolder = g_history;
    auto window = std::make_unique<GameFrm>(std::move(services));
    window->show();
    QCoreApplication::processEvents();
    return window;
}

template <typename Button> void click(Button* button) {
    button->click();
    QCoreApplication::processEvents();
}

// Clicks, then waits until the target has rolled and the search has returned.
void click(GameFrm& window, const QString& name) {
    if (auto* button = window.findChild<ButtonEx*>(name))
        click(button);
    else
        click(window.findChild<QPushButton*>(name));
    using Phase = RoundFlow::Phase;
    for (;;) {
        const Phase phase = window.round().phase();
        if (phase != Phase::Rolling && phase != Phase::Searching && phase != Phase::Stopping)
            break;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents();
}

void mouse(QWidget* widget, QEvent::Type type) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QCoreApplication::processEvents();
}

void pick(GameFrm& window, std::initializer_list<int> buttons) {
    for (int i : buttons)
        click(window, QStringLiteral("btnPick_%1").arg(i));
}

// A round of the deal 1..10, 1..10, 25, 50, 75, 100 at 1024 x 700, stopped once the target
// stands: the checker with `keys` pressed (a missed value shows, once the round's quiet search
// is known, how near the numbers come), then the solver's list.
void playChecked(GameSettings& settings, const SettingsStore& store,
                 std::initializer_list<int> picks, std::vector<int> keys,
                 const char* checkerPicture, const char* windowPicture) {
    auto window = openWindow(settings, store, std::make_unique<FirstInPool>());
    window->resize(1024, 700);
    pick(*window, picks);
    click(*window, QStringLiteral("Command1"));
    click(*window, QStringLiteral("Command1")); // STOP
    QTimer::singleShot(0, [keys, checkerPicture] {
        auto* checker = qobject_cast<VarifyFrm*>(QApplication::activeModalWidget());
        if (!checker)
            return;
        for (int key : keys)
            checker->btn1()[static_cast<std::size_t>(key)]->click();
        const QLabel* distance = checker->lbDistance();
        const QDeadlineTimer deadline(5000);
        while (distance->isVisible() && !distance->text().contains(QLatin1Char(';')) &&
               !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        save(checker, checkerPicture);
        checker->close();
    });
    click(*window, QStringLiteral("cmdVarify"));
    click(*window, QStringLiteral("cmdAnswer"));
    save(window.get(), windowPicture);
}

// Six weeks of a player who gets better: about six rounds an evening, the distances shrinking.
void playSixWeeks(HistoryStore& store) {
    SeededRandom random(11);
    const auto below = [&](int n) {
        return static_cast<int>(random.next() * static_cast<float>(n));
    };
    const std::int64_t firstEvening = 1711990800; // 2024-04-01 17:00 UTC
    for (int day = 0; day < 42; ++day) {
        for (int round = 0, rounds = 3 + below(6); round < rounds; ++round) {
            RoundRecord r;
            r.playedAt = firstEvening + day * 86400 + round * 150 + below(60);
            r.utcOffset = 7200;
            r.numbers = {100, 75, 1 + below(10), 1 + below(10), 1 + below(10), 1 + below(10)};
            std::sort(r.numbers.begin(), r.numbers.end(), std::greater<>());
            r.target = 101 + below(899);
            r.roundSeconds = 45;
            r.secondsUsed = 20 + below(26);
            r.manual = below(25) == 0;
            if (!r.manual && below(10) > 0) {
                const int distance = below(std::max(2, 16 - day / 3));
                r.best = r.target + (below(2) ? distance : -distance);
                r.distance = distance;
                r.points = RoundPoints(distance);
            }
            r.exactCount = below(3) == 0 ? 0 : 1 + below(40);
            r.nearest = *r.exactCount > 0 ? r.target : r.target - 1 - below(3);
            store.save(r);
        }
    }
}

// The offscreen screen is 800 x 800 device pixels; under QT_SCALE_FACTOR it gets as many
// pixels as at 100 %, so that windows bounded by the screen keep their size. Before the
// application object exists.
void keepOffscreenSize(const QTemporaryDir& dir) {
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen") || !(scale > 0) ||
        scale == 1.0)
        return;
    const int side = qRound(800 * scale);
    const QJsonObject screen{{"name", ""},           {"x", 0},         {"y", 0},
                             {"width", side},        {"height", side}, {"logicalDpi", 96},
                             {"logicalBaseDpi", 96}, {"dpr", 1}};
    const QJsonObject config{{"synchronousWindowSystemEvents", false},
                             {"windowFrameMargins", true},
                             {"screens", QJsonArray{screen}}};
    QFile file(dir.filePath(QStringLiteral("offscreen.json")));
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(config).toJson()) > 0) {
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
    }
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    keepOffscreenSize(dir);
    QApplication app(argc, argv);
    // In the system's language, as the game speaks it (LANGUAGE=de for the German windows).
    const GameTranslations translations(GameLanguage(QLocale::system().uiLanguages()));
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    for (int i = 2; i < argc; ++i)
        g_wanted += QString::fromLocal8Bit(argv[i]);
    const int percent = qRound(app.devicePixelRatio() * 100);
    if (percent != 100)
        g_suffix = QStringLiteral("-%1").arg(percent);
    QDir().mkpath(g_out);

    const SettingsStore store(dir.path());
    store.CreateSettingsKey(SettingsKeyPath);
    store.PutSettingValue(SettingsKeyPath, QStringLiteral("ShowSeconds"), std::int32_t{1},
                          SettingsStore::DWord);
    GameSettings settings;
    g_history = dir.filePath(QStringLiteral("game-history"));

    // Picking: three numbers in their slots and a face-down button held down.
    {
        auto window = openWindow(settings, store, std::make_unique<SeededRandom>(7));
        pick(*window, {0, 14, 4});
        auto* held = window->findChild<ButtonEx*>(QStringLiteral("btnPick_7"));
        mouse(held, QEvent::MouseMove);
        mouse(held, QEvent::MouseButtonPress);
        save(window.get(), "picking");
        mouse(held, QEvent::MouseButtonRelease);
    }

    // A round in play: six numbers, the target and the clock at 15 seconds.
    {
        auto window = openWindow(settings, store, std::make_unique<SeededRandom>(7));
        pick(*window, {20, 22, 3, 7, 12, 16});
        click(*window, QStringLiteral("Command1"));
        for (int i = 0; i < 15; ++i)
            window->Timer1_Timer();
        save(window.get(), "round");
    }

    // The round clock alone, at 15 with its seconds shown and at a full minute without.
    for (const auto& [value, showSeconds, name] :
         {std::tuple{15, true, "clock-15-seconds"}, std::tuple{60, false, "clock-60"}}) {
        bkCProg clock;
        clock.ReadProperties(roundClockDesign());
        clock.resize(284, 280);
        clock.setShowValue(showSeconds);
        clock.setValue(value);
        save(&clock, name);
    }

    // The solver's answers for 100 75 50 25 6 3 and the target 952, after the checker has
    // reached it: (75 x 3) x (100 + 6) - 50, divided by 25.
    settings.LowestTarget = settings.HighestTarget = 952;
    playChecked(settings, store, {23, 22, 21, 20, 5, 2},
                {1, 10, 5, 12, 10, 6, 0, 8, 4, 7, 12, 9, 2, 12, 11, 3, 12}, "checker", "answers");
    // A round without an answer, 100 75 25 6 3 2 and 851: the checker measures a missed value,
    // (6 + 2) x 100 = 800, + 75 = 875, - 25 = 850, and the solver lists the nearest values.
    settings.LowestTarget = settings.HighestTarget = 851;
    playChecked(settings, store, {23, 22, 20, 5, 2, 1},
                {6, 3, 8, 5, 7, 10, 0, 12, 8, 1, 12, 9, 2, 12}, "checker-distance", "nearest");

    // The manual set-up with 1, 1, 25, 50, 75 and 100 chosen and the target typed.
    {
        ManualFrm setup;
        setup.show();
        for (int i : {0, 10, 20, 21, 22, 23})
            setup.findChild<QAbstractButton*>(QStringLiteral("l1_%1").arg(i))->click();
        setup.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("626"));
        save(&setup, "manual-setup");
    }
    {
        AboutFrm about;
        about.show();
        save(&about, "about");
    }

    // The settings dialog's Timing page, opened from the main window: a 35-second round
    // previewed with its seconds shown.
    {
        store.PutSettingValue(SettingsKeyPath, QStringLiteral("TimeAllowed"), std::int32_t{1},
                              SettingsStore::DWord);
        auto window = openWindow(settings, store, std::make_unique<SeededRandom>(7));
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<SettingFrm*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<LightTab*>(QStringLiteral("LightTab1"))->setActiveTab(1);
            save(dialog, "settings-timing");
            dialog->reject();
        });
        window->findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
    }

    // The history window, at the size it takes on an 800 x 600 screen and on a larger one.
    {
        HistoryStore store(dir.filePath(QStringLiteral("data")));
        playSixWeeks(store);
        HistoryFrm history(store);
        history.show();
        for (const auto& [size, name] : {std::pair{QSize(760, 520), "history"},
                                         std::pair{QSize(1240, 720), "history-large"}}) {
            history.resize(size);
            save(&history, name);
        }
    }
    return 0;
}
