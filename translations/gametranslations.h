#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the game speaks to a player who prefers `uiLanguages` (most preferred first, as
// QLocale::uiLanguages() lists them): the first that is English, the language the texts are
// written in, or that the game has a translation for; "en" when there is none.
QString GameLanguage(const QStringList& uiLanguages);

// The game's translation for a language and Qt's own for the same language (the standard
// buttons and dialogs), installed on the application for the object's lifetime (a translator
// takes itself off when it goes). English installs nothing. Needs the application object.
class GameTranslations {
public:
    explicit GameTranslations(const QString& language);

    // Whether the game's own translation was installed.
    bool installed() const { return m_installed; }

private:
    QTranslator m_game;
    QTranslator m_qt;
    bool m_installed = false;
};
