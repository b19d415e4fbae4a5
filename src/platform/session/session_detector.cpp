#include "session_detector.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "platform/sway/sway_ipc.h"
#include "platform/wayland/registry_probe.h"

namespace korrelang::platform::session {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool desktopListed(const std::string& list, std::string_view wanted) {
    std::istringstream stream(list);
    std::string item;
    while (std::getline(stream, item, ':')) {
        if (item == wanted) {
            return true;
        }
    }
    return false;
}

bool offers(const std::vector<std::string>& globals, std::string_view prefix) {
    return std::any_of(globals.begin(), globals.end(),
                       [prefix](const std::string& name) { return name.starts_with(prefix); });
}

}  // namespace

SessionEnvironment SessionEnvironment::fromProcess() {
    return {variable("XDG_SESSION_TYPE"), variable("WAYLAND_DISPLAY"), variable("DISPLAY"),
            variable("XDG_CURRENT_DESKTOP"), variable("SWAYSOCK")};
}

SessionKind SessionDetector::guess(const SessionEnvironment& environment) {
    const bool wayland = environment.sessionType == "wayland" ||
                         (environment.sessionType != "x11" && !environment.waylandDisplay.empty());
    if (!wayland) {
        return environment.display.empty() ? SessionKind::none : SessionKind::x11;
    }
    if (!environment.swaySocket.empty() || desktopListed(environment.currentDesktop, "sway")) {
        return SessionKind::sway;
    }
    if (desktopListed(environment.currentDesktop, "KDE")) {
        return SessionKind::kwin;
    }
    if (desktopListed(environment.currentDesktop, "GNOME")) {
        return SessionKind::gnome;
    }
    return SessionKind::waylandUnknown;
}

SessionKind SessionDetector::confirm(SessionKind guess, const SessionEnvironment& environment,
                                     const CompositorOffers& offered) {
    if (!isWayland(guess)) {
        return guess;
    }
    if (!offered.globals) {
        return environment.display.empty() ? SessionKind::none : SessionKind::x11;
    }
    const auto& globals = *offered.globals;
    const bool kwinShown = offers(globals, "org_kde_kwin_") || offers(globals, "org_kde_plasma_");
    const bool gnomeShown = offers(globals, "gtk_shell1");
    if ((guess == SessionKind::sway && offered.swayAnswers) ||
        (guess == SessionKind::kwin && kwinShown) || (guess == SessionKind::gnome && gnomeShown)) {
        return guess;
    }
    // The environment named no desktop, or one the compositor does not show: trust the
    // compositor.
    if (offered.swayAnswers) {
        return SessionKind::sway;
    }
    if (kwinShown) {
        return SessionKind::kwin;
    }
    if (gnomeShown) {
        return SessionKind::gnome;
    }
    return SessionKind::waylandUnknown;
}

SessionDetector::Detection SessionDetector::detect() {
    const SessionEnvironment environment = SessionEnvironment::fromProcess();
    const SessionKind guessed = guess(environment);
    CompositorOffers offered;
    if (isWayland(guessed)) {
        offered.globals = wayland::RegistryProbe::globals();
        offered.swayAnswers =
            !environment.swaySocket.empty() && sway::SwayIpc::answers(environment.swaySocket);
    }
    const SessionKind kind = confirm(guessed, environment, offered);
    return {kind, "Session: XDG_SESSION_TYPE=" + environment.sessionType +
                      " XDG_CURRENT_DESKTOP=" + environment.currentDesktop + " WAYLAND_DISPLAY=" +
                      environment.waylandDisplay + " DISPLAY=" + environment.display +
                      "; guessed " + std::string(kindName(guessed)) + ", confirmed " +
                      std::string(kindName(kind))};
}

}  // namespace korrelang::platform::session
