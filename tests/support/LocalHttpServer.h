#pragma once
// A scripted HTTP/1.1 server on 127.0.0.1 for the download tests, plain or over TLS
// with a certificate made for the run. Each path gets raw response bytes, after which
// the connection is closed, or it stalls. Unknown paths get 404. No Q_OBJECT: the
// signals go to lambdas.

#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QStandardPaths>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace kelvora::test {

// "HTTP/1.1 <status>" with Content-Length and Connection: close.
inline QByteArray HttpResponse(const QByteArray& status, const QByteArray& body, const QByteArray& headers = {}) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

inline QByteArray HttpRedirect(const QByteArray& status, const QByteArray& location) {
    return HttpResponse(status, {}, "Location: " + location + "\r\n");
}

// A self-signed certificate for 127.0.0.1, made with the openssl program.
struct TTestCertificate {
    QSslCertificate Certificate;
    QSslKey Key;
};

inline std::optional<TTestCertificate> MakeTestCertificate(QString* why) {
    if (!QSslSocket::supportsSsl()) {
        *why = "this Qt build has no TLS backend";
        return std::nullopt;
    }
    const QString openssl = QStandardPaths::findExecutable("openssl");
    if (openssl.isEmpty()) {
        *why = "the openssl program, needed to make the test certificate, is not installed";
        return std::nullopt;
    }
    QTemporaryDir dir;
    QProcess process;
    process.start(openssl, {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                            "-keyout", dir.filePath("key.pem"), "-out", dir.filePath("cert.pem"), "-days", "2", "-subj",
                            "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        *why = "openssl could not make the test certificate: " + QString::fromLocal8Bit(process.readAllStandardError());
        return std::nullopt;
    }
    QFile cert(dir.filePath("cert.pem"));
    QFile key(dir.filePath("key.pem"));
    if (!cert.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly)) {
        *why = "the test certificate files could not be read";
        return std::nullopt;
    }
    TTestCertificate made{QSslCertificate(cert.readAll()), QSslKey(key.readAll(), QSsl::Ec)};
    if (made.Certificate.isNull() || made.Key.isNull()) {
        *why = "Qt could not read the test certificate";
        return std::nullopt;
    }
    return made;
}

class LocalHttpServer {
public:
    // Stall: the bytes are sent and then nothing more, the connection kept open. An
    // answer whose Content-Length promises more than it holds is a transfer cut off.
    enum class TMode { Answer, Stall };

    // With a certificate the server speaks only TLS.
    explicit LocalHttpServer(const TTestCertificate* tls = nullptr) {
        if (tls) {
            auto* server = new QSslServer;
            QSslConfiguration config = QSslConfiguration::defaultConfiguration();
            config.setLocalCertificate(tls->Certificate);
            config.setPrivateKey(tls->Key);
            config.setPeerVerifyMode(QSslSocket::VerifyNone);
            server->setSslConfiguration(config);
            server_.reset(server);
        } else {
            server_ = std::make_unique<QTcpServer>();
        }
        scheme_ = tls ? "https" : "http";
        QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, [this] { Accept(); });
        QObject::connect(server_.get(), &QTcpServer::newConnection, [this] { Accept(); });
        server_->listen(QHostAddress::LocalHost);
    }
    ~LocalHttpServer() {
        // The sockets are the server's children and go with it.
        for (QTcpSocket* socket : std::as_const(sockets_)) {
            socket->disconnect();
            socket->abort();
        }
    }

    bool Listening() const { return server_->isListening(); }
    QString Url(const QString& path) const {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme_).arg(server_->serverPort()).arg(path);
    }
    void Answer(const QByteArray& path, const QByteArray& raw, TMode mode = TMode::Answer) {
        routes_[path] = {raw, mode};
    }

    QStringList Requests;  // the paths asked for, in order

private:
    struct TRoute {
        QByteArray Raw;
        TMode Mode = TMode::Answer;
    };

    void Accept() {
        while (server_->hasPendingConnections()) {
            QTcpSocket* socket = server_->nextPendingConnection();
            sockets_ << socket;
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket, request] {
                *request += socket->readAll();
                if (!request->contains("\r\n\r\n")) return;
                const QByteArray path = request->split(' ').value(1);
                request->clear();
                Requests << QString::fromLatin1(path);
                Respond(socket, routes_.value(path, {HttpResponse("404 Not Found", "not here"), TMode::Answer}));
            });
        }
    }

    static void Respond(QTcpSocket* socket, const TRoute& route) {
        socket->write(route.Raw);
        if (route.Mode == TMode::Answer) socket->disconnectFromHost();  // after the bytes are out
    }

    std::unique_ptr<QTcpServer> server_;
    QString scheme_;
    QHash<QByteArray, TRoute> routes_;
    QList<QTcpSocket*> sockets_;
};

}  // namespace kelvora::test
