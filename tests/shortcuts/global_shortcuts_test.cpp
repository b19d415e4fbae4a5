#include "shortcuts/global_shortcuts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include "platform/fake/fake_hot_keys.h"
#include "platform/fake/fake_input_sources.h"
#include "support/log_capture.h"

namespace korrelang::shortcuts {
namespace {

using platform::Modifier;

const platform::Modifiers kControlShift = Modifier::Control | Modifier::Shift;
const Shortcut kDefault{KEY_SPACE, Modifier::Control | Modifier::Shift};
const Shortcut kOther{KEY_C, Modifier::Super | Modifier::Alt};

class GlobalShortcutsTest : public ::testing::Test {
public:
    QString path() const { return m_directory.filePath("Korrelang.conf"); }
    QVariant stored() const {
        return QSettings(path(), QSettings::IniFormat).value("GlobalShortcuts_toggleConversion");
    }
    void store(const QVariant& value) {
        QSettings file(path(), QSettings::IniFormat);
        file.setValue("GlobalShortcuts_toggleConversion", value);
    }
    std::unique_ptr<GlobalShortcuts> make() {
        auto shortcuts = std::make_unique<GlobalShortcuts>(path(), hotKeys, inputSources);
        shortcuts->addKeyUpHandler(name, [this] { ++keyUps; });
        shortcuts->addKeyDownHandler(name, [this] { ++keyDowns; });
        return shortcuts;
    }
    // Registered grabs as (key, mask).
    std::vector<std::pair<platform::KeyCode, platform::Modifiers>> grabs() const {
        std::vector<std::pair<platform::KeyCode, platform::Modifiers>> out;
        for (const auto& [id, entry] : hotKeys.registered) {
            out.emplace_back(entry.key, entry.modifiers);
        }
        return out;
    }

