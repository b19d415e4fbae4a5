#include "shortcuts/recorder_control.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "platform/fake/fake_hot_keys.h"
#include "platform/fake/fake_input_sources.h"
#include "shortcuts/global_shortcuts.h"
#include "shortcuts/hot_key_probe.h"

namespace korrelang::shortcuts {
namespace {

using platform::Modifier;
using Outcome = RecorderControl::Outcome;

constexpr std::uint16_t kF5 = KEY_F5;
constexpr std::uint16_t kA = KEY_A;
constexpr std::uint16_t kQ = KEY_Q;

class RecorderControlTest : public ::testing::Test {
public:
    RecorderControlTest() {
        inputSources.keyTexts = {{KEY_SPACE, " "}, {kA, "a"}, {kQ, "q"}};
        shortcuts =
            std::make_unique<GlobalShortcuts>(dir.filePath("k.conf"), hotKeys, inputSources);
        shortcuts->addName(name);
        shortcuts->addKeyUpHandler(name, [this] { ++conversions; });
        recorder = std::make_unique<RecorderControl>(
            *shortcuts, &hotKeys, name,
            RecorderControl::Host{
                [this] { ++beeps; },
                [this](const Shortcut& s) { return HotKeyProbe::isTaken(hotKeys, s); },
                [this](const QString&, const QString&) {
                    ++alerts;
                    return forceUse;
                },
                {}});
    }

