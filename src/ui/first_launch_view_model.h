#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QStringList>

#include "keyboard_list_model.h"
#include "screen_services.h"

namespace korrelang::ui {

/// The onboarding: every installed keyboard starts on, at least two must stay on, and the terms
/// must be accepted before Continue stores the choice.
///
/// The choice is stored in the detector's order. Closing the window before continuing counts as
/// skipping: the shell then says goodbye and quits.
class FirstLaunchViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created with the onboarding window")
    Q_PROPERTY(korrelang::ui::KeyboardListModel* keyboards READ keyboards CONSTANT)
    Q_PROPERTY(QStringList selectedKeyboards READ selectedKeyboards NOTIFY selectionChanged)
    Q_PROPERTY(bool hasAgreedToTerms READ hasAgreedToTerms WRITE setHasAgreedToTerms NOTIFY
                   selectionChanged)
    Q_PROPERTY(bool canContinue READ canContinue NOTIFY selectionChanged)
    Q_PROPERTY(bool canSwitchOff READ canSwitchOff NOTIFY selectionChanged)
    /// The desktop's shell extension is off: the screen says why it is needed and offers it.
    Q_PROPERTY(bool offerShellExtension READ offerShellExtension NOTIFY shellExtensionChanged)
    /// No tray icon on this desktop: the screen says where the dashboard is.
    Q_PROPERTY(bool noTray READ noTray CONSTANT)

public:
    static constexpr int kMinimumKeyboards = 2;
    static constexpr int kExtensionSettleMilliseconds = 500;

    explicit FirstLaunchViewModel(ScreenServices services, QObject* parent = nullptr);

    /// In the detector's order, each once.
    KeyboardListModel* keyboards() { return &m_keyboards; }
    QStringList selectedKeyboards() const { return m_selected; }
    bool hasAgreedToTerms() const { return m_hasAgreedToTerms; }
    void setHasAgreedToTerms(bool value);
    bool canContinue() const {
        return m_selected.size() >= kMinimumKeyboards && m_hasAgreedToTerms;
    }

    /// Whether a switched-on keyboard may be switched off: not while only two are on.
    bool canSwitchOff() const { return m_selected.size() > kMinimumKeyboards; }
    /// A switched-on toggle is locked while only two keyboards are on.
    Q_INVOKABLE bool canToggle(const QString& id) const;
    Q_INVOKABLE void setKeyboardSelected(const QString& id, bool selected);
    Q_INVOKABLE void openTermsOfUse();
    Q_INVOKABLE void openPrivacyPolicy();
    bool offerShellExtension() const;
    bool noTray() const;
    /// Asks the shell to turn the extension on; the offer goes once it runs.
    Q_INVOKABLE void enableShellExtension();
    /// Stores the choice and both flags, then asks for the window to close. Does nothing while
    /// the user may not continue.
    Q_INVOKABLE void continueOnboarding();
    /// The window is closing: without a completed onboarding this is a skip, counted once.
    /// Returns whether it was a skip.
    bool windowClosed();

signals:
    void selectionChanged();
    void shellExtensionChanged();
    void finished();

private:
    ScreenServices m_services;
    KeyboardListModel m_keyboards{this};
    QStringList m_detectedIDs;
    QStringList m_selected;
    bool m_hasAgreedToTerms = false;
    bool m_skipReported = false;
};

}  // namespace korrelang::ui
