#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

namespace korrelang::testing {

/// A small HTTP/1.1 server on 127.0.0.1 for tests of real HTTP clients: it records each request
/// and answers with the next status of its script, then with the status and body set by
/// answer() (200 and no body unless set). A status of 0 never answers.
class HttpTestServer : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray body;

        /// The body read as a JSON array (a telemetry batch).
        QJsonArray signalBodies() const;
        /// The "type" of each element of a JSON array body.
        QStringList types() const;
    };

    explicit HttpTestServer(quint16 port = 0);
    ~HttpTestServer() override;

    quint16 port() const { return m_server.serverPort(); }
    QString baseURL() const;
    bool isListening() const { return m_server.isListening(); }

    void script(QList<int> statuses) { m_statuses = std::move(statuses); }
    /// The answer to every request the script does not cover.
    void answer(int status, QByteArray body = {}) {
        m_status = status;
        m_body = std::move(body);
    }
    const QList<Request>& requests() const { return m_requests; }
    /// Every signal type received so far, in order of arrival.
    QStringList receivedTypes() const;

signals:
    void requestReceived();

private:
    void readFrom(QTcpSocket* socket);

    QList<int> m_statuses;
    int m_status = 200;
    QByteArray m_body;
    QList<Request> m_requests;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    QTcpServer m_server;
};

}  // namespace korrelang::testing
