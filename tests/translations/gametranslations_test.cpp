#include "gametranslations.h"
#include "windowsolverhost.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace {

TEST(GameLanguage, TakesThePlayersFirstLanguageThatTheGameSpeaks) {
    struct Row {
        const char* name;
        QStringList uiLanguages;
        const char* language;
    };
    const Row rows[] = {
        {"German", {"de-DE"}, "de"},
        {"GermanOfAustria", {"de-AT", "en-GB"}, "de"},
        {"EnglishBeforeGerman", {"en-US", "de-DE"}, "en"},
        {"UntranslatedThenGerman", {"fr-FR", "de-CH"}, "de"},
        {"NothingTranslated", {"fr-FR", "it-IT"}, "en"},
        {"CLocale", {"C"}, "en"},
        {"NoneGiven", {}, "en"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GameLanguage(row.uiLanguages), QLatin1String(row.language)) << row.name;
}

// The report's lines take German plural forms.
TEST(GameTranslations, GermanTranslatesTheReportUntilItGoes) {
    const SearchProgress one{SearchProgress::Stage::Finished, 1, 1};
    {
        const GameTranslations german(QStringLiteral("de"));
        ASSERT_TRUE(german.installed());
        EXPECT_EQ(WindowSolverHost::progressText(one),
                  QStringLiteral("1 Kombination durchsucht:\n1 Lösung gefunden."));
        EXPECT_EQ(WindowSolverHost::progressText({SearchProgress::Stage::Finished, 610200, 8}),
                  QStringLiteral("610200 Kombinationen durchsucht:\n8 Lösungen gefunden."));
    }
    EXPECT_EQ(WindowSolverHost::progressText(one),
              QStringLiteral("Searched 1 combinations: \n1 answers found."));
}

TEST(GameTranslations, QtsOwnButtonsFollowTheGame) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    const GameTranslations german(QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

} // namespace
