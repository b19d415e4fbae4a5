import QtQuick
import QtTest
import Korrelang.Ui
import Korrelang.Components

Item {
    id: top
    width: 340
    height: 420

    Component {
        id: popupComponent
        MenuPopupView {}
    }

    Component {
        id: toggleComponent
        MonochromeToggle {
            width: 200
            text: "Russian"
            property int taps: 0
            onToggled: (value) => { taps += 1; isOn = value }
        }
    }

    Component {
        id: primaryComponent
        DashboardPrimaryButton {
            text: "Continue"
            property int clicks: 0
            onClicked: clicks += 1
        }
    }

    Component {
        id: fieldComponent
        DarkTextField { width: 200; placeholder: "Your message" }
    }

    TestCase {
        name: "Components"
        when: windowShown

        function near(actual, expected) {
            return Math.abs(actual.r - expected.r) < 0.02 && Math.abs(actual.g - expected.g) < 0.02
                && Math.abs(actual.b - expected.b) < 0.02
        }

        function test_primaryButtonIsInertAndGreyWhileDisabled() {
            const button = createTemporaryObject(primaryComponent, top, { isEnabled: false })
            waitForRendering(button)
            verify(near(grabImage(button).pixel(3, button.height / 2), Colors.idleFill))
            mouseClick(button)
            compare(button.clicks, 0)
            button.isEnabled = true
            waitForRendering(button)
            verify(near(grabImage(button).pixel(3, button.height / 2), Colors.accentBlue))
            mouseClick(button)
            compare(button.clicks, 1)
        }

        function test_textFieldPlaceholderOnlyWhileEmpty() {
            const field = createTemporaryObject(fieldComponent, top)
            let placeholder = null
            for (let i = 0; i < field.children.length; ++i) {
                if (field.children[i].text === "Your message")
                    placeholder = field.children[i]
            }
            verify(placeholder.visible)
            field.input.forceActiveFocus()
            keyClick(Qt.Key_A)
            compare(field.text, "a")
            verify(!placeholder.visible)
        }
    }

    TestCase {
        name: "MenuPopup"
        when: windowShown

        function makePopup(prepare) {
            const bench = testSetup.newBench()
            if (prepare)
                prepare(bench)
            return { bench: bench, view: createTemporaryObject(popupComponent, top,
                                                               { viewModel: bench.viewModel }) }
        }

        // Visual descendants in order (Repeater items are not found by object name).
        function itemsNamed(item, name) {
            let found = []
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i]
                if (child.objectName === name)
                    found.push(child)
                found = found.concat(itemsNamed(child, name))
            }
            return found
        }

        function test_periodListStoresChoiceAndCloses() {
            const popup = makePopup()
            const control = findChild(popup.view, "periodControl")
            mouseClick(control)
            verify(popup.view.showPeriodPicker)
            const entry = findChild(popup.view, "period:This Month")
            verify(entry.visible)
            mouseClick(entry)
            compare(popup.bench.settings.statisticsPeriod, "This Month")
            compare(popup.bench.storedValue("statisticsPeriod"), "This Month")
            verify(!popup.view.showPeriodPicker)
        }

        function test_clickElsewhereClosesPeriodList() {
            const popup = makePopup()
            mouseClick(findChild(popup.view, "periodControl"))
            verify(popup.view.showPeriodPicker)
            mouseClick(popup.view, 300, 300)
            verify(!popup.view.showPeriodPicker)
            compare(popup.bench.storedValue("statisticsPeriod"), undefined)
        }

        function test_switchWritesIsEnabled() {
            const popup = makePopup()
            const control = findChild(popup.view, "enabledSwitch")
            mouseClick(control)
            compare(popup.bench.settings.isEnabled, false)
            compare(String(popup.bench.storedValue("isEnabled")), "false")
            mouseClick(control)
            compare(popup.bench.settings.isEnabled, true)
            compare(String(popup.bench.storedValue("isEnabled")), "true")
        }

        function test_directionCardsPairReverses() {
            const popup = makePopup(function (bench) {
                bench.addConversions("Hebrew", "Russian", 1, 5, 0)
                bench.addConversions("Russian", "English", 4, 5, 0)
                bench.addConversions("English", "Russian", 2, 5, 0)
            })
            const cards = itemsNamed(findChild(popup.view, "directions"), "directionCard")
            compare(cards.length, 2)
            const labels = cards.map(card => itemsNamed(card, "directionRow")
                .map(r => r.label).join(" "))
            compare(labels, ["En→Ru Ru→En", "He→Ru"])
        }

        function test_disabledToggleIsDimmedAndIgnoresTaps() {
            const toggle = createTemporaryObject(toggleComponent, top, { enabled: false })
            const control = findChild(toggle, "switch")
            compare(control.opacity, 0.35)
            mouseClick(control)
            compare(toggle.taps, 0)
            compare(toggle.isOn, false)
            toggle.enabled = true
            compare(control.opacity, 1.0)
            mouseClick(control)
            compare(toggle.isOn, true)
        }
    }
}
