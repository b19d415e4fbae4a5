#include <QtQml/qqmlextensionplugin.h>

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include "popup_test_bench.h"
#include "settings_test_bench.h"

Q_IMPORT_QML_PLUGIN(Korrelang_UiPlugin)
Q_IMPORT_QML_PLUGIN(Korrelang_ComponentsPlugin)

namespace korrelang::ui {

/// Gives the QML tests factories for fresh benches, so that every test starts from defaults (the
/// settings benches from an empty settings file).
class QuickTestSetup : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE QObject* newBench() {
        auto* bench = new PopupTestBench;
        bench->setParent(this);
        return bench;
    }

    /// `keyboardCount` installed keyboards; `feedbackEndpoint` may be empty (feedback off).
    Q_INVOKABLE QObject* newSettingsBench(int keyboardCount, const QString& feedbackEndpoint) {
        auto* bench = new SettingsTestBench({keyboardCount, QUrl(feedbackEndpoint), {}});
        bench->setParent(this);
        return bench;
    }

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(QStringLiteral("qrc:/"));
        engine->rootContext()->setContextProperty(QStringLiteral("testSetup"), this);
    }
};

}  // namespace korrelang::ui

QUICK_TEST_MAIN_WITH_SETUP(korrelang_quick, korrelang::ui::QuickTestSetup)
#include "quick_test_main.moc"
