#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

namespace korrelang::ui {

/// An HTTP/1.1 server on 127.0.0.1 that records each request and answers every one with the
/// status and body it was given.
class LocalHttpServer : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers;  ///< names in lower case
        QByteArray body;
    };

    LocalHttpServer();

    QString baseURL() const;
    quint16 port() const { return m_server.serverPort(); }
    void answer(int status, QByteArray body = {}) {
        m_status = status;
        m_body = std::move(body);
    }
    const QList<Request>& requests() const { return m_requests; }

private:
    void readFrom(QTcpSocket* socket);

    int m_status = 200;
    QByteArray m_body;
    QList<Request> m_requests;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    QTcpServer m_server;
};

}  // namespace korrelang::ui
