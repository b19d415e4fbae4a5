#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

#include "platform/fake/fake_accessibility_text.h"
#include "platform/fake/fake_input_sources.h"
#include "platform/fake/fake_workspace.h"
#include "service/accessibility_service.h"
#include "settings/settings.h"
#include "ui/menu_popup_view_model.h"

namespace korrelang::ui {

/// A dashboard over real settings in a temporary file, with the desktop faked behind the platform
/// interfaces. Shared by the image tests and the QML behaviour tests.
class PopupTestBench : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* settings READ settingsObject CONSTANT)
    Q_PROPERTY(QObject* viewModel READ viewModelObject CONSTANT)

public:
    PopupTestBench();

    settings::Settings& settings() { return *m_settings; }
    MenuPopupViewModel& viewModel() { return *m_viewModel; }
    platform::fake::FakeAccessibilityText& accessibility() { return m_accessibility; }
    QObject* settingsObject() { return m_settings.get(); }
    QObject* viewModelObject() { return m_viewModel.get(); }

    /// The value as written in the settings file, read back by a separate reader.
    Q_INVOKABLE QVariant storedValue(const QString& key) const;
    /// Appends `count` conversions from→to of `characters` each, `daysAgo` days before now.
    Q_INVOKABLE void addConversions(const QString& from, const QString& to, int count,
                                    int characters, int daysAgo);
    Q_INVOKABLE void setTrusted(bool trusted);

private:
    QTemporaryDir m_dir;
    platform::fake::FakeAccessibilityText m_accessibility;
    platform::fake::FakeInputSources m_inputSources;
    platform::fake::FakeWorkspace m_workspace;
    service::AccessibilityService m_service{m_accessibility, m_inputSources, m_workspace};
    std::unique_ptr<settings::Settings> m_settings;
    std::unique_ptr<MenuPopupViewModel> m_viewModel;
};

}  // namespace korrelang::ui
