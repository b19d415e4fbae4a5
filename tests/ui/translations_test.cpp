#include "ui/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>

#include "platform/fake/fake_input_sources.h"
#include "shortcuts/shortcut.h"
#include "ui/popup_figures.h"
#include "ui/relative_time.h"

namespace korrelang::ui {
namespace {

TEST(Translations, ChoiceThenDesktopLanguagesThenEnglish) {
    struct Case {
        const char* choice;
        QStringList desktop;
        const char* shown;
    };
    const Case cases[] = {
        {"", {QStringLiteral("de_AT.UTF-8")}, "de"},
        {"", {QStringLiteral("eo"), QStringLiteral("de"), QStringLiteral("fr_FR.UTF-8")}, "de"},
        {"", {QStringLiteral("pt_BR"), QStringLiteral("en_GB.UTF-8")}, "en"},
        {"", {QStringLiteral("pt_BR")}, "en"},
        {"", {}, "en"},
        {"", {QStringLiteral("iw_IL.UTF-8")}, "he"},
        {"", {QStringLiteral("uk-UA")}, "uk"},
        {"", {QStringLiteral("sr_RS@latin")}, "en"},
        {"ru", {QStringLiteral("de_DE.UTF-8")}, "ru"},
        {"xx", {QStringLiteral("es_ES.UTF-8")}, "es"},  // an unknown stored choice
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Translations::resolve(QString::fromLatin1(c.choice), c.desktop),
                  QLatin1String(c.shown))
            << c.choice << " " << c.desktop.join(':').toStdString();
    }
}

TEST(Translations, DesktopLanguagesReadLikeGettext) {
    struct Case {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        QStringList expected;
    };
    const Case cases[] = {
        {"", "", "", "ru_RU.UTF-8", {QStringLiteral("ru_RU.UTF-8")}},
        {"he:de",
         "",
         "",
         "ru_RU.UTF-8",
         {QStringLiteral("he"), QStringLiteral("de"), QStringLiteral("ru_RU.UTF-8")}},
        {"", "fr_FR.UTF-8", "de_DE.UTF-8", "ru_RU.UTF-8", {QStringLiteral("fr_FR.UTF-8")}},
        {"", "", "de_DE.UTF-8", "ru_RU.UTF-8", {QStringLiteral("de_DE.UTF-8")}},
        // Without a locale gettext ignores LANGUAGE.
        {"de", "", "", "C.UTF-8", {}},
        {"de", "", "", "", {}},
    };
    const QByteArray saved[] = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"),
                                qgetenv("LANG")};
    for (const Case& c : cases) {
        qputenv("LANGUAGE", c.language);
        qputenv("LC_ALL", c.lcAll);
        qputenv("LC_MESSAGES", c.lcMessages);
        qputenv("LANG", c.lang);
        EXPECT_EQ(Translations::desktopLanguages(), c.expected) << c.language << " " << c.lang;
    }
    qputenv("LANGUAGE", saved[0]);
    qputenv("LC_ALL", saved[1]);
    qputenv("LC_MESSAGES", saved[2]);
    qputenv("LANG", saved[3]);
}

