#include <QtQml/qqmlextensionplugin.h>

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>

#include "popup_test_bench.h"
#include "quick_items.h"

Q_IMPORT_QML_PLUGIN(Korrelang_UiPlugin)
Q_IMPORT_QML_PLUGIN(Korrelang_ComponentsPlugin)

// Qt's object hooks, as debugging tools use them: slot 3 is called for every QObject made,
// slot 4 for every one destroyed.
extern "C" Q_CORE_EXPORT quintptr qtHookData[];

namespace korrelang::ui {

namespace {

std::atomic<long> g_liveObjects{0};

void objectMade(QObject*) {
    ++g_liveObjects;
}

void objectGone(QObject*) {
    --g_liveObjects;
}

/// Counts the QObjects alive between its construction and its destruction.
class ObjectCensus {
public:
    ObjectCensus() : m_add(qtHookData[kAdd]), m_remove(qtHookData[kRemove]) {
        qtHookData[kAdd] = reinterpret_cast<quintptr>(&objectMade);
        qtHookData[kRemove] = reinterpret_cast<quintptr>(&objectGone);
    }
    ~ObjectCensus() {
        qtHookData[kAdd] = m_add;
        qtHookData[kRemove] = m_remove;
    }
    ObjectCensus(const ObjectCensus&) = delete;
    ObjectCensus& operator=(const ObjectCensus&) = delete;

    static long live() { return g_liveObjects.load(); }

private:
    static constexpr int kAdd = 3;
    static constexpr int kRemove = 4;
    const quintptr m_add;
    const quintptr m_remove;
};

}  // namespace

/// Renders the dashboard with the software back end and checks what reaches the pixels.
class MenuPopupScreenTest : public QObject {
    Q_OBJECT

private:
    struct Screen {
        PopupTestBench bench;
        QQuickView view;
        QQuickItem* root = nullptr;
    };

    static std::unique_ptr<Screen> show(const std::function<void(PopupTestBench&)>& prepare = {}) {
        auto screen = std::make_unique<Screen>();
        if (prepare) {
            prepare(screen->bench);
        }
        screen->root =
            QuickItems::show(screen->view, QStringLiteral("MenuPopupView.qml"),
                             QStringLiteral("viewModel"), screen->bench.viewModelObject());
        return screen->root != nullptr ? std::move(screen) : nullptr;
    }

    /// Saved under the test function's name.
    static QImage grab(Screen& screen) {
        return QuickItems::grab(screen.view, QString::fromUtf8(QTest::currentTestFunction()));
    }

    template <typename T = QQuickItem>
    static T* item(Screen& screen, const char* name) {
        return screen.root->findChild<T*>(QString::fromUtf8(name));
    }

    /// The colour at the centre-left of an item, a few points in, in window coordinates.
    static QColor colourIn(const QImage& image, QQuickItem* at, QPointF offset) {
        const QPointF p = at->mapToScene(offset);
        return image.pixelColor(qRound(p.x() * image.devicePixelRatio()),
                                qRound(p.y() * image.devicePixelRatio()));
    }

    static bool near(const QColor& actual, const QColor& expected) {
        return qAbs(actual.red() - expected.red()) <= 3 &&
               qAbs(actual.green() - expected.green()) <= 3 &&
               qAbs(actual.blue() - expected.blue()) <= 3;
    }

private slots:
    void sizeAndBackground() {
        auto screen = show();
        QVERIFY(screen);
        const QImage image = grab(*screen);
        QCOMPARE(image.size() / image.devicePixelRatio(), QSize(340, 420));
        for (const QPoint p : {QPoint(4, 4), QPoint(335, 200), QPoint(20, 300)}) {
            QVERIFY2(near(image.pixelColor(p), QColor::fromRgbF(0.1f, 0.1f, 0.1f)),
                     qPrintable(image.pixelColor(p).name()));
        }
    }

    void switchShowsBothStates() {
        auto screen = show();
        QVERIFY(screen);
        QQuickItem* control = item(*screen, "enabledSwitch");
        QVERIFY(control);
        const QColor blue = QColor::fromRgbF(0.247f, 0.663f, 0.961f);
        const QColor off = QColor::fromRgbF(0.2f, 0.2f, 0.2f);
        const QColor knob = QColor::fromRgbF(0.88f, 0.88f, 0.88f);

        QVERIFY(screen->bench.settings().isEnabled());
        QImage image = grab(*screen);
        QVERIFY2(near(colourIn(image, control, {5, 7}), blue),
                 qPrintable(colourIn(image, control, {5, 7}).name()));
        QVERIFY(near(colourIn(image, control, {25, 7}), knob));

        screen->bench.settings().setIsEnabled(false);
        // The knob slides over 0.15 s; wait until it has arrived rather than for a time.
        QTRY_VERIFY(near(colourIn(grab(*screen), control, {25, 7}), off));
        image = grab(*screen);
        QVERIFY(near(colourIn(image, control, {7, 7}), knob));
        QCOMPARE(item(*screen, "stateText")->property("text").toString(),
                 QStringLiteral("Disabled"));
    }

