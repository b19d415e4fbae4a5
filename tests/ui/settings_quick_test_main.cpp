#include <QtQml/qqmlextensionplugin.h>

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include "settings_test_bench.h"

Q_IMPORT_QML_PLUGIN(Korrelang_UiPlugin)
Q_IMPORT_QML_PLUGIN(Korrelang_ComponentsPlugin)

namespace korrelang::ui {

/// Gives the QML tests fresh benches: every test starts from an empty settings file.
class SettingsQuickTestSetup : public QObject {
    Q_OBJECT

public:
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

QUICK_TEST_MAIN_WITH_SETUP(korrelang_settings_quick, korrelang::ui::SettingsQuickTestSetup)
#include "settings_quick_test_main.moc"
