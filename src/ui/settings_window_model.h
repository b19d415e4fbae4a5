#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

#include "about_view_model.h"
#include "feedback_view_model.h"
#include "preferences_view_model.h"

namespace korrelang::analytics {
class AnalyticsService;
}
namespace korrelang::platform {
class Workspace;
}

namespace korrelang::ui {

/// The settings window around its three tabs: which tab is shown, and the share block of the
/// sidebar. The tabs' own view models are handed in by whoever builds the window.
class SettingsWindowModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created with the settings window")
    Q_PROPERTY(int selectedTab READ selectedTab WRITE setSelectedTab NOTIFY selectedTabChanged)
    Q_PROPERTY(korrelang::ui::PreferencesViewModel* preferences READ preferences CONSTANT)
    Q_PROPERTY(korrelang::ui::AboutViewModel* about READ about CONSTANT)
    Q_PROPERTY(korrelang::ui::FeedbackViewModel* feedback READ feedback CONSTANT)

public:
    /// The tabs in sidebar order.
    enum Tab { Settings = 0, About = 1, Feedback = 2 };
    Q_ENUM(Tab)

    struct Tabs {
        PreferencesViewModel* preferences = nullptr;
        AboutViewModel* about = nullptr;
        FeedbackViewModel* feedback = nullptr;
    };

    SettingsWindowModel(analytics::AnalyticsService& analytics, platform::Workspace& workspace,
                        Tab tab, Tabs tabs, QObject* parent = nullptr);

    int selectedTab() const { return m_selectedTab; }
    void setSelectedTab(int tab);

    /// The recommendation handed to the share menu: a line of text, a line break and the address.
    static QString shareText();

    PreferencesViewModel* preferences() const { return m_tabs.preferences; }
    AboutViewModel* about() const { return m_tabs.about; }
    FeedbackViewModel* feedback() const { return m_tabs.feedback; }

    /// The share button was pressed: counted once, before the user picks a way to share.
    Q_INVOKABLE void shareRequested();
    Q_INVOKABLE void copyShareText();
    /// Opens a new message in the mail client with the share text; false when none opened.
    Q_INVOKABLE bool mailShareText();
    /// Asks whoever shows the window to close it (Cancel in the feedback form, for one).
    Q_INVOKABLE void requestClose() { emit closeRequested(); }

signals:
    void selectedTabChanged();
    void closeRequested();

private:
    analytics::AnalyticsService& m_analytics;
    platform::Workspace& m_workspace;
    int m_selectedTab = Settings;
    Tabs m_tabs;
};

}  // namespace korrelang::ui
