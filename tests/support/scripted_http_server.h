#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <memory>

// An HTTP server on 127.0.0.1 for tests. Each connection reads one request
// head, records its bytes and answers with the next scripted reply (a
// connection with no reply left is closed unanswered). It lives on the
// thread that made it, so a fetch that waits in a local event loop on that
// thread is served by the same loop.
class ScriptedHttpServer {
public:
    struct Reply {
        QByteArray bytes;       // written exactly as they stand; none: say nothing
        bool closeAfter = true; // close the connection once the bytes are written
        int delayMs = 0;        // wait this long after the request before answering
    };

    ScriptedHttpServer()
    {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { AcceptPending(); });
        server_.listen(QHostAddress::LocalHost);
    }

    bool IsListening() const { return server_.isListening(); }
    quint16 Port() const { return server_.serverPort(); }
    QUrl Url(const QString& path = QStringLiteral("/notice/calc.htm")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(Port()).arg(path));
    }

    void AddReply(const Reply& reply) { replies_.append(reply); }
    // The request heads received, up to and including the empty line.
    const QList<QByteArray>& Requests() const { return requests_; }

private:
    void AcceptPending()
    {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            const Reply reply = replies_.isEmpty() ? Reply{} : replies_.takeFirst();
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received, reply] {
                const bool headSeen = received->contains("\r\n\r\n");
                received->append(socket->readAll());
                const qsizetype headEnd = received->indexOf("\r\n\r\n");
                if (headSeen || headEnd < 0)
                    return;
                requests_.append(received->left(headEnd + 4));
                QTimer::singleShot(reply.delayMs, socket, [socket, reply] {
                    socket->write(reply.bytes);
                    if (reply.closeAfter)
                        socket->disconnectFromHost();
                });
            });
        }
    }

    QTcpServer server_;
    QList<Reply> replies_;
    QList<QByteArray> requests_;
};
