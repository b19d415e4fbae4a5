#include <QApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <algorithm>

#include "analytics/analytics_service.h"
#include "app/alert_texts.h"
#include "app/app_delegate.h"
#include "app/app_window.h"
#include "app/keyboard_sync.h"
#include "app/popup_placement.h"
#include "app/popup_window.h"
#include "app/press_alerts.h"
#include "app/status_item.h"
#include "platform/fake/fake_accessibility_text.h"
#include "platform/fake/fake_input_sources.h"
#include "platform/fake/fake_workspace.h"
#include "service/accessibility_service.h"
#include "settings/settings.h"
#include "support/log_capture.h"
#include "ui/menu_popup_view_model.h"
#include "ui/screen_services.h"
#include "ui/screen_windows.h"
#include "ui/translations.h"

namespace korrelang::app {

namespace {

keyboards::DetectedKeyboards installed(const QStringList& ids) {
    keyboards::DetectedKeyboards detected;
    for (const QString& id : ids) {
        const std::string name = id.section(QLatin1Char('.'), -1).toStdString();
        detected.keyboards.push_back({id.toStdString(), name, name});
    }
    return detected;
}

using korrelang::testing::LogCapture;

/// A shell over real settings in a temporary directory and the desktop faked behind the
/// platform interfaces; with `screens`, its windows get their real screens.
struct Shell {
    QTemporaryDir dir;
    platform::fake::FakeAccessibilityText accessibility;
    platform::fake::FakeInputSources inputSources;
    platform::fake::FakeWorkspace workspace;
    service::AccessibilityService service{accessibility, inputSources, workspace};
    settings::Settings settings{dir.filePath(QStringLiteral("Korrelang.conf"))};
    analytics::AnalyticsService analytics{false};
    const ui::ScreenServices screenServices{settings, inputSources, workspace, service, analytics};
    int hotkeyStarts = 0;
    int monitorStarts = 0;
    AppDelegate delegate;

    explicit Shell(bool screens = false) : delegate(services(screens)) {
        inputSources.sources = std::vector<platform::InputSource>{
            {"xkb.us.English", "English (US)"}, {"xkb.ru.Russian", "Russian"}};
    }

private:
    AppServices services(bool screens) {
        AppServices result{settings,
                           service,
                           inputSources,
                           analytics,
                           [this] { ++hotkeyStarts; },
                           [] { return QStringLiteral("Ctrl+Shift+Space"); },
                           [this] { ++monitorStarts; }};
        if (screens) {
            result.fillSettingsWindow = [this](QQmlEngine& engine, QQuickWindow& window,
                                               SettingsTab tab) {
                ui::ScreenWindows::fillSettingsWindow(engine, window, screenServices,
                                                      static_cast<int>(tab));
            };
        }
        return result;
    }
};

/// The QML engine that built the screen inside a settings or onboarding window.
QQmlEngine* screenEngineOf(QQuickWindow* window) {
    if (!window || window->contentItem()->childItems().isEmpty()) {
        return nullptr;
    }
    return qmlEngine(window->contentItem()->childItems().first());
}

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

private slots:
    void keyboardSync_data() {
        QTest::addColumn<QStringList>("installedIDs");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QVariant>("known");  // a QStringList, or invalid when never stored
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("written");

        const QStringList us_ru_he = {"x.English", "x.Russian", "x.Hebrew"};
        QTest::newRow("in sync") << us_ru_he << us_ru_he << QVariant(us_ru_he) << us_ru_he << false;
        QTest::newRow("user order kept, new keyboard appended")
            << us_ru_he << QStringList{"x.Russian", "x.English"}
            << QVariant(QStringList{"x.English", "x.Russian"})
            << QStringList{"x.Russian", "x.English", "x.Hebrew"} << true;
        QTest::newRow("switched off stays off")
            << us_ru_he << QStringList{"x.English", "x.Russian"} << QVariant(us_ru_he)
            << QStringList{"x.English", "x.Russian"} << false;
        QTest::newRow("uninstalled removed")
            << QStringList{"x.English", "x.Russian"}
            << QStringList{"x.Greek", "x.English", "x.Russian"}
            << QVariant(QStringList{"x.English", "x.Russian", "x.Greek"})
            << QStringList{"x.English", "x.Russian"} << true;
        QTest::newRow("first sync after onboarding adds nothing")
            << us_ru_he << QStringList{"x.Hebrew", "x.English"} << QVariant()
            << QStringList{"x.Hebrew", "x.English"} << false;
        QTest::newRow("several new ones in the detector's order")
            << QStringList{"x.German", "x.English", "x.French"} << QStringList{"x.English"}
            << QVariant(QStringList{"x.English"})
            << QStringList{"x.English", "x.German", "x.French"} << true;
    }

    void keyboardSync() {
        QFETCH(QStringList, installedIDs);
        QFETCH(QStringList, selected);
        QFETCH(QVariant, known);
        QFETCH(QStringList, expected);
        QFETCH(bool, written);
        const std::optional<QStringList> knownList =
            known.isValid() ? std::optional(known.toStringList()) : std::nullopt;
        const KeyboardSync::Outcome outcome =
            KeyboardSync::sync(installed(installedIDs), selected, knownList);
        QCOMPARE(outcome.selected, expected);
        QCOMPARE(outcome.selectionChanged, written);
        QCOMPARE(outcome.known, installedIDs);
    }

