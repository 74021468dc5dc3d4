#include "DdeServer.h"

#include "DdeNames.h"

namespace kelvora {

TDdeServer::TDdeServer(QDBusConnection bus, const QString& service, const QString& topic)
    : bus_(bus), busName_(BusNameOf(service)), path_(ObjectPathOf(topic)) {
    if (!bus_.isConnected()) return;
    if (!bus_.registerObject(path_, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)) return;
    registered_ = bus_.registerService(busName_);
    if (!registered_) bus_.unregisterObject(path_);
}

TDdeServer::~TDdeServer() {
    if (!registered_) return;
    bus_.unregisterService(busName_);
    bus_.unregisterObject(path_);
}

void TDdeServer::SetItem(const QString& item, const QByteArray& value) {
    items_[item] = value;
    if (registered_) emit Advise(item, value);
}

QByteArray TDdeServer::Request(const QString& item) { return items_.value(item); }

void TDdeServer::Poke(const QString& item, const QByteArray& value) {
    SetItem(item, value);
    if (OnPoke) OnPoke(item, value);
}

void TDdeServer::Execute(const QString& macro) {
    if (OnExecute) OnExecute(macro);
}

}  // namespace kelvora
