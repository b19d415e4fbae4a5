import QtQuick
import QtTest
import Korrelang.Ui

Item {
    id: top
    width: 760
    height: 620

    TestCase {
        id: test
        name: "Preferences"
        when: windowShown

        Component {
            id: window
            SettingsContainerView {}
        }

        function make(endpoint) {
            const bench = testSetup.newSettingsBench(3, endpoint)
            const view = createTemporaryObject(window, top, { model: bench.model })
            verify(view)
            waitForRendering(view)
            return { bench: bench, view: view }
        }

        function named(item, name) {
            let found = []
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i]
                if (child.objectName === name)
                    found.push(child)
                found = found.concat(named(child, name))
            }
            return found
        }

        function tap(item) {
            mouseClick(item, item.width / 2, item.height / 2)
        }

        function test_keyboardTogglesStoreTheDetectorsOrder() {
            const s = make("")
            const toggles = named(s.view, "keyboardToggle")
            compare(toggles.length, 3)
            tap(named(toggles[2], "switch")[0])  // Hebrew first
            tap(named(toggles[0], "switch")[0])  // then English
            compare(s.bench.storedValue("selectedKeyboards"), ["xkb.us.English", "xkb.il.Hebrew"])
            verify(toggles[0].isOn && !toggles[1].isOn && toggles[2].isOn)
        }

        function test_withoutTheShellExtensionItsFeaturesAreOffAndExplained() {
            const s = make("")
            s.bench.setFrontmost("org.gnome.gedit", "gedit")
            const autoSwitch = named(s.view, "autoSwitchToggle")[0]
            verify(autoSwitch.isOn && autoSwitch.enabled)
            compare(named(s.view, "pasteNeedsExtension")[0].visible, false)

            s.bench.setShellExtension(false)
            s.bench.preferences.refreshFrontmost()
            verify(!autoSwitch.enabled && !autoSwitch.isOn)
            verify(autoSwitch.caption.indexOf("Extensions app") >= 0)
            verify(named(s.view, "pasteNeedsExtension")[0].visible)
            verify(named(s.view, "blacklistNeedsExtension")[0].visible)
            verify(!named(s.view, "blacklistButton")[0].buttonEnabled)
            // The user's choice is kept for when the extension is back.
            verify(s.bench.settings.autoSwitchKeyboard)

            s.bench.setShellExtension(true)
            s.bench.preferences.refreshFrontmost()
            verify(autoSwitch.enabled && autoSwitch.isOn)
            verify(named(s.view, "blacklistButton")[0].buttonEnabled)
        }

        function test_advancedSwitchesWriteTheSettings() {
            const s = make("")
            const analytics = named(s.view, "analyticsToggle")[0]
            verify(analytics.isOn)
            tap(named(analytics, "switch")[0])
            verify(!s.bench.settings.analyticsEnabled)
            compare(s.bench.storedValue("analyticsEnabled"), false)
            const steady = named(s.view, "steadySelectionToggle")[0]
            tap(named(steady, "switch")[0])
            compare(s.bench.storedValue("keepSelectionAfterConversion"), false)
            const spelling = named(s.view, "pickLayoutBySpellingToggle")[0]
            verify(spelling.isOn)
            tap(named(spelling, "switch")[0])
            compare(s.bench.storedValue("pickLayoutBySpelling"), false)
        }

        function test_resetReplacesTheWarning() {
            const s = make("")
            s.bench.recorder.clear()
            s.bench.recorder.endRecording()
            const warning = named(s.view, "hotkeyWarning")[0]
            const caption = named(s.view, "hotkeyCaption")[0]
            tryVerify(() => warning.visible && !caption.visible)
            tap(named(s.view, "resetButton")[0])
            verify(!warning.visible && caption.visible)
            compare(named(s.view, "recorderText")[0].text, "Ctrl+Shift+Space")
        }

        function test_recorderRecordsWhileFocused() {
            const s = make("")
            const field = named(s.view, "recorder")[0]
            tap(field)
            verify(s.bench.recorder.isRecording)
            compare(named(s.view, "recorderText")[0].text, "Ctrl+Shift+Space")
            keyClick(Qt.Key_A)  // a bare letter is refused and recording goes on
            verify(s.bench.recorder.isRecording)
            keyClick(Qt.Key_Q, Qt.ControlModifier | Qt.AltModifier)
            verify(!s.bench.recorder.isRecording)
            compare(named(s.view, "recorderText")[0].text, "Ctrl+Alt+Q")
        }

        function test_sendNeedsAMessage() {
            const s = make("http://127.0.0.1:9/formResponse")
            s.bench.model.selectedTab = 2
            waitForRendering(s.view)
            const send = named(s.view, "sendButton")[0]
            verify(!send.isEnabled)
            const editor = named(s.view, "messageEditor")[0]
            editor.forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(send.isEnabled)  // spaces are a message
            compare(s.bench.feedback.message, " ")
        }
    }
}
