#include "hotkey_service.h"

#include <QCoreApplication>
#include <memory>

#include "accessibility_way.h"
#include "clipboard_way.h"
#include "engine/log_format.h"
#include "paste_way.h"
#include "service_log.h"
#include "settings/settings.h"
#include "slow_app_way.h"
#include "terminal_way.h"

namespace korrelang::service {

namespace {

using servicelog::boolText;
using servicelog::say;

const std::string kRule(50, '=');

// In order: a way that owns its kind of application comes before the general ones.
std::vector<std::unique_ptr<ConversionWay>> conversionWays(const platform::Platform& platform,
                                                           AccessibilityService& accessibility,
                                                           ClipboardStrategies& clipboard,
                                                           const MainThread& main, Clock& clock) {
    std::vector<std::unique_ptr<ConversionWay>> ways;
    ways.push_back(std::make_unique<TerminalWay>(platform, main, clock));
    ways.push_back(std::make_unique<SlowAppWay>(clipboard));
    ways.push_back(std::make_unique<AccessibilityWay>(accessibility));
    ways.push_back(std::make_unique<PasteWay>(accessibility, clipboard, main));
    ways.push_back(std::make_unique<ClipboardWay>(clipboard, accessibility, main));
    return ways;
}

}  // namespace

HotkeyService::HotkeyService(const platform::Platform& platform,
                             AccessibilityService& accessibility, settings::Settings& settings,
                             ConversionEvents& events, PressNotices& notices, Clock& clock,
                             QObject* parent)
    : QObject(parent),
      m_platform(platform),
      m_accessibility(accessibility),
      m_settings(settings),
      m_main(*this),
      m_clipboard(platform, m_main, clock),
      m_planner(clock),
      m_effects(platform.workspace, accessibility, settings, events, notices, m_main),
      m_pipeline(conversionWays(platform, accessibility, m_clipboard, m_main, clock), m_planner,
                 m_effects, m_main, [this] { emit conversionSucceeded(); }) {
    m_worker.setMaxThreadCount(1);
}

HotkeyService::~HotkeyService() {
    waitForWorker();
    m_effects.storeStatistics();
}

void HotkeyService::waitForWorker() {
    // The worker may be waiting for a hop to this thread: keep serving events while it ends.
    while (!m_worker.waitForDone(5)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
}

void HotkeyService::hotkeyEntry() {
    if (!m_settings.isEnabled()) {
        say("⏸️ Hotkey pressed but app is disabled");
        return;
    }
    handleHotkey();
}

void HotkeyService::handleHotkey() {
    m_platform.workspace.systemLog("🔥🔥🔥 HOTKEY PRESSED - THIS SHOULD ALWAYS APPEAR 🔥🔥🔥");
    say("\n" + kRule);
    say("🔥 HOTKEY PRESSED");
    say(kRule);
    if (m_inProgress) {
        say("⚠️ Conversion already in progress, ignoring hotkey press");
        return;
    }
    PressContext context;
    context.activeLayoutID = m_accessibility.getCurrentKeyboardID();
    say("📊 App enabled: " + boolText(m_settings.isEnabled()));
    // Read once for the whole press: the worker never has to ask the main thread for them.
    context.keyboards = m_settings.selectedKeyboardIDs();
    context.keepSelection = m_settings.keepSelectionAfterConversion();
    say("⌨️  Selected keyboards: " + engine::LogFormat::list(context.keyboards));
    if (context.keyboards.empty()) {
        say("⚠️  WARNING: No keyboards selected!");
    }
    const bool trusted = m_accessibility.checkAccessibilityPermission();
    say("🔐 Accessibility permission: " + boolText(trusted));
    if (!trusted) {
        say("❌ No Accessibility permission");
        m_effects.failed(PressFailure::accessibilityDenied, context.keyboards);
        emit pressFinished();
        return;
    }
    say("✅ Has Accessibility permission");

    context.application = m_platform.workspace.frontmostApplication();
    if (context.application) {
        say("📊 Frontmost app: " + context.application->name + " (" + context.application->id + ")");
    }
    bool handedOver = false;
    // Before any way reads or presses a key: a blacklisted application is never touched.
    if (isBlacklisted(context.application)) {
        say("🚫 Current app is blacklisted, skipping conversion");
        m_platform.workspace.beep();
    } else {
        m_accessibility.startPress();
        m_pipeline.begin(std::move(context));
        handedOver = convert();
    }
    say(kRule + "\n");
    if (!handedOver) {
        emit pressFinished();
    }
}

bool HotkeyService::isBlacklisted(const std::optional<platform::Application>& app) const {
    if (!app || app->id.empty()) {
        return false;
    }
    if (!m_settings.blacklistedApps().contains(QString::fromStdString(app->id),
                                               Qt::CaseSensitive)) {
        return false;
    }
    say("🚫 App " + app->id + " is blacklisted");
    return true;
}

bool HotkeyService::convert() {
    if (!m_pipeline.run()) {
        return false;
    }
    m_inProgress = true;
    m_worker.start([this] {
        m_pipeline.resume();
        m_main.post([this] {
            m_inProgress = false;
            emit pressFinished();
        });
    });
    return true;
}

}  // namespace korrelang::service
