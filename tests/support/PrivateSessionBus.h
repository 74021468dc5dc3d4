#pragma once
// One private D-Bus session bus for the whole test run, so the user's desktop
// never sees the test services and the tests never see the desktop's.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/prctl.h>

namespace kelvora::test {

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

}  // namespace kelvora::test
