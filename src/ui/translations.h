#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTranslator;

namespace korrelang::ui {

/// The language of every screen, dialog and alert: the user's choice, else the first of the
/// desktop's languages that Korrelang speaks, else English. Applying a language installs its
/// translator, makes it the default locale for numbers, sets the layout direction and
/// retranslates the open screens at once, so nothing needs a restart.
class Translations : public QObject {
    Q_OBJECT

public:
    explicit Translations(QObject* parent = nullptr);
    ~Translations() override;

    /// The languages the screens speak, English (the source) first.
    static const QStringList& languages();
    /// The language's name in itself ("Deutsch", "עברית"); empty for a code that is not ours.
    static QString nativeName(const QString& code);
    static bool isRightToLeft(const QString& code);
    /// The language to show: `choice` when it is one of ours; else the first of
    /// `desktopLanguages` (most wanted first, "de-AT", "de_AT" or "de") that is one of ours; else
    /// English. A desktop language we do not speak is skipped, not taken as English, so that
    /// LANGUAGE=eo:de still gives German.
    static QString resolve(const QString& choice, const QStringList& desktopLanguages);
    /// The desktop's languages in order of preference: LANGUAGE, then LC_ALL, LC_MESSAGES and
    /// LANG, the way gettext reads them ("C" and "POSIX" stand for no language).
    static QStringList desktopLanguages();

    /// Shows everything in `choice` ("" follows the desktop). A translation that cannot be
    /// loaded leaves the screens in English and returns false (logged).
    bool apply(const QString& choice);
    /// The language shown now.
    QString current() const { return m_current; }
    /// Runs `react` after every change of the application's language, while `owner` lives.
    static void whenChanged(QObject* owner, std::function<void()> react);

signals:
    void languageChanged();

private:
    /// Re-reads every translated text of the open screens; bindings that format numbers or read
    /// texts worded in C++ depend on Qt.uiLanguage and are re-read too.
    static void retranslateScreens(const QString& language);

    std::unique_ptr<QTranslator> m_translator;
    QString m_current = QStringLiteral("en");
};

}  // namespace korrelang::ui