    void keyboardSyncIgnoresFallback() {
        keyboards::DetectedKeyboards fallback = installed({"x.English", "x.Hebrew"});
        fallback.isFallback = true;
        const KeyboardSync::Outcome outcome =
            KeyboardSync::sync(fallback, {"x.Russian"}, QStringList{"x.Russian"});
        QCOMPARE(outcome.selected, QStringList{"x.Russian"});
        QVERIFY(!outcome.selectionChanged);
        QVERIFY(!outcome.knownChanged);
    }

    void keyboardSyncLogLines() {
        const KeyboardSync::Outcome outcome =
            KeyboardSync::sync(installed({"x.English", "x.Russian"}), {"x.Greek", "x.English"},
                               QStringList{"x.English"});
        const std::vector<std::string> expected = {
            "⌨️ Auto-removed keyboard (no longer installed): x.Greek",
            "⌨️ Auto-added keyboard: Russian (x.Russian)",
            "⌨️ Selected keyboards now: [\"x.English\", \"x.Russian\"]"};
        QCOMPARE(outcome.logLines, expected);
        QCOMPARE(
            KeyboardSync::sync(installed({"x.English"}), {"x.English"}, QStringList{"x.English"})
                .logLines,
            std::vector<std::string>{"⌨️ All 1 keyboards in sync"});
    }

    void popupPlacement_data() {
        QTest::addColumn<QRect>("icon");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("under a top-panel icon")
            << QRect(600, 0, 24, 24) << QPoint(0, 0) << QPoint(611 - 170, 28);
        QTest::newRow("clamped at the right edge")
            << QRect(1260, 0, 20, 24) << QPoint(0, 0) << QPoint(1280 - 340, 28);
        QTest::newRow("above a bottom-panel icon")
            << QRect(100, 776, 24, 24) << QPoint(0, 0) << QPoint(0, 776 - 4 - 420);
        QTest::newRow("at the pointer without geometry")
            << QRect() << QPoint(640, 10) << QPoint(640 - 170, 10 + 1 + 4);
        QTest::newRow("pointer in a corner stays on screen")
            << QRect() << QPoint(1279, 799) << QPoint(1280 - 340, 799 - 4 - 420);
    }

    void popupPlacement() {
        QFETCH(QRect, icon);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, expected);
        QCOMPARE(PopupPlacement::place(icon, pointer, QRect(0, 0, 1280, 800), QSize(340, 420)),
                 expected);
    }

    void launchOfAReturningUser() {
        LogCapture log;
        Shell shell;
        shell.settings.setHasCompletedFirstLaunch(true);
        shell.settings.setSelectedKeyboards({"xkb.ru.Russian", "xkb.us.English"});
        shell.delegate.applicationDidFinishLaunching();

        QCOMPARE(AppDelegate::shared(), &shell.delegate);
        QCOMPARE(shell.hotkeyStarts, 1);
        QVERIFY(shell.settings.hasAcceptedTerms());
        // The user's order stands; the installed set is remembered for the next launch.
        QCOMPARE(shell.settings.selectedKeyboards(),
                 (QStringList{"xkb.ru.Russian", "xkb.us.English"}));
        QCOMPARE(shell.settings.knownKeyboards(),
                 (QStringList{"xkb.us.English", "xkb.ru.Russian"}));
        QCOMPARE(shell.delegate.viewModel().shortcutText(), QStringLiteral("Ctrl+Shift+Space"));

        QTRY_VERIFY(log.contains("✅ Accessibility confirmed"));
        QTRY_COMPARE(shell.monitorStarts, 1);
        const auto lines = log.lines();
        const auto position = [&lines](const std::string& line) {
            return std::find(lines.begin(), lines.end(), line) - lines.begin();
        };
        QVERIFY(position("👂 HotkeyService: Started listening for hotkey") <
                position("⌨️ All 2 keyboards in sync"));
    }

    void untrustedLaunchPrompts() {
        LogCapture log;
        Shell shell;
        shell.settings.setHasCompletedFirstLaunch(true);
        shell.settings.setSmartCapitalization(false);
        shell.accessibility.trusted = false;
        shell.delegate.applicationDidFinishLaunching();
        QTRY_COMPARE(shell.accessibility.trustRequests, 1);
        QVERIFY(log.contains("⚠️ Accessibility missing - prompting user"));
        QCOMPARE(shell.monitorStarts, 0);
    }

