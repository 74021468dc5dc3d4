#include "DdeClient.h"

#include "DdeNames.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace kelvora {

TDdeClient::TDdeClient(QDBusConnection bus, const QString& service, const QString& topic)
    : bus_(bus), busName_(BusNameOf(service)), path_(ObjectPathOf(topic)) {}

QDBusMessage TDdeClient::Call(const QString& method) const {
    QDBusMessage call = QDBusMessage::createMethodCall(busName_, path_, kDdeInterface, method);
    call.setAutoStartService(false);
    return call;
}

void TDdeClient::Execute(const QString& macro) {
    if (!bus_.isConnected()) return;
    QDBusMessage call = Call("Execute");
    call << macro;
    // No answer wanted: the bus delivers or drops it.
    bus_.send(call);
}

void TDdeClient::Poke(const QString& item, const QByteArray& value) {
    if (!bus_.isConnected()) return;
    QDBusMessage call = Call("Poke");
    call << item << value;
    // The answer only tells whether the link stands; nobody waits for it.
    bus_.callWithCallback(call, this, SLOT(PokeAnswered(QDBusMessage)), SLOT(PokeFailed(QDBusError)));
}

void TDdeClient::PokeAnswered(const QDBusMessage&) { linked_ = true; }

void TDdeClient::PokeFailed(const QDBusError&) { linked_ = false; }

void TDdeClient::Request(const QString& item, std::function<void(const QByteArray&)> answer) {
    if (!bus_.isConnected()) {
        answer({});
        return;
    }
    QDBusMessage call = Call("Request");
    call << item;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [answer](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QByteArray> reply = *w;
        answer(reply.isError() ? QByteArray() : reply.value());
        w->deleteLater();
    });
}

bool TDdeClient::StartAdvise(std::function<void(const QString&, const QByteArray&)> advise) {
    advise_ = std::move(advise);
    return bus_.isConnected() &&
           bus_.connect(busName_, path_, kDdeInterface, "Advise", this, SLOT(Advised(QString, QByteArray)));
}

void TDdeClient::Advised(const QString& item, const QByteArray& value) {
    if (advise_) advise_(item, value);
}

}  // namespace kelvora
