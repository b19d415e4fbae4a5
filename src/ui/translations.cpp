#include "translations.h"

#include <QGuiApplication>
#include <QLocale>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QTranslator>
#include <array>

#include "platform/log.h"
#include "ui/components/font_weights.h"

namespace korrelang::ui {

namespace {

struct Language {
    const char* code;
    const char* nativeName;
    bool rightToLeft;
    const char* letters;  // what the fonts must draw for the screens to read well
};

constexpr std::array<Language, 7> kLanguages{{
    {"en", "English", false, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
    {"ru", "Русский", false, "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
    {"uk", "Українська", false,
     "АБВГҐДЕЄЖЗИІЇЙКЛМНОПРСТУФХЦЧШЩЬЮЯабвгґдеєжзиіїйклмнопрстуфхцчшщьюя’"},
    {"de", "Deutsch", false, "ÄÖÜäöüß„“–"},
    {"fr", "Français", false, "ÀÂÇÉÈÊËÎÏÔÛÙÜŸàâçéèêëîïôûùüÿœ«»’"},
    {"es", "Español", false, "ÁÉÍÑÓÚÜáéíñóúü¿¡«»"},
    {"he", "עברית", true, "אבגדהוזחטיכךלמםנןסעפףצץקרשת״־"},
}};

const Language* find(const QString& code) {
    for (const Language& language : kLanguages) {
        if (code == QLatin1String(language.code)) {
            return &language;
        }
    }
    return nullptr;
}

// "de_AT.UTF-8@euro", "de-AT" and "de" all name German; "iw" is Hebrew's old code.
QString languagePart(const QString& name) {
    QString code = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return code == u"iw" ? QStringLiteral("he") : code;
}

// Hears the application's language change for its owner, whose child it is.
class LanguageWatcher final : public QObject {
public:
    LanguageWatcher(QObject* owner, std::function<void()> react)
        : QObject(owner), m_react(std::move(react)) {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            application->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) {
            m_react();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_react;
};

}  // namespace

Translations::Translations(QObject* parent) : QObject(parent) {}

void Translations::whenChanged(QObject* owner, std::function<void()> react) {
    new LanguageWatcher(owner, std::move(react));
}

Translations::~Translations() {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
}

const QStringList& Translations::languages() {
    static const QStringList codes = [] {
        QStringList list;
        for (const Language& language : kLanguages) {
            list.append(QLatin1String(language.code));
        }
        return list;
    }();
    return codes;
}

QString Translations::nativeName(const QString& code) {
    const Language* language = find(code);
    return language ? QString::fromUtf8(language->nativeName) : QString();
}

bool Translations::isRightToLeft(const QString& code) {
    const Language* language = find(code);
    return language && language->rightToLeft;
}

QString Translations::resolve(const QString& choice, const QStringList& desktopLanguages) {
    if (find(choice)) {
        return choice;
    }
    for (const QString& name : desktopLanguages) {
        const QString code = languagePart(name);
        if (find(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

QStringList Translations::desktopLanguages() {
    QStringList names;
    // LANGUAGE is a preference list, honoured only when a locale is set at all.
    const QString locale =
        qEnvironmentVariable("LC_ALL").isEmpty()
            ? (qEnvironmentVariable("LC_MESSAGES").isEmpty() ? qEnvironmentVariable("LANG")
                                                             : qEnvironmentVariable("LC_MESSAGES"))
            : qEnvironmentVariable("LC_ALL");
    const bool noLocale =
        locale.isEmpty() || locale == u"C" || locale.startsWith(u"C.") || locale == u"POSIX";
    if (!noLocale) {
        names.append(qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts));
        names.append(locale);
    }
    return names;
}

bool Translations::apply(const QString& choice) {
    if (!choice.isEmpty() && !find(choice)) {
        platform::logLine("⚠️ Unknown language \"" + choice.toStdString() +
                          "\" in the settings; following the desktop");
    }
    const QString code = resolve(choice, desktopLanguages());
    // English is the source language; its file holds only the plural forms.
    auto translator = std::make_unique<QTranslator>();
    const bool loaded = translator->load(QStringLiteral(":/i18n/korrelang_") + code);
    if (!loaded) {
        platform::logLine("❌ Translation \"" + code.toStdString() + "\" could not be loaded");
        translator.reset();
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
    m_translator = std::move(translator);
    if (m_translator) {
        QCoreApplication::installTranslator(m_translator.get());
    }
    const QString shown = loaded ? code : QStringLiteral("en");

    // Numbers follow the desktop's regional formats unless the user picked another language.
    QLocale::setDefault(find(choice) ? QLocale(shown) : QLocale::system());
    QGuiApplication::setLayoutDirection(isRightToLeft(shown) ? Qt::RightToLeft : Qt::LeftToRight);
    const bool changed = shown != m_current;
    m_current = shown;
    FontWeights::setSampleText(QString::fromUtf8(find(shown)->letters));
    // Whoever words texts in C++ hears of it once everything above is in place.
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &languageChange);
    retranslateScreens(shown);
    if (changed) {
        platform::logLine("🌐 Language: " + shown.toStdString());
        emit languageChanged();
    }
    return loaded;
}

void Translations::retranslateScreens(const QString& language) {
    // Every window's screen, whichever engine it was built with.
    QSet<QQmlEngine*> engines;
    for (QWindow* window : QGuiApplication::allWindows()) {
        auto* quick = qobject_cast<QQuickWindow*>(window);
        if (!quick) {
            continue;
        }
        for (QQuickItem* item : quick->contentItem()->childItems()) {
            if (QQmlEngine* engine = qmlEngine(item)) {
                engines.insert(engine);
            }
        }
    }
    for (QQmlEngine* engine : engines) {
        engine->setUiLanguage(language);
        engine->retranslate();
    }
}

}  // namespace korrelang::ui
