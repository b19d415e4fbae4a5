#include <QtQml/qqmlextensionplugin.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "quick_items.h"
#include "settings_test_bench.h"

Q_IMPORT_QML_PLUGIN(Korrelang_UiPlugin)
Q_IMPORT_QML_PLUGIN(Korrelang_ComponentsPlugin)

namespace korrelang::ui {

/// Renders the settings window's tabs and the onboarding with the software back end and checks
/// sizes, colours and states in the pixels.
class SettingsScreenTest : public QObject {
    Q_OBJECT

private:
    struct Screen {
        explicit Screen(SettingsTestBench::Options options) : bench(options) {}
        SettingsTestBench bench;
        QQuickView view;
        QQuickItem* root = nullptr;
    };

    static std::unique_ptr<Screen> show(const QString& file, const char* property,
                                        const std::function<QObject*(SettingsTestBench&)>& model,
                                        SettingsTestBench::Options options = {}) {
        auto screen = std::make_unique<Screen>(options);
        screen->root =
            QuickItems::show(screen->view, file, QString::fromUtf8(property), model(screen->bench));
        return screen->root != nullptr ? std::move(screen) : nullptr;
    }

    static std::unique_ptr<Screen> settingsWindow(int tab,
                                                  SettingsTestBench::Options options = {}) {
        auto screen = show(
            QStringLiteral("SettingsContainerView.qml"), "model",
            [](SettingsTestBench& bench) { return bench.modelObject(); }, options);
        if (screen) {
            screen->bench.model().setSelectedTab(tab);
        }
        return screen;
    }

    static QImage grab(Screen& screen, const QString& name) {
        return QuickItems::grab(screen.view, name);
    }
    static QQuickItem* find(QQuickItem* under, const QString& name) {
        return QuickItems::find(under, name);
    }
    static QList<QQuickItem*> all(QQuickItem* under, const QString& name) {
        return QuickItems::all(under, name);
    }

    static QColor colourAt(const QImage& image, QQuickItem* item, QPointF offset) {
        const QPointF p = item->mapToScene(offset);
        return image.pixelColor(qRound(p.x() * image.devicePixelRatio()),
                                qRound(p.y() * image.devicePixelRatio()));
    }

    static bool near(const QColor& actual, const QColor& expected, int tolerance = 3) {
        return qAbs(actual.red() - expected.red()) <= tolerance &&
               qAbs(actual.green() - expected.green()) <= tolerance &&
               qAbs(actual.blue() - expected.blue()) <= tolerance;
    }

    static QColor grey(float white) { return QColor::fromRgbF(white, white, white); }
    static QColor blue() { return QColor::fromRgbF(0.247f, 0.663f, 0.961f); }

private slots:
    void settingsWindowTabs() {
        auto screen = settingsWindow(0);
        QVERIFY(screen);
        for (const auto& [tab, name] : {std::pair{0, "settings_preferences"},
                                        {1, "settings_about"},
                                        {2, "settings_feedback"}}) {
            screen->bench.model().setSelectedTab(tab);
            const QImage image = grab(*screen, QString::fromLatin1(name));
            QCOMPARE(image.size() / image.devicePixelRatio(), QSize(760, 620));
            // The window background, away from any content.
            QVERIFY2(near(image.pixelColor(4, 300), grey(0.10f)),
                     qPrintable(image.pixelColor(4, 300).name()));
            // The selected tab: blue at 10 % over the background, its symbol in full blue.
            QQuickItem* selected = find(screen->root, QStringLiteral("sidebarItem%1").arg(tab));
            QVERIFY(selected);
            const QColor fill = colourAt(image, selected, {4, 4});
            QVERIFY2(fill.blue() > fill.red() + 10, qPrintable(fill.name()));
            QQuickItem* other =
                find(screen->root, QStringLiteral("sidebarItem%1").arg((tab + 1) % 3));
            QVERIFY(near(colourAt(image, other, {4, 4}), grey(0.10f)));
            // The hairline between sidebar and content.
            QVERIFY(!near(image.pixelColor(180, 300), grey(0.10f), 1));
        }
        QQuickItem* share = find(screen->root, QStringLiteral("shareButton"));
        QVERIFY(near(colourAt(grab(*screen, QStringLiteral("settings_share")), share, {3, 3}),
                     QColor::fromRgbF(0.976f, 0.247f, 0.525f)));
    }

