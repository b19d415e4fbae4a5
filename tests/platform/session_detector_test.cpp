#include "platform/session/session_detector.h"

#include <gtest/gtest.h>

namespace korrelang::platform::session {
namespace {

struct GuessCase {
    const char* what;
    SessionEnvironment environment;
    SessionKind expected;
};

class SessionGuess : public testing::TestWithParam<GuessCase> {};

TEST_P(SessionGuess, FollowsTheEnvironment) {
    EXPECT_EQ(SessionDetector::guess(GetParam().environment), GetParam().expected)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, SessionGuess,
    testing::Values(
        GuessCase{"plain X11", {"x11", "", ":0", "XFCE", ""}, SessionKind::x11},
        GuessCase{"no session type, only DISPLAY", {"", "", ":1", "", ""}, SessionKind::x11},
        GuessCase{"nothing at all", {"", "", "", "", ""}, SessionKind::none},
        GuessCase{"nested X server inside Wayland",
                  {"x11", "wayland-0", ":1", "sway", "/s"},
                  SessionKind::x11},
        GuessCase{"sway by its socket",
                  {"wayland", "wayland-1", ":0", "", "/run/sway.sock"},
                  SessionKind::sway},
        GuessCase{
            "sway by name, no socket", {"wayland", "wayland-1", "", "sway", ""}, SessionKind::sway},
        GuessCase{"Plasma", {"wayland", "wayland-0", ":1", "KDE", ""}, SessionKind::kwin},
        GuessCase{"Ubuntu's GNOME",
                  {"wayland", "wayland-0", ":0", "ubuntu:GNOME", ""},
                  SessionKind::gnome},
        GuessCase{"a desktop name that only contains GNOME",
                  {"wayland", "w", "", "GNOME-Flashback", ""},
                  SessionKind::waylandUnknown},
        GuessCase{"WAYLAND_DISPLAY without a session type",
                  {"", "wayland-0", "", "Hyprland", ""},
                  SessionKind::waylandUnknown},
        GuessCase{"session type wayland, display default",
                  {"wayland", "", "", "", ""},
                  SessionKind::waylandUnknown}));

struct ConfirmCase {
    const char* what;
    SessionKind guess;
    std::string display;
    CompositorOffers offers;
    SessionKind expected;
};

class SessionConfirm : public testing::TestWithParam<ConfirmCase> {};

TEST_P(SessionConfirm, TrustsTheCompositor) {
    SessionEnvironment environment;
    environment.display = GetParam().display;
    EXPECT_EQ(SessionDetector::confirm(GetParam().guess, environment, GetParam().offers),
              GetParam().expected)
        << GetParam().what;
}

using Globals = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Offers, SessionConfirm,
    testing::Values(
        ConfirmCase{"X11 is not probed", SessionKind::x11, ":0", {}, SessionKind::x11},
        ConfirmCase{
            "sway answering", SessionKind::sway, "", {Globals{"wl_seat"}, true}, SessionKind::sway},
        ConfirmCase{"sway socket dead",
                    SessionKind::sway,
                    "",
                    {Globals{"wl_seat", "zwlr_data_control_manager_v1"}, false},
                    SessionKind::waylandUnknown},
        ConfirmCase{"no compositor, Xwayland left",
                    SessionKind::kwin,
                    ":0",
                    {std::nullopt, false},
                    SessionKind::x11},
        ConfirmCase{"no compositor, nothing left",
                    SessionKind::sway,
                    "",
                    {std::nullopt, false},
                    SessionKind::none},
        ConfirmCase{"KWin shows its globals",
                    SessionKind::kwin,
                    "",
                    {Globals{"wl_seat", "org_kde_kwin_fake_input"}, false},
                    SessionKind::kwin},
        ConfirmCase{"KDE named, compositor is not KWin",
                    SessionKind::kwin,
                    "",
                    {Globals{"wl_seat"}, false},
                    SessionKind::waylandUnknown},
        ConfirmCase{"GNOME shows gtk_shell1",
                    SessionKind::gnome,
                    "",
                    {Globals{"gtk_shell1"}, false},
                    SessionKind::gnome},
        ConfirmCase{"unnamed desktop that is KWin",
                    SessionKind::waylandUnknown,
                    "",
                    {Globals{"org_kde_plasma_shell"}, false},
                    SessionKind::kwin},
        ConfirmCase{"unnamed desktop with a sway socket",
                    SessionKind::waylandUnknown,
                    "",
                    {Globals{}, true},
                    SessionKind::sway},
        ConfirmCase{"GNOME named, KWin shown",
                    SessionKind::gnome,
                    "",
                    {Globals{"org_kde_kwin_fake_input"}, false},
                    SessionKind::kwin}));

}  // namespace
}  // namespace korrelang::platform::session
