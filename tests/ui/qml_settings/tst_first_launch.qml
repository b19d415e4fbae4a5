import QtQuick
import QtTest
import Korrelang.Ui

Item {
    id: top
    width: 400
    height: 380

    TestCase {
        id: test
        name: "FirstLaunch"
        when: windowShown

        Component {
            id: screen
            FirstLaunchView {}
        }

        function make(count) {
            const bench = testSetup.newSettingsBench(count, "")
            const view = createTemporaryObject(screen, top, { viewModel: bench.firstLaunch })
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

        function test_keyboardsCannotGoBelowTwo() {
            const s = make(3)
            const toggles = named(s.view, "keyboardToggle")
            compare(toggles.length, 3)
            for (const toggle of toggles)
                verify(toggle.isOn && toggle.enabled)

            tap(named(toggles[0], "switch")[0])
            verify(!toggles[0].isOn)
            // Two left on: both are locked, and a tap changes nothing.
            verify(!toggles[1].enabled && !toggles[2].enabled)
            tap(named(toggles[1], "switch")[0])
            verify(toggles[1].isOn)
            compare(s.bench.firstLaunch.selectedKeyboards.length, 2)
            verify(toggles[0].enabled)
        }

        function test_offersTheShellExtensionWhereItIsOff() {
            const bench = testSetup.newSettingsBench(3, "")
            bench.setShellExtension(false)
            const view = createTemporaryObject(screen, top, { viewModel: bench.firstLaunch })
            waitForRendering(view)
            const note = named(view, "shellExtensionNote")[0]
            const button = named(view, "enableShellExtension")[0]
            verify(note.visible && button.visible)
            // The button sits below the keyboards, where the window scrolls to.
            bench.firstLaunch.enableShellExtension()
            compare(bench.extensionRequests(), 1)
            // The offer goes once the extension has had time to come up.
            tryVerify(() => !note.visible && !button.visible, 2000)
        }

        function test_noShellExtensionNoteWhereItRuns() {
            const s = make(3)
            verify(!named(s.view, "shellExtensionNote")[0].visible)
            verify(!named(s.view, "noTrayNote")[0].visible)
        }

        function test_continueNeedsTheTerms() {
            const s = make(3)
            const button = named(s.view, "continueButton")[0]
            tap(button)
            verify(!s.bench.settings.hasCompletedFirstLaunch)
            compare(s.bench.storedValue("selectedKeyboards"), undefined)

            tap(named(s.view, "termsCheckBox")[0])
            verify(s.bench.firstLaunch.canContinue)
            tap(button)
            verify(s.bench.settings.hasCompletedFirstLaunch)
            verify(s.bench.settings.hasAcceptedTerms)
            compare(s.bench.storedValue("selectedKeyboards"),
                    ["xkb.us.English", "xkb.ru.Russian", "xkb.il.Hebrew"])
        }

        function test_oneKeyboardCanNeverContinue() {
            const s = make(1)
            tap(named(s.view, "termsCheckBox")[0])
            verify(!s.bench.firstLaunch.canContinue)
            verify(!named(s.view, "keyboardToggle")[0].enabled)
        }
    }
}
