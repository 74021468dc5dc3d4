#pragma once
// The real peers of the server tests: one private D-Bus session bus for the whole
// run (so the user's desktop never sees the test services), Hamlib's dummy
// daemons on free loopback ports, and polling through the event loop.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <csignal>
#include <memory>
#include <sys/prctl.h>

namespace kelvora::test {

// Runs the event loop until the condition holds or the limit passes.
template <class Condition>
bool PollUntil(Condition condition, int limitMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The bus address of a dbus-daemon started for this run, or empty when there is
// no dbus-daemon. The daemon ends with the tests (a global test environment).
class PrivateSessionBus {
public:
    static PrivateSessionBus& Instance() {
        if (!Started()) Started() = new PrivateSessionBus;  // stopped by the environment, before the application ends
        return *Started();
    }
    static PrivateSessionBus*& Started() {
        static PrivateSessionBus* bus = nullptr;
        return bus;
    }
    static const QString& Address() { return Instance().address_; }
    // A connection of its own, as another program on the bus has.
    static QDBusConnection Connection(const QString& name) { return QDBusConnection::connectToBus(Address(), name); }
    void Stop() {
        if (daemon_.state() != QProcess::NotRunning) {
            daemon_.kill();
            daemon_.waitForFinished(2000);
        }
    }

private:
    PrivateSessionBus() {
        const QString program = QStandardPaths::findExecutable("dbus-daemon");
        if (program.isEmpty()) return;
        // Ends with this program even when the test program is killed.
        daemon_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon_.start(program, {"--session", "--nofork", "--print-address"});
        if (!daemon_.waitForStarted(5000)) return;
        QElapsedTimer timer;
        timer.start();
        while (!daemon_.canReadLine() && timer.elapsed() < 5000) daemon_.waitForReadyRead(100);
        address_ = QString::fromLatin1(daemon_.readLine().trimmed());
        // The program's own session-bus connection is made on this bus.
        if (!address_.isEmpty()) qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toLatin1());
    }

    QProcess daemon_;
    QString address_;
};

class PrivateSessionBusEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        if (PrivateSessionBus::Started()) PrivateSessionBus::Started()->Stop();
    }
};

#define KELVORA_NEED_SESSION_BUS()                               \
    if (::kelvora::test::PrivateSessionBus::Address().isEmpty()) \
    GTEST_SKIP() << "dbus-daemon is not installed (scripts/setup-deps installs it)"

// A loopback port nobody listens on right now.
inline int FreeLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// rotctld or rigctld with Hamlib's dummy device (-m 1) on a free loopback port.
class DummyDaemon {
public:
    explicit DummyDaemon(const char* name) : program_(QStandardPaths::findExecutable(name)) {}
    ~DummyDaemon() { Stop(); }
    bool Installed() const { return !program_.isEmpty(); }
    int Port() const { return port_; }

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

private:
    QString program_;
    QProcess process_;
    int port_ = 0;
};

#define KELVORA_NEED_DAEMON(daemon) \
    if (!(daemon).Installed()) GTEST_SKIP() << "Hamlib's daemons are not installed (scripts/setup-deps installs them)"

}  // namespace kelvora::test
