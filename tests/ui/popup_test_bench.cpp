#include "popup_test_bench.h"

#include <QDateTime>
#include <QSettings>

namespace korrelang::ui {

PopupTestBench::PopupTestBench() {
    m_settings = std::make_unique<settings::Settings>(m_dir.filePath(QStringLiteral("k.conf")));
    m_settings->setSelectedKeyboards({QStringLiteral("xkb.us.English"),
                                      QStringLiteral("xkb.ru.Russian"),
                                      QStringLiteral("xkb.il.Hebrew")});
    m_viewModel = std::make_unique<MenuPopupViewModel>(*m_settings, m_service);
}

QVariant PopupTestBench::storedValue(const QString& key) const {
    const QSettings reader(m_settings->path(), QSettings::IniFormat);
    return reader.value(key);
}

void PopupTestBench::addConversions(const QString& from, const QString& to, int count,
                                    int characters, int daysAgo) {
    settings::ConversionStatistics log = m_settings->statistics();
    const QDateTime when = QDateTime::currentDateTime().addDays(-daysAgo).addSecs(-60);
    for (int i = 0; i < count; ++i) {
        log.recordConversion(from, to, characters, when);
    }
    m_settings->setStatistics(log);
}

void PopupTestBench::setTrusted(bool trusted) {
    m_accessibility.trusted = trusted;
    m_viewModel->checkPermission();
}

}  // namespace korrelang::ui
