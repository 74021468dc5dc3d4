#pragma once
// A line link to one of Hamlib's daemons (rotctld, rigctld) over TCP. Nothing
// blocks: the connection is made in the background; while it is down, each Send
// starts at most one new attempt, and its lines wait, each replacing a waiting one
// of the same command, to go out once the daemon accepts. An answer "RPRT -n"
// goes to standard error with the command it belongs to.

#include "ServerTexts.h"

#include <QObject>
#include <QString>
#include <deque>
#include <string>
#include <vector>

class QTcpSocket;

namespace kelvora {

class THamlibLink : public QObject {
    Q_OBJECT
public:
    THamlibLink(QString daemonName, THostPort address, QObject* parent = nullptr);
    ~THamlibLink() override;

    // Starts connecting when there is no connection yet.
    void Open();
    void Send(const std::vector<std::string>& lines);
    // Writes what is waiting and closes the connection; Send opens it again.
    void Close();

    bool Connected() const;
    int ErrorAnswers() const { return errorAnswers_; }

private:
    void Wait(const std::string& line);
    void Write(const std::vector<std::string>& lines);
    void OnConnected();
    void OnReadyRead();
    void OnError();

    QString daemon_;
    THostPort address_;
    QTcpSocket* socket_;
    std::vector<std::string> waiting_;  // the newest line of each command while not connected
    std::deque<std::string> unanswered_;
    bool toldUnreachable_ = false;
    int errorAnswers_ = 0;
};

}  // namespace kelvora
