#pragma once

#include <QQuickWindow>
#include <QSize>
#include <QString>

namespace korrelang::app {

/// The one recipe for the application's windows: titled and closable only (a fixed size), dark
/// whatever the desktop theme, centred on the screen, raised and focused.
///
/// The settings and onboarding screens are not built yet; until they are, their windows are
/// this empty dark frame of the right size and title.
class AppWindow : public QQuickWindow {
    Q_OBJECT

public:
    static constexpr QSize kSettingsSize{760, 620};
    static constexpr QSize kOnboardingSize{400, 380};

    AppWindow(const QString& title, QSize contentSize);

    /// Centres the window on the screen under the pointer and brings it to the front.
    void present();

signals:
    void closed();

protected:
    bool event(QEvent* event) override;
};

}  // namespace korrelang::app