    void shareMenuCopiesTheText() {
        auto screen = settingsWindow(0);
        QVERIFY(screen);
        QQuickItem* share = find(screen->root, QStringLiteral("shareButton"));
        QTest::mouseClick(&screen->view, Qt::LeftButton, {},
                          share->mapToScene({share->width() / 2, share->height() / 2}).toPoint());
        QQuickItem* menu = find(screen->root, QStringLiteral("shareMenu"));
        QVERIFY(menu->isVisible());
        grab(*screen, QStringLiteral("settings_share_menu"));
        QQuickItem* copy = find(screen->root, QStringLiteral("shareMenuItem0"));
        QTest::mouseClick(&screen->view, Qt::LeftButton, {}, copy->mapToScene({20, 10}).toPoint());
        QVERIFY(!menu->isVisible());
        const QString text = QGuiApplication::clipboard()->text();
        QVERIFY(text.startsWith(QStringLiteral("Check out Korrelang - a Linux menu bar app")));
        QVERIFY(text.contains(QLatin1Char('\n')));
    }

    void aboutBlocksOpenAndClose() {
        auto screen = settingsWindow(1);
        QVERIFY(screen);
        QQuickItem* privacy = find(screen->root, QStringLiteral("privacyContent"));
        QQuickItem* uninstall = find(screen->root, QStringLiteral("uninstallContent"));
        QVERIFY(privacy && uninstall);
        QVERIFY(!privacy->isVisible());
        QVERIFY(!uninstall->isVisible());
        QQuickItem* toggle = find(screen->root, QStringLiteral("privacyToggle"));
        QQuickItem* chevron = find(toggle, QStringLiteral("chevron"));
        QCOMPARE(chevron->rotation(), 0.0);
        QTest::mouseClick(&screen->view, Qt::LeftButton, {}, toggle->mapToScene({10, 5}).toPoint());
        QVERIFY(privacy->isVisible());
        QTRY_COMPARE(chevron->rotation(), 90.0);
        QVERIFY(!uninstall->isVisible());

        QQuickItem* contact = find(screen->root, QStringLiteral("contactAddress"));
        auto* scroll = find(screen->root, QStringLiteral("aboutScroll"));
        auto* content = scroll->property("contentItem").value<QQuickItem*>();
        scroll->setProperty("contentY", contact->mapToItem(content, {0, 0}).y() - 100);
        QQuickItem* copied = find(screen->root, QStringLiteral("copiedText"));
        QCOMPARE(copied->opacity(), 0.0);
        QTest::mouseClick(&screen->view, Qt::LeftButton, {},
                          contact->mapToScene({10, 5}).toPoint());
        QCOMPARE(QGuiApplication::clipboard()->text(), AboutViewModel::contactAddress());
        QTRY_COMPARE(copied->opacity(), 1.0);
        grab(*screen, QStringLiteral("about_privacy_open"));
        // "Copied!" goes away by itself.
        QTRY_COMPARE_WITH_TIMEOUT(copied->opacity(), 0.0, 20000);
    }

