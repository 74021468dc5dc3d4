#pragma once
// A loopback relay in front of a line daemon (rotctld, rigctld): what a client
// writes goes on to the daemon unchanged and the answers come back, and both are
// kept, line by line, in the order they passed. The daemon's own answers to
// queries show where it is; this shows exactly what it was told.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace kelvora::test {

class LineTap : public QObject {
public:
    // Listens on a free loopback port for clients of the daemon at daemonPort.
    bool Start(int daemonPort) {
        daemonPort_ = daemonPort;
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* client = server_.nextPendingConnection()) Relay(client);
        });
        return server_.listen(QHostAddress::LocalHost, 0);
    }
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort()); }

    const QStringList& Sent() const { return sent_; }  // the clients' lines
    const QStringList& Answers() const { return answers_; }  // the daemon's lines

private:
    void Relay(QTcpSocket* client) {
        auto* daemon = new QTcpSocket(client);
        daemon->connectToHost("127.0.0.1", static_cast<quint16>(daemonPort_));
        // A daemon that is not there: the client sees its connection go.
        if (!daemon->waitForConnected(2000)) {
            client->abort();
            client->deleteLater();
            return;
        }
        QObject::connect(client, &QTcpSocket::readyRead, daemon, [this, client, daemon] {
            const QByteArray bytes = client->readAll();
            Keep(clientPart_, bytes, sent_);
            daemon->write(bytes);
            daemon->flush();
        });
        QObject::connect(daemon, &QTcpSocket::readyRead, client, [this, client, daemon] {
            const QByteArray bytes = daemon->readAll();
            Keep(daemonPart_, bytes, answers_);
            client->write(bytes);
            client->flush();
        });
        QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        QObject::connect(daemon, &QTcpSocket::disconnected, client, [client] { client->disconnectFromHost(); });
    }

    static void Keep(QByteArray& part, const QByteArray& bytes, QStringList& lines) {
        part += bytes;
        for (qsizetype end = part.indexOf('\n'); end >= 0; end = part.indexOf('\n')) {
            lines << QString::fromLatin1(part.left(end).trimmed());
            part.remove(0, end + 1);
        }
    }

    QTcpServer server_;
    int daemonPort_ = 0;
    QByteArray clientPart_, daemonPart_;
    QStringList sent_, answers_;
};

}  // namespace kelvora::test
