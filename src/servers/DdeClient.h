#pragma once
// The client side of a conversation with a service and topic on a D-Bus
// connection. Nothing here waits: macros and pokes are sent and forgotten (a
// server that is absent, hangs or quits costs the caller nothing), services are
// never started by the bus, answers come back through the event loop.

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <functional>

namespace kelvora {

class TDdeClient : public QObject {
    Q_OBJECT
public:
    TDdeClient(QDBusConnection bus, const QString& service, const QString& topic);

    // Whether the last poke reached the server (ARSWIN's link): set by its answer.
    bool Linked() const { return linked_; }
    const QString& BusName() const { return busName_; }

    void Execute(const QString& macro);
    void Poke(const QString& item, const QByteArray& value);
    // The item's value, or an empty one when the server is absent or refuses.
    void Request(const QString& item, std::function<void(const QByteArray&)> answer);
    // The advise loop on every item of the topic: each Advise signal of the server.
    bool StartAdvise(std::function<void(const QString& item, const QByteArray& value)> advise);

private slots:
    void PokeAnswered(const QDBusMessage& reply);
    void PokeFailed(const QDBusError& error);
    void Advised(const QString& item, const QByteArray& value);

private:
    QDBusMessage Call(const QString& method) const;

    QDBusConnection bus_;
    QString busName_;
    QString path_;
    bool linked_ = false;
    std::function<void(const QString&, const QByteArray&)> advise_;
};

}  // namespace kelvora