TEST(Translations, EveryLanguageLoadsAndSetsItsDirection) {
    Translations translations;
    for (const QString& code : Translations::languages()) {
        EXPECT_TRUE(translations.apply(code)) << code.toStdString();
        EXPECT_EQ(translations.current(), code);
        EXPECT_EQ(QGuiApplication::layoutDirection(),
                  code == u"he" ? Qt::RightToLeft : Qt::LeftToRight)
            << code.toStdString();
        EXPECT_FALSE(Translations::nativeName(code).isEmpty());
    }
    EXPECT_EQ(QCoreApplication::translate("PreferencesContentView", "LANGUAGE"),
              QStringLiteral("שפה"));
    translations.apply(QStringLiteral("en"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(QCoreApplication::translate("PreferencesContentView", "LANGUAGE"),
              QStringLiteral("LANGUAGE"));
}

// Plural forms come from the translations, English's own included: Slavic languages have three.
TEST(Translations, RelativeTimeInEachLanguagesPluralForms) {
    const QDateTime now =
        QDateTime::fromString(QStringLiteral("2026-12-06T12:00:00Z"), Qt::ISODate);
    struct Case {
        const char* language;
        qint64 secondsAgo;
        const char* words;
    };
    const Case cases[] = {
        {"en", 0, "0 seconds ago"},
        {"en", 1, "1 second ago"},
        {"en", 59, "59 seconds ago"},
        {"en", 300, "5 minutes ago"},
        {"en", 3600, "1 hour ago"},
        {"en", 2 * 86400, "2 days ago"},
        {"en", -120, "in 2 minutes"},
        {"ru", 60, "1 минуту назад"},
        {"ru", 3 * 60, "3 минуты назад"},
        {"ru", 5 * 60, "5 минут назад"},
        {"ru", 11 * 60, "11 минут назад"},
        {"ru", 21 * 60, "21 минуту назад"},
        {"ru", 22 * 3600, "22 часа назад"},
        {"ru", -2 * 86400, "через 2 дня"},
        {"uk", 21 * 60, "21 хвилину тому"},
        {"uk", 24 * 60, "24 хвилини тому"},
        {"uk", 25 * 60, "25 хвилин тому"},
        {"de", 60, "vor 1 Minute"},
        {"de", 2 * 86400, "vor 2 Tagen"},
        {"fr", 0, "il y a 0 seconde"},
        {"fr", 2 * 3600, "il y a 2 heures"},
        {"es", -3 * 86400, "dentro de 3 días"},
        {"he", 60, "לפני דקה"},
        {"he", 5 * 60, "לפני 5 דקות"},
    };
    Translations translations;
    for (const Case& c : cases) {
        translations.apply(QString::fromLatin1(c.language));
        EXPECT_EQ(RelativeTime::describe(now.addSecs(-c.secondsAgo), now),
                  QString::fromUtf8(c.words))
            << c.language << " " << c.secondsAgo;
    }
    translations.apply(QStringLiteral("en"));
}

// Key names come from Qt's own words, translated by the program's translations.
TEST(Translations, ShortcutTextsInEachLanguage) {
    using platform::Modifier;
    const shortcuts::Shortcut shortcut{KEY_SPACE, Modifier::Control | Modifier::Shift};
    const shortcuts::Shortcut arrow{KEY_LEFT, Modifier::Super};
    struct Case {
        const char* language;
        const char* text;
        const char* arrowText;
    };
    const Case cases[] = {
        {"en", "Ctrl+Shift+Space", "Meta+Left"},   {"de", "Strg+Umschalt+Leertaste", "Meta+Links"},
        {"fr", "Ctrl+Maj+Espace", "Méta+Gauche"},  {"es", "Ctrl+Mayús+Espacio", "Meta+Izquierda"},
        {"ru", "Ctrl+Shift+Пробел", "Meta+Влево"}, {"uk", "Ctrl+Shift+Пробіл", "Meta+Ліворуч"},
        {"he", "Ctrl+Shift+רווח", "Meta+שמאלה"},
    };
    const platform::fake::FakeInputSources sources;
    Translations translations;
    for (const Case& c : cases) {
        translations.apply(QString::fromLatin1(c.language));
        EXPECT_EQ(shortcut.description(sources), c.text) << c.language;
        EXPECT_EQ(arrow.description(sources), c.arrowText) << c.language;
    }
    translations.apply(QStringLiteral("en"));
}

TEST(Translations, FiguresInTheLocalesNotation) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(PopupFigures::characterText(15260, german), QStringLiteral("15,3K"));
    EXPECT_EQ(PopupFigures::characterText(999, german), QStringLiteral("999"));
    EXPECT_EQ(PopupFigures::characterText(1250000, german), QStringLiteral("1250,0K"));
    EXPECT_EQ(PopupFigures::changeText(25, german), QStringLiteral("+25%"));
    EXPECT_EQ(PopupFigures::changeText(-1250, german), QStringLiteral("-1250%"));
}

}  // namespace
}  // namespace korrelang::ui
