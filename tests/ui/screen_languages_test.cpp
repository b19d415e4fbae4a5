#include <QtQml/qqmlextensionplugin.h>

#include <QDir>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>
#include <functional>
#include <memory>

#include "popup_test_bench.h"
#include "quick_items.h"
#include "settings_test_bench.h"
#include "text_layout_check.h"
#include "ui/translations.h"

Q_IMPORT_QML_PLUGIN(Korrelang_UiPlugin)
Q_IMPORT_QML_PLUGIN(Korrelang_ComponentsPlugin)

namespace korrelang::ui {

/// Every screen in the user's languages: long German words, Cyrillic, right-to-left Hebrew, at
/// the scale the test runs with (QT_SCALE_FACTOR). The pictures are kept for review.
class ScreenLanguagesTest : public QObject {
    Q_OBJECT

private:
    struct Screen {
        SettingsTestBench settingsBench{SettingsTestBench::Options{4, {}, {}}};
        PopupTestBench popupBench;
        QQuickView view;
    };

    enum class Kind {
        Dashboard,
        DashboardHint,
        Preferences,
        PreferencesLanguages,
        About,
        Feedback,
        FeedbackSent,
        Onboarding
    };

    static QQuickItem* find(QQuickItem* under, const QString& name) {
        return QuickItems::find(under, name);
    }

    static bool load(Screen& screen, const QString& file, const char* property, QObject* model) {
        return QuickItems::show(screen.view, file, QString::fromUtf8(property), model) != nullptr;
    }

    static std::unique_ptr<Screen> build(Kind kind) {
        auto screen = std::make_unique<Screen>();
        PopupTestBench& popup = screen->popupBench;
        SettingsTestBench& bench = screen->settingsBench;
        switch (kind) {
            case Kind::Dashboard:
                popup.viewModel().setShortcutText(QStringLiteral("Ctrl+Shift+Space"));
                popup.addConversions(QStringLiteral("English"), QStringLiteral("Russian"), 1240, 30,
                                     0);
                popup.addConversions(QStringLiteral("Russian"), QStringLiteral("English"), 12, 40,
                                     1);
                popup.addConversions(QStringLiteral("English"), QStringLiteral("Hebrew"), 3, 20, 2);
                popup.addConversions(QStringLiteral("English"), QStringLiteral("Russian"), 800, 30,
                                     9);
                popup.setTrusted(false);
                return load(*screen, QStringLiteral("MenuPopupView.qml"), "viewModel",
                            popup.viewModelObject())
                           ? std::move(screen)
                           : nullptr;
            case Kind::DashboardHint:
                popup.viewModel().setShortcutText(QStringLiteral("Ctrl+Shift+Space"));
                return load(*screen, QStringLiteral("MenuPopupView.qml"), "viewModel",
                            popup.viewModelObject())
                           ? std::move(screen)
                           : nullptr;
            case Kind::Onboarding:
                return load(*screen, QStringLiteral("FirstLaunchView.qml"), "viewModel",
                            bench.firstLaunchObject())
                           ? std::move(screen)
                           : nullptr;
            default:
                break;
        }
        // The settings window: untrusted, so that both permission warnings show.
        bench.setTrusted(false);
        bench.setFrontmost(QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"));
        bench.settings().setBlacklistedApps({QStringLiteral("xterm")});
        const int tab = kind == Kind::About ? SettingsWindowModel::About
                        : kind == Kind::Feedback || kind == Kind::FeedbackSent
                            ? SettingsWindowModel::Feedback
                            : SettingsWindowModel::Settings;
        bench.model().setSelectedTab(tab);
        if (!load(*screen, QStringLiteral("SettingsContainerView.qml"), "model",
                  bench.modelObject())) {
            return nullptr;
        }
        QQuickItem* root = screen->view.rootObject();
        auto* content = find(root, QStringLiteral("content"));
        QQuickItem* tabItem = content ? content->property("item").value<QQuickItem*>() : nullptr;
        if (!tabItem) {
            return nullptr;
        }
        if (kind == Kind::About) {
            tabItem->setProperty("isPrivacyExpanded", true);
            tabItem->setProperty("isUninstallExpanded", true);
        } else if (kind == Kind::PreferencesLanguages) {
            find(tabItem, QStringLiteral("languageSection"))->setProperty("isOpen", true);
            bench.shortcuts().storeShortcut(std::nullopt, shortcuts::Name::toggleConversion());
            QTest::qWait(20);  // the list's height reaches the scroll area
            // Down to the language list.
            auto* scroll = find(tabItem, QStringLiteral("languageSection"))->parentItem();
            while (scroll && !scroll->inherits("QQuickFlickable")) {
                scroll = scroll->parentItem();
            }
            if (scroll) {
                scroll->setProperty("contentY",
                                    scroll->property("contentHeight").toReal() - scroll->height());
            }
        } else if (kind == Kind::FeedbackSent) {
            bench.feedback().setShowSuccess(true);
        }
        return screen;
    }

    static QString name(Kind kind) {
        switch (kind) {
            case Kind::Dashboard:
                return QStringLiteral("dashboard");
            case Kind::DashboardHint:
                return QStringLiteral("dashboard-hint");
            case Kind::Preferences:
                return QStringLiteral("preferences");
            case Kind::PreferencesLanguages:
                return QStringLiteral("preferences-languages");
            case Kind::About:
                return QStringLiteral("about");
            case Kind::Feedback:
                return QStringLiteral("feedback");
            case Kind::FeedbackSent:
                return QStringLiteral("feedback-sent");
            case Kind::Onboarding:
                return QStringLiteral("onboarding");
        }
        return {};
    }

private slots:
    void everyScreenReadsWell_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("kind");
        for (const QString& language : Translations::languages()) {
            for (int kind = 0; kind <= static_cast<int>(Kind::Onboarding); ++kind) {
                const QString row = language + QLatin1Char('/') + name(static_cast<Kind>(kind));
                QTest::newRow(qPrintable(row)) << language << kind;
            }
        }
    }