    QTemporaryDir dir;
    platform::fake::FakeHotKeys hotKeys;
    platform::fake::FakeInputSources inputSources;
    const Name name = Name::toggleConversion();
    std::unique_ptr<GlobalShortcuts> shortcuts;
    std::unique_ptr<RecorderControl> recorder;
    int beeps = 0;
    int alerts = 0;
    int conversions = 0;
    bool forceUse = false;
};

TEST_F(RecorderControlTest, IdleShowsTheStoredShortcutAndRecordingSwapsThePlaceholder) {
    EXPECT_EQ(recorder->text(), QString::fromUtf8("Ctrl+Shift+Space"));
    EXPECT_EQ(recorder->placeholder(), "Record Shortcut");
    QSignalSpy active(shortcuts.get(), &GlobalShortcuts::recorderActiveStatusDidChange);
    recorder->startRecording();
    EXPECT_EQ(recorder->placeholder(), "Press Shortcut");
    EXPECT_TRUE(shortcuts->recorderActive());
    // The grabs are released, so the stored shortcut reaches the recorder, not the conversion.
    EXPECT_TRUE(hotKeys.suspended);
    recorder->endRecording();
    EXPECT_FALSE(shortcuts->recorderActive());
    EXPECT_FALSE(hotKeys.suspended);
    ASSERT_EQ(active.size(), 2);
    EXPECT_TRUE(active[0][0].toBool());
    EXPECT_FALSE(active[1][0].toBool());
}

TEST_F(RecorderControlTest, KeysWithoutCommandModifiersAreRefusedExceptFunctionKeys) {
    struct Case {
        std::uint16_t key;
        platform::Modifiers flags;
        bool accepted;
    };
    for (const Case& c : {Case{kA, {}, false}, Case{kA, Modifier::Shift, false},
                          Case{kA, Modifier::CapsLock, false}, Case{kF5, {}, true},
                          Case{KEY_F19, {}, false},  // no name to store it under
                          Case{kQ, Modifier::Control | Modifier::Alt, true}}) {
        recorder->startRecording();
        const int beepsBefore = beeps;
        EXPECT_EQ(recorder->handleKeyDown(c.key, c.flags), Outcome::Consumed);
        EXPECT_EQ(beeps - beepsBefore, c.accepted ? 0 : 1) << c.key << " " << c.flags.text();
        EXPECT_EQ(recorder->isRecording(), !c.accepted) << c.key << " " << c.flags.text();
        recorder->endRecording();
    }
    EXPECT_EQ(shortcuts->shortcutFor(name), (Shortcut{kQ, Modifier::Control | Modifier::Alt}));
}

TEST_F(RecorderControlTest, TabPassesOnEscapeKeepsDeleteClears) {
    QSignalSpy changed(recorder.get(), &RecorderControl::shortcutChanged);
    recorder->startRecording();
    EXPECT_EQ(recorder->handleKeyDown(KEY_TAB, {}), Outcome::PassedOn);
    EXPECT_FALSE(recorder->isRecording());

    recorder->startRecording();
    EXPECT_EQ(recorder->handleKeyDown(KEY_ESC, {}), Outcome::Consumed);
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_TRUE(shortcuts->shortcutFor(name).has_value());
    EXPECT_EQ(changed.size(), 0);

    recorder->startRecording();
    EXPECT_EQ(recorder->handleKeyDown(KEY_BACKSPACE, {}), Outcome::Consumed);
    EXPECT_FALSE(shortcuts->shortcutFor(name).has_value());
    EXPECT_TRUE(recorder->text().isEmpty());
    EXPECT_TRUE(recorder->isRecording());  // clearing keeps listening
    ASSERT_EQ(changed.size(), 1);
    EXPECT_FALSE(changed[0][0].toBool());
    EXPECT_TRUE(hotKeys.registered.empty());
}

TEST_F(RecorderControlTest, RecordingTheStoredShortcutStoresItAgainWithoutConverting) {
    QSignalSpy changed(shortcuts.get(), &GlobalShortcuts::shortcutByNameDidChange);
    QSignalSpy told(recorder.get(), &RecorderControl::shortcutChanged);
    recorder->startRecording();
    // While recording no grab is live: a press cannot reach the conversion.
    EXPECT_FALSE(hotKeys.press(KEY_SPACE, Modifier::Control | Modifier::Shift));
    EXPECT_EQ(recorder->handleKeyDown(KEY_SPACE, Modifier::Control | Modifier::Shift),
              Outcome::Consumed);
    EXPECT_EQ(alerts, 0);  // our own grab is no conflict
    EXPECT_EQ(conversions, 0);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(told.size(), 1);
    EXPECT_FALSE(hotKeys.suspended);
    ASSERT_EQ(hotKeys.registered.size(), 1u);
    EXPECT_EQ(hotKeys.registered.begin()->second.key, KEY_SPACE);
}

TEST_F(RecorderControlTest, AShortcutTakenByAnotherProgramNeedsConfirmation) {
    hotKeys.taken = {{kQ, Modifier::Control | Modifier::Alt}};
    recorder->startRecording();
    EXPECT_EQ(recorder->handleKeyDown(kQ, Modifier::Control | Modifier::Alt), Outcome::Consumed);
    EXPECT_EQ(alerts, 1);
    EXPECT_TRUE(recorder->isRecording());  // recording restarts after the alert
    EXPECT_TRUE(hotKeys.suspended);
    EXPECT_EQ(shortcuts->shortcutFor(name),
              (Shortcut{KEY_SPACE, Modifier::Control | Modifier::Shift}));

    forceUse = true;
    EXPECT_EQ(recorder->handleKeyDown(kQ, Modifier::Control | Modifier::Alt), Outcome::Consumed);
    EXPECT_EQ(alerts, 2);
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_EQ(shortcuts->shortcutFor(name), (Shortcut{kQ, Modifier::Control | Modifier::Alt}));
}

TEST_F(RecorderControlTest, AnIdleRecorderFollowsAChangeMadeElsewhere) {
    shortcuts->storeShortcut(std::nullopt, name);
    EXPECT_TRUE(recorder->text().isEmpty());
    shortcuts->resetToDefaults({name});
    EXPECT_EQ(recorder->text(), QString::fromUtf8("Ctrl+Shift+Space"));
}

TEST_F(RecorderControlTest, DestroyingARecordingControlGivesTheHotKeysBack) {
    recorder->startRecording();
    recorder.reset();
    EXPECT_FALSE(hotKeys.suspended);
    EXPECT_FALSE(shortcuts->recorderActive());
}

}  // namespace
}  // namespace korrelang::shortcuts
