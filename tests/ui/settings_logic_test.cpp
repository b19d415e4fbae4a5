// The settings screens' logic without rendering: the feedback post and the update check against
// real HTTP servers on 127.0.0.1, the keyboard selection's order, the blacklist, the onboarding.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include "model_column.h"
#include "settings_test_bench.h"
#include "support/http_test_server.h"

namespace korrelang::ui {
namespace {

using testing::HttpTestServer;

QUrl endpoint(const HttpTestServer& server, const char* path) {
    return QUrl(server.baseURL() + QLatin1String(path));
}

/// The form fields of a body, decoded.
QList<std::pair<QString, QString>> fields(const QByteArray& body) {
    QList<std::pair<QString, QString>> out;
    for (const QByteArray& part : body.split('&')) {
        const qsizetype eq = part.indexOf('=');
        out.append({QString::fromUtf8(part.left(eq)),
                    QString::fromUtf8(QByteArray::fromPercentEncoding(part.mid(eq + 1)))});
    }
    return out;
}

TEST(FeedbackForm, BodyKeepsPunctuationInsideOneField) {
    const QByteArray body =
        FeedbackViewModel::formBody(QStringLiteral("Bug"), QStringLiteral("Tom"), QString(),
                                    QStringLiteral("Tom & Jerry = friends"));
    EXPECT_EQ(body,
              "entry.489815371=Bug&entry.1084462998=Tom&entry.369253779=&"
              "entry.1149910276=Tom%20%26%20Jerry%20%3D%20friends");
    EXPECT_EQ(FeedbackViewModel::formBody("", "", "", QString::fromUtf8("é~+\n")),
              "entry.489815371=&entry.1084462998=&entry.369253779=&entry.1149910276=%C3%A9~%2B%0A");
}

TEST(FeedbackForm, PostsOnceAndOnlyASuccessStatusCountsAsSent) {
    struct Case {
        int status;
        bool sent;
    };
    for (const Case& c : {Case{200, true}, Case{500, false}, Case{404, false}}) {
        HttpTestServer server;
        server.answer(c.status);
        SettingsTestBench bench({3, endpoint(server, "/forms/d/e/test/formResponse"), {}});
        FeedbackViewModel& form = bench.feedback();
        EXPECT_FALSE(form.canSend());
        form.setMessage(QStringLiteral("Tom & Jerry = friends"));
        form.setFeedbackType(1);
        form.setProperty("name", QStringLiteral("Ann"));
        ASSERT_TRUE(form.canSend());
        QSignalSpy state(&form, &FeedbackViewModel::stateChanged);
        form.send();
        EXPECT_TRUE(form.isSending());
        form.send();  // a second press while sending does nothing
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isSending(); }, 20000));
        EXPECT_EQ(form.showSuccess(), c.sent) << c.status;
        EXPECT_EQ(form.showError(), !c.sent) << c.status;
        EXPECT_EQ(form.message(), QStringLiteral("Tom & Jerry = friends"));

        ASSERT_EQ(server.requests().size(), 1);
        const HttpTestServer::Request& request = server.requests().front();
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.path, "/forms/d/e/test/formResponse");
        EXPECT_EQ(request.headers.value("content-type"), "application/x-www-form-urlencoded");
        const auto received = fields(request.body);
        ASSERT_EQ(received.size(), 4);
        EXPECT_EQ(received[0], std::pair(QStringLiteral("entry.489815371"), QStringLiteral("Bug")));
        EXPECT_EQ(received[1].second, QStringLiteral("Ann"));
        EXPECT_EQ(received[3].second,
                  QStringLiteral("Tom & Jerry = friends\n\n---\nLinux: Debian GNU/Linux 12\n"
                                 "App Version: 1.6.0 (Build 1)"));
    }
}

TEST(FeedbackForm, AnUnreachableServerIsAnError) {
    quint16 port = 0;
    {
        HttpTestServer server;
        port = server.port();
    }
    SettingsTestBench bench({3, QUrl(QStringLiteral("http://127.0.0.1:%1/f").arg(port)), {}});
    bench.feedback().setMessage(QStringLiteral("   "));  // spaces are a message
    ASSERT_TRUE(bench.feedback().canSend());
    bench.feedback().send();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bench.feedback().isSending(); }, 20000));
    EXPECT_TRUE(bench.feedback().showError());
}

