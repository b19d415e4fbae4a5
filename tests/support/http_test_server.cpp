#include "http_test_server.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace korrelang::testing {

QJsonArray HttpTestServer::Request::signalBodies() const {
    return QJsonDocument::fromJson(body).array();
}

QStringList HttpTestServer::Request::types() const {
    QStringList types;
    for (const QJsonValue& value : signalBodies()) {
        types.append(value.toObject().value(QStringLiteral("type")).toString());
    }
    return types;
}

HttpTestServer::HttpTestServer(quint16 port) {
    m_server.listen(QHostAddress::LocalHost, port);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

HttpTestServer::~HttpTestServer() {
    // Sockets still open emit disconnected() while they are destroyed with the server.
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) {
        socket->disconnect(this);
    }
}

QString HttpTestServer::baseURL() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

QStringList HttpTestServer::receivedTypes() const {
    QStringList types;
    for (const Request& request : m_requests) {
        types += request.types();
    }
    return types;
}

void HttpTestServer::readFrom(QTcpSocket* socket) {
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        return;
    }
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0) {
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
        }
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length) {
        return;
    }
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();
    m_requests.append(request);

    const bool scripted = !m_statuses.isEmpty();
    const int status = scripted ? m_statuses.takeFirst() : m_status;
    const QByteArray body = scripted ? QByteArray() : m_body;
    if (status != 0) {
        socket->write("HTTP/1.1 " + QByteArray::number(status) + " Scripted\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    emit requestReceived();
}

}  // namespace korrelang::testing
