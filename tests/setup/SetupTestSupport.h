#pragma once
// The other ends of the setup's "Test" buttons: a radio played on a pseudo-terminal
// and Hamlib's daemons with their dummy models on a free loopback port.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>

#include <atomic>
#include <string>
#include <thread>

namespace kelvora::test {

// A radio on the master side of a pseudo-terminal: when the bytes it received end
// with the command it knows, it sends its answer.
class PtyRadio {
public:
    PtyRadio(std::string command, std::string answer) : command_(std::move(command)), answer_(std::move(answer)) {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master_, &slave, name, nullptr, nullptr) != 0) return;
        slave_ = slave;
        path_ = name;
        thread_ = std::thread([this] { Run(); });
    }
    ~PtyRadio() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        ::close(master_);
        ::close(slave_);
    }
    std::string Path() const { return path_; }

private:
    void Run() {
        std::string received;
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) continue;
            received.append(buffer, static_cast<std::size_t>(n));
            if (received.size() >= command_.size() &&
                received.compare(received.size() - command_.size(), command_.size(), command_) == 0 && !answer_.empty())
                (void)!::write(master_, answer_.data(), answer_.size());
        }
    }

    std::string command_, answer_, path_;
    int master_ = -1;
    int slave_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// A Hamlib daemon with its dummy model on a free loopback port, ended by the test.
class HamlibDaemon {
public:
    explicit HamlibDaemon(const QString& program) {
        if (!QFileInfo(program).isExecutable()) return;
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = probe.serverPort();
        probe.close();
        process_.start(program, {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_)});
        if (!process_.waitForStarted(5000)) return;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000 && process_.state() == QProcess::Running) {
            QTcpSocket socket;
            socket.connectToHost("127.0.0.1", port_);
            if (socket.waitForConnected(200)) {
                ready_ = true;
                return;
            }
            process_.waitForFinished(50);  // ends early only when the daemon stops
        }
    }
    ~HamlibDaemon() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) process_.kill();
            process_.waitForFinished(3000);
        }
    }
    bool Ready() const { return ready_; }
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

private:
    QProcess process_;
    quint16 port_ = 0;
    bool ready_ = false;
};

}  // namespace kelvora::test
