#pragma once

#include <QIcon>
#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>
#include <QTimer>
#include <memory>

namespace korrelang::app {

/// The tray icon. Left and right clicks both ask for the popup (there is no context menu);
/// after a conversion the icon shows a check mark for a second.
class StatusItem : public QObject {
    Q_OBJECT

public:
    static constexpr int kCheckMarkMilliseconds = 1000;

    explicit StatusItem(QObject* parent = nullptr);
    ~StatusItem() override;

    /// Shows the icon. False when the desktop has no tray to show it in (said once in the log).
    bool show();
    /// The icon's place on the screen; empty when the tray does not tell.
    QRect geometry() const;

    /// The check mark replaces the icon and the icon returns one second after the last call.
    void showConversionSuccess();
    bool isShowingCheckMark() const { return m_checkMarkTimer.isActive(); }

    /// The icon drawn at the tray's nominal 18 × 18 points (and twice that for dense screens).
    static QIcon statusIcon();

signals:
    void clicked();

private:
    static QIcon drawIcon(const QString& resource);

    std::unique_ptr<QSystemTrayIcon> m_tray;
    QIcon m_icon;
    QIcon m_checkMark;
    QTimer m_checkMarkTimer;
};

}  // namespace korrelang::app
