#pragma once

#include "screen_services.h"

class QQmlEngine;
class QQuickWindow;

namespace korrelang::ui {

class FirstLaunchViewModel;
class SettingsWindowModel;

/// Puts the settings and onboarding screens into windows that the shell made, built by the
/// program's one engine (which must outlive the window). Everything created here belongs to the
/// window and goes with it.
class ScreenWindows {
public:
    /// The settings container on `tab` (SettingsWindowModel::Tab); the window closes when a tab
    /// asks for it. Null when the screen could not be built (the errors are logged).
    static SettingsWindowModel* fillSettingsWindow(QQmlEngine& engine, QQuickWindow& window,
                                                   const ScreenServices& services, int tab);
    /// The onboarding; the window closes on Continue. Null when the screen could not be built.
    static FirstLaunchViewModel* fillFirstLaunchWindow(QQmlEngine& engine, QQuickWindow& window,
                                                       const ScreenServices& services);
};

}  // namespace korrelang::ui
