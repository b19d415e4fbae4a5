#include <QtQml/qqmlextensionplugin.h>

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include "popup_test_bench.h"

Q_IMPORT_QML_PLUGIN(Korrelang_UiPlugin)
Q_IMPORT_QML_PLUGIN(Korrelang_ComponentsPlugin)

namespace korrelang::ui {

/// Gives the QML tests a factory for fresh benches, so that every test starts from defaults.
class QuickTestSetup : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE QObject* newBench() {
        auto* bench = new PopupTestBench;
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

QUICK_TEST_MAIN_WITH_SETUP(korrelang_ui_quick, korrelang::ui::QuickTestSetup)
#include "quick_test_main.moc"
