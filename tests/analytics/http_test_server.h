#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

namespace korrelang::analytics {

/// A small HTTP/1.1 server on 127.0.0.1 that records each request and answers with the next
/// status of its script (200 once the script is used up). A status of 0 never answers.
class HttpTestServer : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray body;

        QJsonArray signalBodies() const;
        /// The "type" of each signal of the batch.
        QStringList types() const;
    };

    explicit HttpTestServer(quint16 port = 0);
    ~HttpTestServer() override;

    quint16 port() const { return m_server.serverPort(); }
    QString baseURL() const;
    bool isListening() const { return m_server.isListening(); }

    void script(QList<int> statuses) { m_statuses = std::move(statuses); }
    const QList<Request>& requests() const { return m_requests; }
    /// Every signal type received so far, in order of arrival.
    QStringList receivedTypes() const;

signals:
    void requestReceived();

private:
    void readFrom(QTcpSocket* socket);

    QList<int> m_statuses;
    QList<Request> m_requests;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    QTcpServer m_server;
};

}  // namespace korrelang::analytics
