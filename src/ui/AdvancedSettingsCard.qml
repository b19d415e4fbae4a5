import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The preferences' switches: keyboard switching, spelling, capitalization, start, selection,
// analytics and updates.
// Its texts keep the preferences' translation context.
Card {
    id: root

    required property PreferencesViewModel viewModel
    readonly property Settings settings: viewModel.settings

    title: qsTranslate("PreferencesContentView", "ADVANCED")
    itemSpacing: 14

    SettingSwitch {
        objectName: "autoSwitchToggle"
        text: qsTranslate("PreferencesContentView", "Auto-switch keyboard")
        caption: root.viewModel.needsShellExtension
                 ? qsTranslate("PreferencesContentView", "Turn on Korrelang's GNOME Shell extension (in the Extensions app) to switch keyboards after converting")
                 : qsTranslate("PreferencesContentView", "Switch to target language keyboard after converting")
        enabled: !root.viewModel.needsShellExtension
        isOn: root.settings.autoSwitchKeyboard && !root.viewModel.needsShellExtension
        onToggled: (value) => root.settings.autoSwitchKeyboard = value
    }

    SettingSwitch {
        objectName: "pickLayoutBySpellingToggle"
        text: qsTranslate("PreferencesContentView", "Pick the layout by spelling")
        caption: qsTranslate("PreferencesContentView", "Convert to the layout whose result reads as real words")
        isOn: root.settings.pickLayoutBySpelling
        onToggled: (value) => root.settings.pickLayoutBySpelling = value
    }

    Column {
        width: parent.width
        spacing: 4

        SettingSwitch {
            objectName: "smartCapitalizationToggle"
            text: qsTranslate("PreferencesContentView", "Smart capitalization")
            caption: qsTranslate("PreferencesContentView", "Hold Shift while typing in non-cased languages to produce uppercase letters")
            enabled: root.viewModel.canCapitalize
            isOn: root.viewModel.canCapitalize && root.settings.smartCapitalization
            onToggled: (value) => root.settings.smartCapitalization = value
        }

        Caption {
            objectName: "capitalizationUnavailable"
            visible: !root.viewModel.canCapitalize
            width: parent.width - 44
            text: qsTranslate("PreferencesContentView", "Unavailable on Wayland: the desktop gives programs no global key hook")
        }

        Flow {
            objectName: "capitalizationWarning"
            visible: root.viewModel.canCapitalize && root.settings.smartCapitalization
                     && !root.viewModel.hasAccessibility
            width: parent.width
            spacing: 4

            SymbolIcon {
                width: 10
                height: 10
                name: "exclamationmark.triangle"
                color: Colors.accentBlue
            }

            Caption {
                width: Math.min(implicitWidth, parent.width - 14)
                text: qsTranslate("PreferencesContentView", "Waiting for Accessibility permission…")
            }

            DashboardButton {
                text: qsTranslate("PreferencesContentView", "Grant")
                onClicked: root.viewModel.requestAccessibility()
            }
        }
    }

    SettingSwitch {
        objectName: "launchAtLoginToggle"
        text: qsTranslate("PreferencesContentView", "Launch at login")
        isOn: root.settings.startAtLogin
        onToggled: (value) => root.settings.startAtLogin = value
    }

    SettingSwitch {
        objectName: "steadySelectionToggle"
        text: qsTranslate("PreferencesContentView", "Steady selection")
        caption: qsTranslate("PreferencesContentView", "Keep text selected after conversion for quick re-conversion")
        isOn: root.settings.keepSelectionAfterConversion
        onToggled: (value) => root.settings.keepSelectionAfterConversion = value
    }

    Caption {
        objectName: "pasteNeedsExtension"
        visible: root.viewModel.needsShellExtension
        width: parent.width
        text: qsTranslate("PreferencesContentView", "Without Korrelang's GNOME Shell extension, only applications with accessibility support can be converted: turn it on in the Extensions app")
    }

    SettingSwitch {
        objectName: "analyticsToggle"
        text: qsTranslate("PreferencesContentView", "Anonymous analytics")
        caption: qsTranslate("PreferencesContentView", "Send anonymous usage data; never the text you convert")
        isOn: root.settings.analyticsEnabled
        onToggled: (value) => root.settings.analyticsEnabled = value
    }

    Hairline { width: parent.width }

    SettingSwitch {
        objectName: "automaticUpdatesToggle"
        text: qsTranslate("PreferencesContentView", "Automatic updates")
        isOn: root.viewModel.automaticUpdates
        enabled: root.viewModel.canCheckForUpdates
        onToggled: (value) => root.viewModel.automaticUpdates = value
    }

    Row {
        spacing: 8
        width: parent.width

        DashboardButton {
            objectName: "checkNowButton"
            anchors.verticalCenter: parent.verticalCenter
            text: qsTranslate("PreferencesContentView", "Check Now")
            opacity: root.viewModel.canCheckForUpdates ? 1.0 : 0.5
            onClicked: root.viewModel.checkForUpdates()
        }

        Caption {
            objectName: "updateCaption"
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - 8 - parent.children[0].width
            text: root.viewModel.updateCaption
        }
    }
}
