#include "feedback_view_model.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <array>

#include "analytics/analytics_service.h"
#include "platform/log.h"
#include "product_info.h"

namespace korrelang::ui {

namespace {

struct FeedbackType {
    const char* title;
    const char* value;
};

constexpr std::array<FeedbackType, 4> kTypes{{
    // The titles are translated where they are shown.
    {QT_TRANSLATE_NOOP("FeedbackViewModel", "Feature Request"), "Feature"},
    {QT_TRANSLATE_NOOP("FeedbackViewModel", "Bug Report"), "Bug"},
    {QT_TRANSLATE_NOOP("FeedbackViewModel", "Question"), "Question"},
    {QT_TRANSLATE_NOOP("FeedbackViewModel", "Other"), "Other"},
}};

QByteArray field(const char* key, const QString& value) {
    // Unreserved characters only: "&", "=", "+" and spaces in the message must not split it.
    return QByteArray(key) + '=' + value.toUtf8().toPercentEncoding("-._~", {}, '%');
}

}  // namespace

FeedbackViewModel::FeedbackViewModel(analytics::AnalyticsService& analytics, QUrl endpoint,
                                     QString osVersion, QObject* parent)
    : QObject(parent),
      m_analytics(analytics),
      m_endpoint(std::move(endpoint)),
      m_osVersion(std::move(osVersion)) {
    connect(this, &FeedbackViewModel::formChanged, this, &FeedbackViewModel::stateChanged);
}

QUrl FeedbackViewModel::defaultEndpoint() {
    return QUrl(QStringLiteral(KORRELANG_FEEDBACK_URL));
}

void FeedbackViewModel::setMessage(const QString& message) {
    if (message == m_message) {
        return;
    }
    m_message = message;
    emit formChanged();
}

void FeedbackViewModel::setFeedbackType(int type) {
    if (type < 0 || type >= static_cast<int>(kTypes.size()) || type == m_feedbackType) {
        return;
    }
    m_feedbackType = type;
    emit formChanged();
}

QStringList FeedbackViewModel::typeTitles() {
    QStringList titles;
    for (const FeedbackType& type : kTypes) {
        titles.append(QString::fromLatin1(type.title));
    }
    return titles;
}

QString FeedbackViewModel::typeValue(int type) {
    if (type < 0 || type >= static_cast<int>(kTypes.size())) {
        return QString::fromLatin1(kTypes.back().value);
    }
    return QString::fromLatin1(kTypes[static_cast<std::size_t>(type)].value);
}

void FeedbackViewModel::setShowSuccess(bool value) {
    if (value != m_showSuccess) {
        m_showSuccess = value;
        emit stateChanged();
    }
}

void FeedbackViewModel::setShowError(bool value) {
    if (value != m_showError) {
        m_showError = value;
        emit stateChanged();
    }
}

QByteArray FeedbackViewModel::formBody(const QString& typeValue, const QString& name,
                                       const QString& email, const QString& messageField) {
    return field("entry.489815371", typeValue) + '&' + field("entry.1084462998", name) + '&' +
           field("entry.369253779", email) + '&' + field("entry.1149910276", messageField);
}

QString FeedbackViewModel::messageField() const {
    return m_message + QStringLiteral("\n\n---\nLinux: ") + m_osVersion +
           QStringLiteral("\nApp Version: ") + QLatin1String(ProductInfo::kVersion);
}

void FeedbackViewModel::send() {
    if (!canSend()) {
        return;
    }
    m_isSending = true;
    emit stateChanged();

    const QString type = typeValue(m_feedbackType);
    QNetworkRequest request(m_endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(kTimeoutMilliseconds);
    QNetworkReply* reply = m_network.post(request, formBody(type, m_name, m_email, messageField()));
    connect(reply, &QNetworkReply::finished, this, [this, reply, type] {
        reply->deleteLater();
        m_isSending = false;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // Qt reports an error status as an error too; a success status is the only "sent".
        if (reply->error() != QNetworkReply::NoError || status < 200 || status >= 300) {
            platform::logLine("❌ Feedback not sent: " + (status > 0
                                                             ? "HTTP " + std::to_string(status)
                                                             : reply->errorString().toStdString()));
            m_showError = true;
        } else {
            platform::logLine("✅ Feedback sent");
            m_showSuccess = true;
            m_analytics.feedbackSent(type);
        }
        emit stateChanged();
    });
}

}  // namespace korrelang::ui
