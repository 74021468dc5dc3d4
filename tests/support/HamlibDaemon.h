#pragma once
// Hamlib's rotctld and rigctld with their dummy devices (-m 1) on free loopback
// ports: the real peers of the server links and of the setup's "Test" buttons.

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <cmath>
#include <csignal>
#include <sys/prctl.h>

#include "PollUntil.h"

namespace kelvora::test {

// A loopback port nobody listens on right now.
inline int FreeLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// rotctld or rigctld with Hamlib's dummy device on a loopback port; it ends with
// the test, or with the test program when that is killed.
class DummyDaemon {
public:
    explicit DummyDaemon(const char* name) : program_(QStandardPaths::findExecutable(name)) {}
    ~DummyDaemon() { Stop(); }
    DummyDaemon(const DummyDaemon&) = delete;
    DummyDaemon& operator=(const DummyDaemon&) = delete;
    bool Installed() const { return !program_.isEmpty(); }
    int Port() const { return port_; }
    // "127.0.0.1:port", as an operator types it.
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

    // Starts it and waits until it takes connections.
    bool Start(int port = 0) {
        port_ = port ? port : FreeLoopbackPort();
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process_.start(program_, {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_)});
        if (!process_.waitForStarted(5000)) return false;
        return PollUntil([this] {
            QTcpSocket probe;
            probe.connectToHost("127.0.0.1", static_cast<quint16>(port_));
            return probe.waitForConnected(100);
        });
    }
    void Stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(2000);
    }

    // One query on a connection of its own: the answer's lines.
    QStringList Ask(const QByteArray& command, int lines) const {
        // Under load the daemon now and then drops a fresh connection before it
        // answers: such a query is asked again, a few times at most.
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QStringList answer = AskOnce(command, lines);
            if (!answer.isEmpty()) return answer;
        }
        return {};
    }

    // Whether rotctld's dummy rotor gets to the position, to the hundredth it is
    // sent in, within the limit. It turns about six degrees a second, by the time
    // between two position queries: asked every few milliseconds it stands still,
    // so it is asked a few times a second.
    bool RotorReaches(double azimuth, double elevation, int limitMs = 30000) const {
        QElapsedTimer sinceAsked;
        return PollUntil(
            [&] {
                if (sinceAsked.isValid() && sinceAsked.elapsed() < 250) return false;
                sinceAsked.start();
                const QStringList p = Ask("p", 2);
                return p.size() == 2 && std::abs(p[0].toDouble() - azimuth) < 0.011 &&
                       std::abs(p[1].toDouble() - elevation) < 0.011;
            },
            limitMs);
    }

private:
    QStringList AskOnce(const QByteArray& command, int lines) const {
        QTcpSocket socket;
        socket.connectToHost("127.0.0.1", static_cast<quint16>(port_));
        if (!socket.waitForConnected(2000)) return {};
        socket.write(command + "\n");
        QStringList answer;
        while (answer.size() < lines) {
            if (!socket.canReadLine() && !socket.waitForReadyRead(2000)) break;
            while (socket.canReadLine() && answer.size() < lines)
                answer << QString::fromLatin1(socket.readLine().trimmed());
        }
        return answer;
    }

    QString program_;
    QProcess process_;
    int port_ = 0;
};

#define KELVORA_NEED_DAEMON(daemon) \
    if (!(daemon).Installed()) GTEST_SKIP() << "Hamlib's daemons are not installed (scripts/setup-deps installs them)"

// Skips the test unless the daemon is installed and starts.
#define KELVORA_START_DAEMON(daemon) \
    KELVORA_NEED_DAEMON(daemon);     \
    ASSERT_TRUE((daemon).Start()) << "the daemon did not start"

}  // namespace kelvora::test