    void settingsWindowIsReplacedNotDuplicated() {
        Shell shell;
        shell.delegate.openSettings(SettingsTab::About);
        shell.delegate.showPreferences();
        int open = 0;
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            open +=
                window->isVisible() && window->title() == QStringLiteral("Korrelang Preferences");
        }
        QCOMPARE(open, 1);
        QCOMPARE(shell.delegate.settingsTab(), SettingsTab::Settings);
        QCOMPARE(shell.delegate.settingsWindow()->size(), AppWindow::kSettingsSize);
    }

    void firstLaunchWindowRunsUntilClosed() {
        Shell shell;
        QSize shown;
        QTimer::singleShot(0, [&shown] {
            for (QWindow* window : QGuiApplication::topLevelWindows()) {
                if (window->isVisible() &&
                    window->title() == QStringLiteral("Welcome to Korrelang")) {
                    shown = window->size();
                    window->close();
                }
            }
        });
        shell.delegate.showFirstLaunchWindow();
        QCOMPARE(shown, AppWindow::kOnboardingSize);
    }

    void popupTogglesAndClosesFromItsButtons() {
        Shell shell;
        shell.delegate.togglePopover();
        QVERIFY(shell.delegate.isPopoverOpen());
        QCOMPARE(shell.delegate.popup()->size(), PopupWindow::kSize);
        QVERIFY(shell.delegate.viewModel().isPolling());
        shell.delegate.togglePopover();
        QVERIFY(!shell.delegate.isPopoverOpen());
        QVERIFY(!shell.delegate.viewModel().isPolling());

        shell.delegate.togglePopover();
        shell.delegate.viewModel().openPreferences();
        QVERIFY(!shell.delegate.isPopoverOpen());
        QVERIFY(shell.delegate.settingsWindow());
    }

    void oneEngineBuildsEveryWindow() {
        Shell shell(true);
        shell.settings.setHasCompletedFirstLaunch(true);
        shell.delegate.applicationDidFinishLaunching();
        // The launch itself builds no screen; the dashboard is built, hidden, once it is over.
        QVERIFY(!shell.delegate.screenEngine().isCreated());
        QVERIFY(!shell.delegate.popup());
        QTRY_VERIFY(shell.delegate.popup());
        QVERIFY(!shell.delegate.isPopoverOpen());
        QVERIFY(!shell.delegate.viewModel().isPolling());
        QQmlEngine* engine = &shell.delegate.screenEngine().engine();
        QCOMPARE(shell.delegate.popup()->engine(), engine);
        QVERIFY(shell.delegate.popup()->rootObject());
        const PopupWindow* built = shell.delegate.popup();

        shell.delegate.openPopover();
        QCOMPARE(shell.delegate.popup(), built);
        QVERIFY(shell.delegate.isPopoverOpen());

        shell.delegate.viewModel().openPreferences();
        QCOMPARE(screenEngineOf(shell.delegate.settingsWindow()), engine);
        // A replaced settings window leaves the engine, and the dashboard, working.
        shell.delegate.showAbout();
        QCOMPARE(screenEngineOf(shell.delegate.settingsWindow()), engine);
        shell.delegate.settingsWindow()->close();
        shell.delegate.openPopover();
        QVERIFY(shell.delegate.isPopoverOpen());
        QCOMPARE(shell.delegate.popup()->engine(), engine);
        shell.delegate.screenEngine().retranslate();
        QCOMPARE(shell.delegate.popup()->status(), QQuickView::Ready);
    }

    void checkMarkEndsOnTheIconAfterRepeatedSuccesses() {
        StatusItem item;
        item.show();
        item.showConversionSuccess();
        QVERIFY(item.isShowingCheckMark());
        item.showConversionSuccess();  // a second success restarts the second
        QVERIFY(item.isShowingCheckMark());
        QTRY_VERIFY(!item.isShowingCheckMark());
    }

    // Every text of every alert about a failed press reaches the user translated; a new or
    // reworded alert line without a translation fails here.
    void serviceAlertsAreTranslated() {
        using service::PressFailure;
        const std::vector<Alert> alerts{
            PressAlerts::alertFor(PressFailure::accessibilityDenied),
            PressAlerts::alertFor(PressFailure::noText),
            PressAlerts::alertFor(PressFailure::notConverted, {"English", "Russian"}),
            PressAlerts::alertFor(PressFailure::notReplaced)};
        ui::Translations translations;
        for (const QString& language : ui::Translations::languages()) {
            QVERIFY(translations.apply(language));
            for (const Alert& alert : alerts) {
                std::vector<std::string> texts = alert.lines;
                texts.push_back(alert.title);
                texts.insert(texts.end(), alert.buttons.begin(), alert.buttons.end());
                for (const std::string& text : texts) {
                    const QString shown = AlertTexts::translate(text);
                    if (language == u"en" || text.empty()) {
                        QCOMPARE(shown, QString::fromStdString(text));
                    } else if (text != "OK") {  // "OK" is "OK" in German and French too

                        QVERIFY2(shown != QString::fromStdString(text),
                                 qPrintable(language + QStringLiteral(": ") +
                                            QString::fromStdString(text)));
                    }
                }
            }
        }
        translations.apply(QStringLiteral("ru"));
        QCOMPARE(AlertTexts::translate("Your selected keyboards: English, Russian"),
                 QStringLiteral("Выбранные раскладки: English, Russian"));
        translations.apply(QStringLiteral("en"));
    }
};

}  // namespace korrelang::app

QTEST_MAIN(korrelang::app::AppTest)
#include "app_test.moc"