    void preferencesShowsWarningsAndBlacklist() {
        auto screen = settingsWindow(0);
        QVERIFY(screen);
        SettingsTestBench& bench = screen->bench;
        QQuickItem* bar = find(screen->root, QStringLiteral("accessibilityBar"));
        QVERIFY(bar);
        QVERIFY(!bar->isVisible());
        QCOMPARE(all(screen->root, QStringLiteral("keyboardToggle")).size(), 3);

        bench.setTrusted(false);
        bench.setFrontmost(QStringLiteral("org.xfce.mousepad"), QStringLiteral("Mousepad"));
        bench.settings().setBlacklistedApps(
            {QStringLiteral("org.gnome.Terminal"), QStringLiteral("firefox")});
        bench.workspace().installed = {{"org.gnome.Terminal", "Terminal"}};
        bench.preferences().refreshFrontmost();
        bench.shortcuts().storeShortcut(std::nullopt, shortcuts::Name::toggleConversion());
        QVERIFY(bar->isVisible());
        QVERIFY(find(screen->root, QStringLiteral("hotkeyWarning"))->isVisible());
        QVERIFY(!find(screen->root, QStringLiteral("hotkeyCaption"))->isVisible());
        QCOMPARE(
            find(screen->root, QStringLiteral("blacklistButtonText"))->property("text").toString(),
            QStringLiteral("Blacklist Mousepad"));
        const QImage image = grab(*screen, QStringLiteral("preferences_warnings"));
        QVERIFY(near(colourAt(image, find(screen->root, QStringLiteral("grantButton")), {3, 3}),
                     blue()));
        QCOMPARE(all(screen->root, QStringLiteral("chip")).size(), 2);
    }

    void blacklistChipsWrap() {
        auto screen = settingsWindow(0);
        QVERIFY(screen);
        const QString wide = QStringLiteral("org.example.") + QString(60, QLatin1Char('w'));
        screen->bench.settings().setBlacklistedApps(
            {QStringLiteral("firefox"), QStringLiteral("org.gnome.Terminal"),
             QStringLiteral("org.xfce.mousepad"), wide, QStringLiteral("gimp")});
        grab(*screen, QStringLiteral("preferences_chips"));
        QQuickItem* flow = find(screen->root, QStringLiteral("chips"));
        const QList<QQuickItem*> chips = all(flow, QStringLiteral("chip"));
        QCOMPARE(chips.size(), 5);
        qreal right = 0;
        for (QQuickItem* chip : chips) {
            // Every chip that fits stays inside the card's width.
            if (chip->width() <= flow->width()) {
                QVERIFY(chip->x() + chip->width() <= flow->width() + 0.5);
            }
            right = std::max(right, chip->x() + chip->width());
        }
        // The chips do not fit on one line: at least one wrapped to x = 0 below the first line.
        QVERIFY(chips[1]->y() > chips[0]->y() || chips[2]->y() > chips[0]->y());
        // The chip wider than the card stands alone: at the start of its line, and the next chip
        // starts a new line.
        QQuickItem* wideChip = chips[3];
        QVERIFY(wideChip->width() > flow->width());
        QCOMPARE(wideChip->x(), 0.0);
        QVERIFY(wideChip->y() > chips[2]->y());
        QCOMPARE(chips[4]->x(), 0.0);
        QVERIFY(chips[4]->y() > wideChip->y());
    }

    void onboardingColours() {
        auto screen = show(QStringLiteral("FirstLaunchView.qml"), "viewModel",
                           [](SettingsTestBench& bench) { return bench.firstLaunchObject(); });
        QVERIFY(screen);
        QImage image = grab(*screen, QStringLiteral("onboarding"));
        QCOMPARE(image.size() / image.devicePixelRatio(), QSize(400, 380));
        QQuickItem* button = find(screen->root, QStringLiteral("continueButton"));
        QVERIFY(near(colourAt(image, button, {4, 4}), grey(0.18f)));
        QCOMPARE(all(screen->root, QStringLiteral("keyboardToggle")).size(), 3);

        QQuickItem* box = find(screen->root, QStringLiteral("termsCheckBox"));
        QTest::mouseClick(&screen->view, Qt::LeftButton, {}, box->mapToScene({7, 7}).toPoint());
        QVERIFY(screen->bench.firstLaunch().hasAgreedToTerms());
        image = grab(*screen, QStringLiteral("onboarding_ready"));
        QVERIFY(near(colourAt(image, button, {4, 4}), blue()));
    }
};

}  // namespace korrelang::ui

QTEST_MAIN(korrelang::ui::SettingsScreenTest)
#include "settings_screen_test.moc"