    QTemporaryDir m_directory;
    platform::fake::FakeHotKeys hotKeys;
    platform::fake::FakeInputSources inputSources;
    Name name = Name::toggleConversion();
    int keyUps = 0;
    int keyDowns = 0;
};

TEST_F(GlobalShortcutsTest, AFreshStoreGetsTheDefaultAndDispatchesIt) {
    auto shortcuts = make();
    shortcuts->addName(name);
    EXPECT_EQ(stored().toString(), "<Control><Shift>space");
    EXPECT_EQ(grabs(), (decltype(grabs()){{KEY_SPACE, kControlShift}}));
    ASSERT_TRUE(hotKeys.press(KEY_SPACE, kControlShift));
    EXPECT_EQ(keyDowns, 1);
    EXPECT_EQ(keyUps, 1);
}

TEST_F(GlobalShortcutsTest, AClearedShortcutStaysCleared) {
    store(false);
    auto shortcuts = make();
    shortcuts->addName(name);
    EXPECT_EQ(shortcuts->shortcutFor(name), std::nullopt);
    EXPECT_TRUE(hotKeys.registered.empty());
    EXPECT_EQ(stored().toString(), "false");
}

TEST_F(GlobalShortcutsTest, TheEarlierFormIsRewrittenOnceAndGrabbed) {
    store(QStringLiteral(R"({"carbonKeyCode":8,"carbonModifiers":2304})"));
    const testing::LogCapture log;
    auto shortcuts = make();
    shortcuts->addName(name);
    EXPECT_EQ(stored().toString(), "<Alt><Super>c");
    EXPECT_EQ(shortcuts->shortcutFor(name), (Shortcut{KEY_C, Modifier::Alt | Modifier::Super}));
    EXPECT_EQ(grabs(), (decltype(grabs()){{KEY_C, Modifier::Alt | Modifier::Super}}));
    EXPECT_TRUE(log.mentions("toggleConversion rewritten as <Alt><Super>c"));

    // The next start reads the new form as it is.
    shortcuts.reset();
    auto again = make();
    again->addName(name);
    EXPECT_EQ(stored().toString(), "<Alt><Super>c");
    EXPECT_FALSE(QSettings(path(), QSettings::IniFormat)
                     .contains("GlobalShortcuts_toggleConversionUnreadable"));
}

TEST_F(GlobalShortcutsTest, AnUnreadableValueIsKeptAsideAndTheDefaultApplies) {
    for (const char* value :
         {"{", R"({"carbonKeyCode":49,"carbonModifiers":135168})", "<Control><Shift>nosuchkey"}) {
        SCOPED_TRACE(value);
        store(QString(value));
        const testing::LogCapture log;
        auto shortcuts = make();
        shortcuts->addName(name);
        EXPECT_EQ(shortcuts->shortcutFor(name), kDefault);
        EXPECT_EQ(stored().toString(), "<Control><Shift>space");
        EXPECT_EQ(QSettings(path(), QSettings::IniFormat)
                      .value("GlobalShortcuts_toggleConversionUnreadable")
                      .toString(),
                  value);
        EXPECT_TRUE(
            log.mentions("the stored value is unreadable; kept as "
                         "GlobalShortcuts_toggleConversionUnreadable, the default applies"));
        shortcuts.reset();
        hotKeys.registered.clear();
    }
}

TEST_F(GlobalShortcutsTest, UnreadableValuesReadAsNoShortcut) {
    for (const char* value :
         {"{", "[]", R"({"carbonKeyCode":"49","carbonModifiers":4608})", R"({"carbonKeyCode":49})",
          R"({"carbonKeyCode":-1,"carbonModifiers":0})",
          R"({"carbonKeyCode":1.5,"carbonModifiers":0})"}) {
        SCOPED_TRACE(value);
        store(QString(value));
        GlobalShortcuts shortcuts(path(), hotKeys, inputSources);
        EXPECT_EQ(shortcuts.shortcutFor(name), std::nullopt);
    }
}

TEST_F(GlobalShortcutsTest, StoringMovesTheGrabAndNotifies) {
    auto shortcuts = make();
    shortcuts->addName(name);
    QSignalSpy changed(shortcuts.get(), &GlobalShortcuts::shortcutByNameDidChange);

    shortcuts->storeShortcut(kDefault, name);
    shortcuts->storeShortcut(kDefault, name);
    EXPECT_EQ(grabs().size(), 1u) << "the same shortcut is grabbed once";

    shortcuts->storeShortcut(kOther, name);
    EXPECT_EQ(grabs(), (decltype(grabs()){{KEY_C, kOther.modifiers}}));

    // Clearing releases the grab of the shortcut that was stored.
    shortcuts->storeShortcut(std::nullopt, name);
    EXPECT_TRUE(grabs().empty());
    EXPECT_EQ(stored().toString(), "false");

    shortcuts->resetToDefaults({name});
    EXPECT_EQ(grabs(), (decltype(grabs()){{KEY_SPACE, kControlShift}}));
    EXPECT_EQ(changed.count(), 5);
    EXPECT_EQ(changed.last().at(0).toString(), "toggleConversion");
}

TEST_F(GlobalShortcutsTest, TheDesktopsTriggerIsWhatTheUserReads) {
    auto shortcuts = make();
    shortcuts->addName(name);
    shortcuts->addKeyUpHandler(name, [] {});
    const auto shortcut = shortcuts->shortcutFor(name);
    ASSERT_TRUE(shortcut);
    const std::string ours = shortcuts->description(*shortcut);
    QSignalSpy changed(shortcuts.get(), &GlobalShortcuts::shortcutByNameDidChange);

    // The desktop reports the trigger the user gave the shortcut in its settings.
    ASSERT_EQ(hotKeys.registered.size(), 1u);
    hotKeys.triggers[hotKeys.registered.begin()->first] = "Meta+K";
    ASSERT_TRUE(hotKeys.triggerCallback);
    hotKeys.triggerCallback();
    EXPECT_EQ(shortcuts->description(*shortcut), "Meta+K");
    EXPECT_EQ(changed.count(), 1);

    // Without a report, or for a shortcut that is not registered, it is our own description.
    hotKeys.triggers.clear();
    EXPECT_EQ(shortcuts->description(*shortcut), ours);
    shortcuts.reset();
    EXPECT_FALSE(hotKeys.triggerCallback) << "no callback outlives the object";
}

TEST_F(GlobalShortcutsTest, ANameWithoutDefaultIsRemovedWhenCleared) {
    const Name custom{"custom", std::nullopt};
    GlobalShortcuts shortcuts(path(), hotKeys, inputSources);
    shortcuts.addName(custom);
    EXPECT_TRUE(hotKeys.registered.empty());
    shortcuts.storeShortcut(kOther, custom);
    shortcuts.resetToDefaults({custom});
    EXPECT_TRUE(hotKeys.registered.empty());
    EXPECT_FALSE(QSettings(path(), QSettings::IniFormat).contains("GlobalShortcuts_custom"));
}

TEST_F(GlobalShortcutsTest, ARefusedGrabIsNotCountedAndIsRetried) {
    hotKeys.taken = {{KEY_SPACE, kControlShift}};
    auto shortcuts = make();
    shortcuts->addName(name);
    EXPECT_FALSE(shortcuts->isRegistered(kDefault));
    EXPECT_TRUE(hotKeys.registered.empty());

    hotKeys.taken.clear();
    shortcuts->setRetryInterval(1);
    for (int i = 0; i < 2000 && !shortcuts->isRegistered(kDefault); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    EXPECT_TRUE(shortcuts->isRegistered(kDefault));
    ASSERT_TRUE(hotKeys.press(KEY_SPACE, kControlShift));
    EXPECT_EQ(keyUps, 1);
}

TEST_F(GlobalShortcutsTest, TheRecorderSilencesDispatch) {
    auto shortcuts = make();
    shortcuts->addName(name);
    QSignalSpy recorder(shortcuts.get(), &GlobalShortcuts::recorderActiveStatusDidChange);
    shortcuts->setRecorderActive(true);
    hotKeys.press(KEY_SPACE, kControlShift);
    EXPECT_EQ(keyUps, 0);
    shortcuts->setRecorderActive(false);
    hotKeys.press(KEY_SPACE, kControlShift);
    EXPECT_EQ(keyUps, 1);
    EXPECT_EQ(recorder.count(), 2);
}

TEST_F(GlobalShortcutsTest, NoGrabOutlivesTheObject) {
    make()->addName(name);
    EXPECT_TRUE(hotKeys.registered.empty());
}

TEST(Shortcut, DescriptionsAndFlags) {
    platform::fake::FakeInputSources sources;
    sources.keyTexts = {{KEY_C, "c"}, {KEY_A, "ab"}, {KEY_Q, "ß"}};
    struct Case {
        Shortcut shortcut;
        const char* text;
    };
    const Case cases[] = {
        {kDefault, "Ctrl+Shift+Space"},
        {Shortcut::of(KEY_C, Modifier::Super | Modifier::Alt | Modifier::CapsLock), "Meta+Alt+C"},
        {{KEY_A, Modifier::Shift}, "Shift+\uFFFD"},  // more than one character
        {{KEY_Q, {}}, "SS"},                         // full case mapping
        {{KEY_V, Modifier::Super}, "Meta+\uFFFD"},   // the layout types nothing
        {{KEY_F1, {}}, "F1"},
        {{KEY_KP0, {}}, "Num+0"},
        {{KEY_PAGEUP, Modifier::Control | Modifier::Alt}, "Ctrl+Alt+PgUp"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.shortcut.description(sources), c.text);
    }
}

}  // namespace
}  // namespace korrelang::shortcuts

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
