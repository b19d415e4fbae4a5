#pragma once

#include <QObject>

#include "spelling/spelling_dictionaries.h"

namespace korrelang::settings {
class Settings;
}

namespace korrelang::app {

/// Keeps the spelling dictionaries in line with the settings: loads those of the selected
/// keyboards in the background once started, and again when the selection changes, and switches
/// the word check with "Pick the layout by spelling".
class SpellingLoader : public QObject {
    Q_OBJECT

public:
    explicit SpellingLoader(settings::Settings& settings, QObject* parent = nullptr);

    const spelling::SpellingDictionaries& dictionaries() const { return m_dictionaries; }

    /// Starts loading (when the setting is on); called once the tray icon is up.
    void start();

private:
    void update();

    settings::Settings& m_settings;
    spelling::SpellingDictionaries m_dictionaries;
    bool m_started = false;
};

}  // namespace korrelang::app
