#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QTimer>

namespace korrelang::platform {
class Workspace;
}

namespace korrelang::ui {

/// The About tab: the version, the addresses it links to, and the contact address that a press
/// copies to the clipboard with a short "Copied!".
class AboutViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created with the settings window")
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString contactAddress READ contactAddress CONSTANT)
    Q_PROPERTY(QString privacyPolicyAddress READ privacyPolicyAddress CONSTANT)
    Q_PROPERTY(QString authorAddress READ authorAddress CONSTANT)
    Q_PROPERTY(bool analyticsConfigured READ analyticsConfigured CONSTANT)
    Q_PROPERTY(bool showEmailCopied READ showEmailCopied NOTIFY showEmailCopiedChanged)

public:
    static constexpr int kCopiedMilliseconds = 2000;

    /// `analyticsConfigured`: whether this build has an address to send usage signals to.
    AboutViewModel(platform::Workspace& workspace, bool analyticsConfigured,
                   QObject* parent = nullptr);

    static QString version();
    static QString contactAddress();
    static QString privacyPolicyAddress();
    static QString authorAddress();
    bool analyticsConfigured() const { return m_analyticsConfigured; }
    bool showEmailCopied() const { return m_showEmailCopied; }

    /// Replaces the clipboard with the contact address and shows "Copied!" for two seconds,
    /// counted from the latest press.
    Q_INVOKABLE void copyContactAddress();
    Q_INVOKABLE void openAddress(const QString& address);

signals:
    void showEmailCopiedChanged();

private:
    void setShowEmailCopied(bool value);

    platform::Workspace& m_workspace;
    bool m_analyticsConfigured = false;
    bool m_showEmailCopied = false;
    QTimer m_copiedTimer;
};

}  // namespace korrelang::ui
