#include "screen_windows.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include "about_view_model.h"
#include "analytics/analytics_service.h"
#include "analytics/os_release.h"
#include "feedback_view_model.h"
#include "first_launch_view_model.h"
#include "platform/log.h"
#include "preferences_view_model.h"
#include "settings_window_model.h"

namespace korrelang::ui {

namespace {

// Puts the screen in the window and hands it the view models: they go with the screen, after its
// bindings, so no binding ever reads a view model that is gone.
bool load(QQmlEngine& engine, QQuickWindow& window, const QString& file,
          const QVariantMap& properties, const QList<QObject*>& viewModels) {
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Korrelang/Ui/") + file));
    QObject* object = component.createWithInitialProperties(properties);
    auto* item = qobject_cast<QQuickItem*>(object);
    if (!item) {
        for (const QQmlError& error : component.errors()) {
            platform::logLine("❌ Screen: " + error.toString().toStdString());
        }
        delete object;
        return false;
    }
    item->setParent(&window);
    item->setParentItem(window.contentItem());
    for (QObject* viewModel : viewModels) {
        viewModel->setParent(item);
    }
    return true;
}

}  // namespace

SettingsWindowModel* ScreenWindows::fillSettingsWindow(QQmlEngine& engine, QQuickWindow& window,
                                                       const ScreenServices& services, int tab) {
    auto* preferences = new PreferencesViewModel(services, &window);
    auto* about = new AboutViewModel(
        services.workspace,
        !analytics::AnalyticsService::defaultConfiguration().apiBaseURL.isEmpty(), &window);
    auto* feedback = new FeedbackViewModel(services.analytics, FeedbackViewModel::defaultEndpoint(),
                                           analytics::OsRelease::system().versionString(), &window);
    auto* model = new SettingsWindowModel(services.analytics, services.workspace,
                                          static_cast<SettingsWindowModel::Tab>(tab),
                                          {preferences, about, feedback}, &window);
    QObject::connect(model, &SettingsWindowModel::closeRequested, &window, &QQuickWindow::close);
    if (!load(engine, window, QStringLiteral("SettingsContainerView.qml"),
              {{QStringLiteral("model"), QVariant::fromValue(model)}},
              {model, preferences, about, feedback})) {
        return nullptr;
    }
    return model;
}

FirstLaunchViewModel* ScreenWindows::fillFirstLaunchWindow(QQmlEngine& engine, QQuickWindow& window,
                                                           const ScreenServices& services) {
    auto* model = new FirstLaunchViewModel(services, &window);
    QObject::connect(model, &FirstLaunchViewModel::finished, &window, &QQuickWindow::close);
    if (!load(engine, window, QStringLiteral("FirstLaunchView.qml"),
              {{QStringLiteral("viewModel"), QVariant::fromValue(model)}}, {model})) {
        return nullptr;
    }
    return model;
}

}  // namespace korrelang::ui
