#pragma once

#include "screen_services.h"

class QQuickWindow;

namespace korrelang::ui {

class FirstLaunchViewModel;
class SettingsWindowModel;

/// Puts the settings and onboarding screens into windows that the shell made. Everything created
/// here belongs to the window and goes with it.
class ScreenWindows {
public:
    /// The settings container on `tab` (SettingsWindowModel::Tab); the window closes when a tab
    /// asks for it. Null when the screen could not be built (the errors are logged).
    static SettingsWindowModel* fillSettingsWindow(QQuickWindow& window,
                                                   const ScreenServices& services, int tab);
    /// The onboarding; the window closes on Continue. Null when the screen could not be built.
    static FirstLaunchViewModel* fillFirstLaunchWindow(QQuickWindow& window,
                                                       const ScreenServices& services);
};

}  // namespace korrelang::ui
