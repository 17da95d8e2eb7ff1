#include "gamestart.h"

#include "displaycheck.h"
#include "gamefrm.h"
#include "gametranslations.h"
#include "programversion.h"
#include "resources.h"
#include "settingrules.h"
#include "settingsstore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstring>

namespace {

void setIdentity() {
    QCoreApplication::setApplicationName(QString::fromUtf8(tallyrun::kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tallyrun::kVersionText));
}

// --help and --version print and exit; Qt's own options (-platform, -style, ...) are taken by
// the application object before the parser sees the arguments.
void parseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("Main", "A numbers puzzle: reach a random target with six "
                                            "numbers and + - x / before the clock runs out."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

// The scalable drawing is sharp at every size and device pixel ratio; the rendered pictures
// serve where no SVG icon engine is installed.
QIcon appIcon() {
    const QIcon drawing(resources::AppIconScalablePath());
    if (!drawing.pixmap(QSize(32, 32)).isNull())
        return drawing;
    QIcon pictures;
    for (const QString& picture : resources::AppIconPaths())
        pictures.addFile(picture);
    return pictures;
}

bool namesPlatform(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace

int Main(int argc, char** argv, QObject* windowWatcher) {
    const DisplayProblem problem =
        namesPlatform(argc, argv) ? DisplayProblem::None : FindDisplayProblem();
    if (problem != DisplayProblem::None) {
        // Without a display only the options that print and exit can be served.
        const QCoreApplication app(argc, argv);
        setIdentity();
        const GameTranslations translations(GameLanguage(QLocale::system().uiLanguages()));
        parseCommandLine(app);
        std::fprintf(stderr, "%s\n",
                     qPrintable(DisplayProblemMessage(problem, QString::fromLocal8Bit(argv[0]))));
        return 1;
    }
    QApplication app(argc, argv);
    setIdentity();
    const GameTranslations translations(GameLanguage(QLocale::system().uiLanguages()));
    parseCommandLine(app);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tallyrun::kAppId));
    QApplication::setWindowIcon(appIcon());

    const SettingsStore store;
    GameSettings settings = LoadGameSettings(store);

    GameFrm::Services services;
    services.settings = &settings;
    services.store = &store;
    GameFrm window(std::move(services));
    if (windowWatcher)
        window.installEventFilter(windowWatcher);
    window.show();
    return QApplication::exec();
}