    void warningBandOnlyWhileUntrusted() {
        auto screen = show();
        QVERIFY(screen);
        QQuickItem* warning = item(*screen, "accessibilityWarning");
        QVERIFY(warning);
        QVERIFY(!warning->isVisible());

        screen->bench.setTrusted(false);
        QVERIFY(warning->isVisible());
        const QImage image = grab(*screen);
        const QColor tint = colourIn(image, warning, {10, 5});
        // Blue at 6 % over the panel: bluer than the grey around it.
        QVERIFY2(tint.blue() > tint.red() + 8, qPrintable(tint.name()));
        QVERIFY(near(colourIn(image, item(*screen, "grantButton"), {4, 4}),
                     QColor::fromRgbF(0.247f, 0.663f, 0.961f)));

        screen->bench.setTrusted(true);
        QVERIFY(!warning->isVisible());
    }

    void figuresOfPreparedLog() {
        auto screen = show([](PopupTestBench& bench) {
            bench.addConversions(QStringLiteral("English"), QStringLiteral("Russian"), 4, 100, 9);
            bench.addConversions(QStringLiteral("English"), QStringLiteral("Russian"), 3, 200, 1);
            bench.addConversions(QStringLiteral("Russian"), QStringLiteral("English"), 2, 200, 0);
        });
        QVERIFY(screen);
        grab(*screen);
        QCOMPARE(item(*screen, "conversionCount")->property("text").toString(),
                 QStringLiteral("5"));
        QCOMPARE(item(*screen, "changeText")->property("text").toString(), QStringLiteral("+25%"));
        QCOMPARE(item(*screen, "charactersText")->property("text").toString(),
                 QStringLiteral("1.0K"));
        QVERIFY(item(*screen, "changeColumn")->isVisible());
        QVERIFY(!item(*screen, "hint")->isVisible());

        const QList<QQuickItem*> cards =
            QuickItems::all(screen->root, QStringLiteral("directionCard"));
        QCOMPARE(cards.size(), 1);
        const QList<QQuickItem*> rows = QuickItems::all(cards[0], QStringLiteral("directionRow"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0]->property("label").toString(), QStringLiteral("En→Ru"));
        QCOMPARE(rows[1]->property("label").toString(), QStringLiteral("Ru→En"));
    }

    void emptyLogShowsZeroesAndTheHint() {
        auto screen = show();
        QVERIFY(screen);
        QCOMPARE(item(*screen, "conversionCount")->property("text").toString(),
                 QStringLiteral("0"));
        QVERIFY(!item(*screen, "changeColumn")->isVisible());
        QCOMPARE(item(*screen, "hotkeyText")->property("text").toString(),
                 QStringLiteral("No Hotkey"));
        QVERIFY(!item(*screen, "hint")->isVisible());

        screen->bench.viewModel().setShortcutText(QStringLiteral("Ctrl+Shift+Space"));
        QCOMPARE(item(*screen, "hotkeyText")->property("text").toString(),
                 QStringLiteral("Ctrl+Shift+Space"));
        QVERIFY(item(*screen, "hint")->isVisible());
        QCOMPARE(item(*screen, "hint")->property("text").toString(),
                 QStringLiteral("Use Ctrl+Shift+Space to convert text"));
    }

    void pollsPermissionOnlyWhileShown() {
        PopupTestBench bench;
        QVERIFY(!bench.viewModel().isPolling());
        bench.accessibility().trusted = false;
        bench.viewModel().setShown(true);
        QVERIFY(bench.viewModel().isPolling());
        QVERIFY(!bench.viewModel().hasAccessibility());  // checked at once, not after 3 s
        bench.viewModel().setShown(false);
        QVERIFY(!bench.viewModel().isPolling());
    }

    // Every conversion changes the figures, also while the dashboard is hidden. A new card model
    // per conversion leaves its delegate's QML context alive until the engine collects garbage,
    // which an idle dashboard hardly ever does: the cards must take the new rows in place.
    void figuresOfManyConversionsKeepNoObjects() {
        const ObjectCensus census;
        auto screen = show([](PopupTestBench& bench) {
            bench.addConversions(QStringLiteral("English"), QStringLiteral("Russian"), 1, 6, 0);
            bench.addConversions(QStringLiteral("Russian"), QStringLiteral("English"), 1, 6, 0);
        });
        QVERIFY(screen);
        const auto convert = [&](int times) {
            for (int i = 0; i < times; ++i) {
                screen->bench.addConversions(QStringLiteral("English"), QStringLiteral("Russian"),
                                             1, 6, 0);
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
        convert(5);  // the first changes may fill caches
        const long before = ObjectCensus::live();
        convert(40);
        QCOMPARE(ObjectCensus::live(), before);
    }

    void grantClosesThenPrompts() {
        PopupTestBench bench;
        bench.accessibility().trusted = false;
        QSignalSpy closes(&bench.viewModel(), &MenuPopupViewModel::closeRequested);
        bench.viewModel().grantPermission();
        QCOMPARE(closes.size(), 1);
        QCOMPARE(bench.accessibility().trustRequests, 0);
        QTRY_COMPARE(bench.accessibility().trustRequests, 1);
    }
};

}  // namespace korrelang::ui

QTEST_MAIN(korrelang::ui::MenuPopupScreenTest)
#include "menu_popup_screen_test.moc"
