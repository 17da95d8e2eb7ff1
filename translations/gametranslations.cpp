#include "gametranslations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// Compiled in by qt_add_translations.
QString gameFile(const QString& language) {
    return QStringLiteral(":/i18n/tallyrun_%1.qm").arg(language);
}

} // namespace

QString GameLanguage(const QStringList& uiLanguages) {
    const QString english = QStringLiteral("en");
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return english;
        const QString code = QLocale::languageToCode(language);
        if (language != QLocale::C && QFile::exists(gameFile(code)))
            return code;
    }
    return english;
}

GameTranslations::GameTranslations(const QString& language) {
    if (language == QLatin1String("en"))
        return;
    m_installed = m_game.load(gameFile(language)) && QCoreApplication::installTranslator(&m_game);
    // Qt's own catalogue may be missing (no translations package): its dialogs stay English.
    if (m_installed && m_qt.load(QStringLiteral("qtbase_") + language,
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}
