#pragma once
// How a data-exchange conversation appears on the D-Bus session bus: the service
// is a bus name, the topic an object path, and one interface carries requests,
// pokes, macros and the advise signal.

#include <QDBusConnection>
#include <QString>

namespace kelvora {

inline constexpr char kDdeInterface[] = "org.kelvora.Dde";

// "org.kelvora.dde." + the service, each character D-Bus does not allow in a name
// element replaced by "_" (and "_" in front of a leading digit).
QString BusNameOf(const QString& service);
// "/" + the topic, with the same replacement.
QString ObjectPathOf(const QString& topic);

// The session bus, or a disconnected connection when there is none; the first
// time there is none, standard error says so, once per run.
QDBusConnection SessionBusOrSayOnce();

}  // namespace kelvora
