#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 for download tests. It runs on the test's own thread:
// the download's local event loop serves both sides. Each request goes to the handler with its
// path once its header has arrived; the handler answers on the socket, or not at all.
class TestHttpServer {
public:
    using Handler = std::function<void(QTcpSocket& socket, const QByteArray& path)>;

    explicit TestHttpServer(Handler handler);

    QUrl Url(const QString& path) const;

    // A complete answer with Content-Length, then the connection is closed.
    static void Respond(QTcpSocket& socket, int status, const QByteArray& body,
                        const QList<QByteArray>& headers = {});

private:
    QTcpServer server_;
    Handler handler_;
};

// A port on 127.0.0.1 on which nothing listens, so connecting to it is refused.
quint16 ClosedPort();
