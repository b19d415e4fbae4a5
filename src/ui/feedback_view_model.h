#pragma once

#include <QtQml/qqmlregistration.h>

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace korrelang::analytics {
class AnalyticsService;
}

namespace korrelang::ui {

/// The feedback form: the user's message, posted once to the form service per press of Send.
///
/// Only an answer with a success status counts as sent; a transport error or an error status
/// shows the error alert and keeps the form for another try. A build without a form address
/// cannot send at all.
class FeedbackViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created with the settings window")
    Q_PROPERTY(QString name MEMBER m_name NOTIFY formChanged)
    Q_PROPERTY(QString email MEMBER m_email NOTIFY formChanged)
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY formChanged)
    Q_PROPERTY(int feedbackType READ feedbackType WRITE setFeedbackType NOTIFY formChanged)
    Q_PROPERTY(QStringList typeTitles READ typeTitles CONSTANT)
    Q_PROPERTY(bool isConfigured READ isConfigured CONSTANT)
    Q_PROPERTY(bool canSend READ canSend NOTIFY stateChanged)
    Q_PROPERTY(bool showSuccess READ showSuccess WRITE setShowSuccess NOTIFY stateChanged)
    Q_PROPERTY(bool showError READ showError WRITE setShowError NOTIFY stateChanged)

public:
    static constexpr int kTimeoutMilliseconds = 60000;

    /// `endpoint` is the form's response address; empty disables sending. `osVersion` is the
    /// system's name and version for the footer of the message.
    FeedbackViewModel(analytics::AnalyticsService& analytics, QUrl endpoint, QString osVersion,
                      QObject* parent = nullptr);

    /// The build's form address (empty when the build has none).
    static QUrl defaultEndpoint();

    QString message() const { return m_message; }
    void setMessage(const QString& message);
    int feedbackType() const { return m_feedbackType; }
    void setFeedbackType(int type);
    static QStringList typeTitles();
    /// The value sent for a type: "Feature", "Bug", "Question", "Other".
    static QString typeValue(int type);
    bool isConfigured() const { return m_endpoint.isValid() && !m_endpoint.isEmpty(); }
    bool canSend() const { return isConfigured() && !m_message.isEmpty() && !m_isSending; }
    bool isSending() const { return m_isSending; }
    bool showSuccess() const { return m_showSuccess; }
    void setShowSuccess(bool value);
    bool showError() const { return m_showError; }
    void setShowError(bool value);

    /// The form body: the four fields in order, each value percent-encoded byte by byte except
    /// for ASCII letters, digits and "-._~".
    static QByteArray formBody(const QString& typeValue, const QString& name, const QString& email,
                               const QString& messageField);
    /// The message with the footer naming the system and the application's version.
    QString messageField() const;

    Q_INVOKABLE void send();

signals:
    void formChanged();
    void stateChanged();

private:
    analytics::AnalyticsService& m_analytics;
    QUrl m_endpoint;
    QString m_osVersion;
    QNetworkAccessManager m_network;
    QString m_name;
    QString m_email;
    QString m_message;
    int m_feedbackType = 0;
    bool m_isSending = false;
    bool m_showSuccess = false;
    bool m_showError = false;
};

}  // namespace korrelang::ui
