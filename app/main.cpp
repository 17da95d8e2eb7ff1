#include "displaycheck.h"
#include "gamefrm.h"
#include "gamesettings.h"
#include "settingsstore.h"

#include <QApplication>
#include <cstdio>

// Main: loads the settings (creating the store on the first run) and shows the main window.
int main(int argc, char** argv) {
    const QString problem = missingDisplayMessage(QString::fromLocal8Bit(argv[0]));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("The Tallyrun"));

    const SettingsStore store;
    GameSettings settings = LoadGameSettings(store);

    GameFrm::Services services;
    services.settings = &settings;
    services.store = &store;
    GameFrm window(std::move(services));
    window.show();
    return QApplication::exec();
}