TEST(FeedbackForm, WithoutAnAddressNothingCanBeSent) {
    SettingsTestBench bench;
    bench.feedback().setMessage(QStringLiteral("hello"));
    EXPECT_FALSE(bench.feedback().isConfigured());
    EXPECT_FALSE(bench.feedback().canSend());
    bench.feedback().send();
    EXPECT_FALSE(bench.feedback().isSending());
}

TEST(UpdateChecker, ReportsANewerVersionAndRemembersTheCheck) {
    struct Case {
        int status;
        QByteArray body;
        const char* outcome;
    };
    const QList<Case> cases{
        {200, R"({"version":"1.7.0","url":"https://example.invalid/get"})", "newer"},
        {200, R"({"version":"1.6.0","url":"https://example.invalid/get"})", "current"},
        {200, R"({"version":"1.5.9"})", "current"},
        {200, R"({"version":"1.7.0","url":"file:///etc/passwd"})", "newer, no address"},
        {200, R"({"version":"1.7.0","url":"http://example.invalid/get"})", "newer, no address"},
        {200, R"json({"version":"1.7.0","url":"javascript:alert(1)"})json", "newer, no address"},
        {200, R"({"version":"1.7.0","url":"https:///nohost"})", "newer, no address"},
        {200, "not json", "failed"},
        {500, "", "failed"},
    };
    for (const Case& c : cases) {
        HttpTestServer server;
        server.answer(c.status, c.body);
        SettingsTestBench bench({3, {}, endpoint(server, "/feed.json")});
        updates::UpdateChecker& checker = bench.updates();
        QSignalSpy newer(&checker, &updates::UpdateChecker::updateAvailable);
        QSignalSpy current(&checker, &updates::UpdateChecker::upToDate);
        QSignalSpy failed(&checker, &updates::UpdateChecker::checkFailed);
        EXPECT_FALSE(checker.lastUpdateCheckDate().isValid());
        checker.checkForUpdates();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !checker.isChecking(); }, 20000));
        const bool withAddress = !newer.isEmpty() && !newer[0][1].toUrl().isEmpty();
        const QString outcome = !newer.isEmpty()     ? (withAddress ? "newer" : "newer, no address")
                                : !current.isEmpty() ? "current"
                                                     : "failed";
        EXPECT_EQ(outcome, QLatin1String(c.outcome)) << c.body.constData();
        // Only a feed that was read counts as a check.
        EXPECT_EQ(checker.lastUpdateCheckDate().isValid(), outcome != "failed");
        if (withAddress) {
            EXPECT_EQ(newer[0][0].toString(), QStringLiteral("1.7.0"));
            EXPECT_EQ(newer[0][1].toUrl(), QUrl(QStringLiteral("https://example.invalid/get")));
            EXPECT_TRUE(newer[0][2].toBool());
            EXPECT_TRUE(
                bench.preferences().updateCaption().startsWith(QStringLiteral("Last checked: ")));
        }
    }
}

TEST(UpdateChecker, AutomaticSwitchIsStoredAndOffWithoutAFeed) {
    SettingsTestBench bench;
    EXPECT_TRUE(bench.preferences().automaticUpdates());
    bench.preferences().setAutomaticUpdates(false);
    EXPECT_EQ(bench.storedValue(QStringLiteral("automaticallyChecksForUpdates")).toBool(), false);
    EXPECT_FALSE(bench.preferences().canCheckForUpdates());
    EXPECT_EQ(bench.preferences().updateCaption(),
              QStringLiteral("Updates come with your system's package updates"));
    EXPECT_TRUE(updates::UpdateChecker::isNewer("1.10.0", "1.9.9"));
    EXPECT_FALSE(updates::UpdateChecker::isNewer("1.6.0-beta", "1.6.0"));
    EXPECT_FALSE(updates::UpdateChecker::isNewer("", "1.6.0"));
}

TEST(PreferencesScreen, SelectionIsStoredInTheDetectorsOrder) {
    SettingsTestBench bench;
    PreferencesViewModel& preferences = bench.preferences();
    bench.settings().setSelectedKeyboards({QStringLiteral("xkb.il.Hebrew"),
                                           QStringLiteral("xkb.gone.Gone"),
                                           QStringLiteral("xkb.us.English")});
    preferences.setShown(true);
    // An uninstalled keyboard leaves the selection; the rest keep their order.
    EXPECT_EQ(bench.settings().selectedKeyboards(),
              QStringList({QStringLiteral("xkb.il.Hebrew"), QStringLiteral("xkb.us.English")}));
    preferences.setKeyboardSelected(QStringLiteral("xkb.us.English"), false);
    preferences.setKeyboardSelected(QStringLiteral("xkb.ru.Russian"), true);
    preferences.setKeyboardSelected(QStringLiteral("xkb.us.English"), true);
    EXPECT_EQ(bench.settings().selectedKeyboards(),
              QStringList({QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian"),
                           QStringLiteral("xkb.il.Hebrew")}));
    // The list stays in the detector's order and shows the selection.
    const KeyboardListModel& keyboards = *preferences.keyboards();
    EXPECT_EQ(column(keyboards, "keyboardId"),
              QVariantList({QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian"),
                            QStringLiteral("xkb.il.Hebrew")}));
    // The catalogue's names, not the desktop's descriptions.
    EXPECT_EQ(column(keyboards, "name"),
              QVariantList({QStringLiteral("English"), QStringLiteral("Russian"),
                            QStringLiteral("Hebrew")}));
    EXPECT_EQ(column(keyboards, "selected"), QVariantList({true, true, true}));
    preferences.setKeyboardSelected(QStringLiteral("xkb.ru.Russian"), false);
    EXPECT_EQ(column(keyboards, "selected"), QVariantList({true, false, true}));
    EXPECT_TRUE(preferences.isPolling());
    preferences.setShown(false);
    EXPECT_FALSE(preferences.isPolling());
}

TEST(PreferencesScreen, AFallbackListDropsNothingStored) {
    SettingsTestBench bench;
    bench.settings().setSelectedKeyboards(
        {QStringLiteral("xkb.ru.Russian"), QStringLiteral("xkb.xx.Own")});
    // The desktop cannot be asked: the detector answers with its fixed list.
    bench.inputSources().sources.reset();
    bench.preferences().setShown(true);
    EXPECT_EQ(bench.settings().selectedKeyboards(),
              QStringList({QStringLiteral("xkb.ru.Russian"), QStringLiteral("xkb.xx.Own")}));
}

TEST(PreferencesScreen, BlacklistOffersOnlyOtherApplications) {
    SettingsTestBench bench;
    PreferencesViewModel& preferences = bench.preferences();
    const QList<std::pair<QString, bool>> cases{
        {QStringLiteral("org.xfce.mousepad"), true},
        {QStringLiteral("Korrelang"), false},
        {QStringLiteral("com.anthropic.Claude"), false},
        {QString(), false},
    };
    for (const auto& [id, offered] : cases) {
        bench.setFrontmost(id, QStringLiteral("App"));
        preferences.refreshFrontmost();
        EXPECT_EQ(preferences.canBlacklist(), offered) << id.toStdString();
        EXPECT_EQ(preferences.currentAppName().isEmpty(), !offered);
    }
    bench.setFrontmost(QStringLiteral("org.xfce.mousepad"), QStringLiteral("Mousepad"));
    preferences.refreshFrontmost();
    preferences.addToBlacklist();
    EXPECT_FALSE(preferences.canBlacklist());  // until the next tick
    preferences.refreshFrontmost();
    preferences.addToBlacklist();  // already there: nothing changes
    EXPECT_EQ(bench.settings().blacklistedApps(), QStringList{QStringLiteral("org.xfce.mousepad")});
    EXPECT_EQ(bench.storedValue(QStringLiteral("blacklistedApps")).toStringList(),
              QStringList{QStringLiteral("org.xfce.mousepad")});
    // A name the desktop cannot find shows the identifier.
    EXPECT_EQ(column(*preferences.blacklist(), "name"),
              QVariantList{QStringLiteral("org.xfce.mousepad")});
    // The list follows the settings, whoever changes them, in their order.
    bench.workspace().installed["org.gnome.TextEditor"] = "Text Editor";
    bench.settings().setBlacklistedApps(
        {QStringLiteral("org.gnome.TextEditor"), QStringLiteral("org.xfce.mousepad")});
    EXPECT_EQ(column(*preferences.blacklist(), "appId"),
              QVariantList(
                  {QStringLiteral("org.gnome.TextEditor"), QStringLiteral("org.xfce.mousepad")}));
    EXPECT_EQ(column(*preferences.blacklist(), "name"),
              QVariantList({QStringLiteral("Text Editor"), QStringLiteral("org.xfce.mousepad")}));
    preferences.removeFromBlacklist(QStringLiteral("org.xfce.mousepad"));
    preferences.removeFromBlacklist(QStringLiteral("org.gnome.TextEditor"));
    EXPECT_TRUE(bench.settings().blacklistedApps().isEmpty());
    EXPECT_EQ(preferences.blacklist()->count(), 0);
}

TEST(PreferencesScreen, ResetRestoresTheDefaultHotkey) {
    SettingsTestBench bench;
    bench.recorder().startRecording();
    bench.recorder().clear();
    bench.recorder().endRecording();
    EXPECT_FALSE(bench.preferences().hasHotkey());
    bench.preferences().resetHotkey();
    EXPECT_TRUE(bench.preferences().hasHotkey());
    EXPECT_EQ(bench.recorder().text(), QString::fromUtf8("Ctrl+Shift+Space"));
}

TEST(Onboarding, AtLeastTwoKeyboardsAndTheTermsBeforeContinuing) {
    SettingsTestBench bench;
    FirstLaunchViewModel& onboarding = bench.firstLaunch();
    EXPECT_EQ(onboarding.selectedKeyboards().size(), 3);
    EXPECT_FALSE(onboarding.canContinue());
    onboarding.continueOnboarding();
    EXPECT_FALSE(bench.settings().hasCompletedFirstLaunch());

    onboarding.setKeyboardSelected(QStringLiteral("xkb.us.English"), false);
    EXPECT_FALSE(onboarding.canToggle(QStringLiteral("xkb.ru.Russian")));
    onboarding.setKeyboardSelected(QStringLiteral("xkb.ru.Russian"), false);
    EXPECT_EQ(onboarding.selectedKeyboards().size(), 2);
    EXPECT_EQ(column(*onboarding.keyboards(), "selected"), QVariantList({false, true, true}));
    EXPECT_TRUE(onboarding.canToggle(QStringLiteral("xkb.us.English")));
    onboarding.setKeyboardSelected(QStringLiteral("xkb.us.English"), true);

    onboarding.setHasAgreedToTerms(true);
    QSignalSpy finished(&onboarding, &FirstLaunchViewModel::finished);
    onboarding.continueOnboarding();
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(bench.storedValue(QStringLiteral("selectedKeyboards")).toStringList(),
              QStringList({QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian"),
                           QStringLiteral("xkb.il.Hebrew")}));
    EXPECT_TRUE(bench.storedValue(QStringLiteral("hasCompletedFirstLaunch")).toBool());
    EXPECT_TRUE(bench.storedValue(QStringLiteral("hasAcceptedTerms")).toBool());
    EXPECT_FALSE(onboarding.windowClosed());
}

TEST(Onboarding, ClosingBeforeContinuingIsASkip) {
    SettingsTestBench bench({1, {}, {}});
    EXPECT_FALSE(bench.firstLaunch().canToggle(QStringLiteral("xkb.us.English")));
    bench.firstLaunch().setHasAgreedToTerms(true);
    EXPECT_FALSE(bench.firstLaunch().canContinue());  // one keyboard can never continue
    EXPECT_TRUE(bench.firstLaunch().windowClosed());
    EXPECT_FALSE(bench.settings().hasCompletedFirstLaunch());
}

}  // namespace
}  // namespace korrelang::ui

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
