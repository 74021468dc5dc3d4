#include "HamlibLink.h"

#include <QTcpSocket>
#include <cstdio>
#include <vector>

namespace kelvora {

namespace {
constexpr qint64 kStuckBytes = 64 * 1024;
}  // namespace

THamlibLink::THamlibLink(QString daemonName, THostPort address, QObject* parent)
    : QObject(parent), daemon_(std::move(daemonName)), address_(std::move(address)), socket_(new QTcpSocket(this)) {
    connect(socket_, &QTcpSocket::connected, this, &THamlibLink::OnConnected);
    connect(socket_, &QTcpSocket::readyRead, this, &THamlibLink::OnReadyRead);
    connect(socket_, &QTcpSocket::errorOccurred, this, &THamlibLink::OnError);
}

THamlibLink::~THamlibLink() { Close(); }

bool THamlibLink::Connected() const { return socket_->state() == QAbstractSocket::ConnectedState; }

void THamlibLink::Send(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    if (Connected()) {
        Write(lines);
        return;
    }
    for (const std::string& line : lines) Wait(line);
    Open();
}

// A newer command of the same kind makes a waiting one stale: a position, a
// frequency or a mode goes out only as it is now.
void THamlibLink::Wait(const std::string& line) {
    const std::string verb = line.substr(0, line.find(' '));
    std::erase_if(waiting_, [&](const std::string& w) { return w.substr(0, w.find(' ')) == verb; });
    waiting_.push_back(line);
}

void THamlibLink::Open() {
    if (socket_->state() != QAbstractSocket::UnconnectedState) return;
    socket_->connectToHost(QString::fromStdString(address_.Host), static_cast<quint16>(address_.Port));
}

void THamlibLink::Write(const std::vector<std::string>& lines) {
    // A daemon that stopped reading: the connection goes, the next Send makes a new one.
    if (socket_->bytesToWrite() > kStuckBytes) {
        std::fprintf(stderr, "KelvoraISS: %s does not read its commands; connecting again.\n", qPrintable(daemon_));
        socket_->abort();
        unanswered_.clear();
        Send(lines);
        return;
    }
    for (const std::string& line : lines) {
        socket_->write((line + "\n").c_str());
        unanswered_.push_back(line);
        if (unanswered_.size() > kStuckBytes / 8) unanswered_.pop_front();
    }
    // Out now rather than at the next turn of the event loop; never waits.
    socket_->flush();
}

void THamlibLink::Close() {
    waiting_.clear();
    if (socket_->state() == QAbstractSocket::UnconnectedState) return;
    socket_->flush();
    socket_->abort();
    unanswered_.clear();
}

void THamlibLink::OnConnected() {
    if (toldUnreachable_) std::fprintf(stderr, "KelvoraISS: %s answers again.\n", qPrintable(daemon_));
    toldUnreachable_ = false;
    unanswered_.clear();
    std::vector<std::string> lines;
    lines.swap(waiting_);
    Write(lines);
}

void THamlibLink::OnReadyRead() {
    while (socket_->canReadLine()) {
        const QByteArray line = socket_->readLine().trimmed();
        if (!line.startsWith("RPRT ")) continue;  // only set commands are sent: one report each
        const std::string command = unanswered_.empty() ? std::string("?") : unanswered_.front();
        if (!unanswered_.empty()) unanswered_.pop_front();
        const int code = DaemonErrorCode(line.toStdString());
        if (code == 0) continue;
        ++errorAnswers_;
        std::fprintf(stderr, "KelvoraISS: %s answered \"%s\" to \"%s\".\n", qPrintable(daemon_), line.constData(),
                     command.c_str());
    }
}

void THamlibLink::OnError() {
    // Said once until the daemon answers again; every later Send tries quietly.
    if (socket_->state() == QAbstractSocket::ConnectedState) return;
    if (!toldUnreachable_)
        std::fprintf(stderr, "KelvoraISS: %s at %s:%d is not reachable (%s); trying again with the next command.\n",
                     qPrintable(daemon_), address_.Host.c_str(), address_.Port, qPrintable(socket_->errorString()));
    toldUnreachable_ = true;
    socket_->abort();
    unanswered_.clear();
}

}  // namespace kelvora
