#include "TestHttpServer.h"

#include <memory>

TestHttpServer::TestHttpServer(Handler handler) : handler_(std::move(handler)) {
    if (!server_.listen(QHostAddress::LocalHost)) qFatal("test server: %s", qPrintable(server_.errorString()));
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            struct Request {
                QByteArray header;
                bool answered = false;
            };
            auto request = std::make_shared<Request>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                const QByteArray bytes = socket->readAll();
                if (request->answered) return;
                request->header += bytes;
                if (!request->header.contains("\r\n\r\n")) return;
                request->answered = true;
                const QByteArray requestLine = request->header.left(request->header.indexOf("\r\n"));
                handler_(*socket, requestLine.split(' ').value(1));
            });
        }
    });
}

QUrl TestHttpServer::Url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void TestHttpServer::Respond(QTcpSocket& socket, int status, const QByteArray& body,
                             const QList<QByteArray>& headers) {
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\n";
    answer += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    answer += "Connection: close\r\n";
    for (const QByteArray& header : headers) answer += header + "\r\n";
    answer += "\r\n" + body;
    socket.write(answer);
    socket.disconnectFromHost();
}

quint16 ClosedPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost)) qFatal("test server: %s", qPrintable(probe.errorString()));
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
