// A tiny web server on 127.0.0.1 for the update check: answers every
// request with one fixed response, or never answers at all.
#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

namespace varnel::shellwindows::test {

class LocalHttpServer : public QTcpServer {
public:
    LocalHttpServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    request += socket->readAll();
                    if (silent || !request.contains("\r\n\r\n")) return;
                    socket->write(response);
                    socket->disconnectFromHost();
                });
            }
        });
    }

    // A page sent with the status line given.
    void servePage(const QByteArray& body, const QByteArray& status = "200 OK") {
        response = "HTTP/1.1 " + status +
                   "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
                   "\r\nConnection: close\r\n\r\n" + body;
    }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }

    QByteArray response;
    bool silent = false;  // accepts the connection and the request, answers nothing
    QByteArray request;   // what the client sent
};

}  // namespace varnel::shellwindows::test