    void everyScreenReadsWell() {
        QFETCH(QString, language);
        QFETCH(int, kind);
        Translations translations;
        QVERIFY(translations.apply(language));
        auto screen = build(static_cast<Kind>(kind));
        QVERIFY(screen);
        // Let bindings, loaders and the scroll settle before the picture.
        QTest::qWait(50);
        const QImage image = screen->view.grabWindow();
        const QString dir = qEnvironmentVariable("KORRELANG_SCREENS_DIR");
        if (!dir.isEmpty()) {
            const QString path = QStringLiteral("%1/%2/%3x")
                                     .arg(dir, language)
                                     .arg(qRound(screen->view.devicePixelRatio()));
            QDir().mkpath(path);
            QVERIFY(image.save(path + QLatin1Char('/') + name(static_cast<Kind>(kind)) +
                               QStringLiteral(".png")));
        }
        QQuickItem* root = screen->view.rootObject();
        QQuickItem* scope = root;
        if (static_cast<Kind>(kind) == Kind::FeedbackSent) {
            // The alert covers the form: only its own texts are read.
            scope = find(root, QStringLiteral("successAlert"));
            QVERIFY(scope && scope->isVisible());
        }
        const QStringList problems =
            TextLayoutCheck::problems(scope, QRectF(QPointF(0, 0), QSizeF(screen->view.size())));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void rightToLeftMirrorsTheLayout() {
        Translations translations;
        translations.apply(QStringLiteral("he"));
        auto screen = build(Kind::Preferences);
        QVERIFY(screen);
        QQuickItem* root = screen->view.rootObject();
        const qreal width = screen->view.width();
        // The sidebar moves to the right edge, the keyboards to the right column.
        QQuickItem* sidebar = find(root, QStringLiteral("sidebar"));
        QVERIFY(sidebar->mapToScene(QPointF(0, 0)).x() > width / 2);
        QQuickItem* keyboards = find(root, QStringLiteral("keyboardsSection"));
        QQuickItem* advanced = find(root, QStringLiteral("advancedSection"));
        QVERIFY(keyboards->mapToScene(QPointF(0, 0)).x() > advanced->mapToScene(QPointF(0, 0)).x());
        // A keyboard's switch sits at the leading (left) edge of its row, the name right of it.
        QQuickItem* toggle = find(root, QStringLiteral("keyboardToggle"));
        QQuickItem* knob = find(toggle, QStringLiteral("switch"));
        QVERIFY(knob->mapToScene(QPointF(0, 0)).x() < toggle->mapToScene(QPointF(0, 0)).x() + 40);

        translations.apply(QStringLiteral("en"));
        QTRY_VERIFY(sidebar->mapToScene(QPointF(0, 0)).x() < width / 2);
    }

    // The language chosen in the preferences reaches the open window without a restart, and
    // "System default" goes back to the desktop's language.
    void choiceAppliesAtOnce() {
        const QByteArray savedLanguage = qgetenv("LANGUAGE");
        const QByteArray savedLang = qgetenv("LANG");
        qputenv("LANGUAGE", "de");
        qputenv("LANG", "de_DE.UTF-8");
        Translations translations;
        auto screen = build(Kind::Preferences);
        QVERIFY(screen);
        settings::Settings& settings = screen->settingsBench.settings();
        connect(&settings, &settings::Settings::languageChanged, &translations,
                [&] { translations.apply(settings.language()); });
        translations.apply(settings.language());
        QQuickItem* root = screen->view.rootObject();
        // The sidebar's items are made again for the new words: looked up each time.
        const auto title = [&] {
            return find(find(root, QStringLiteral("sidebarItem0")), QStringLiteral("title"))
                ->property("text")
                .toString();
        };
        QCOMPARE(title(), QStringLiteral("Einstellungen"));

        // The way the list does it: the setting, stored and applied.
        QQuickItem* section = find(root, QStringLiteral("languageSection"));
        section->setProperty("isOpen", true);
        QList<QQuickItem*> choices;
        std::function<void(QQuickItem*)> collect = [&](QQuickItem* item) {
            for (QQuickItem* child : item->childItems()) {
                if (child->objectName() == u"languageChoice") {
                    choices.append(child);
                }
                collect(child);
            }
        };
        collect(section);
        QCOMPARE(choices.size(), Translations::languages().size() + 1);
        settings.setLanguage(choices[2]->property("code").toString());
        QCOMPARE(settings.language(), QStringLiteral("ru"));
        QCOMPARE(screen->settingsBench.storedValue(QStringLiteral("language")).toString(),
                 QStringLiteral("ru"));
        QCOMPARE(title(), QStringLiteral("Настройки"));
        QCOMPARE(find(root, QStringLiteral("languageName"))->property("text").toString(),
                 QStringLiteral("Русский"));

        settings.setLanguage(QString());
        QCOMPARE(title(), QStringLiteral("Einstellungen"));
        QCOMPARE(find(root, QStringLiteral("languageName"))->property("text").toString(),
                 QStringLiteral("Systemstandard"));
        qputenv("LANGUAGE", savedLanguage);
        qputenv("LANG", savedLang);
    }
};

}  // namespace korrelang::ui

QTEST_MAIN(korrelang::ui::ScreenLanguagesTest)
#include "screen_languages_test.moc"
