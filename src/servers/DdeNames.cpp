#include "DdeNames.h"

#include <QDBusError>
#include <atomic>
#include <cstdio>

namespace kelvora {

namespace {
QString Element(const QString& text) {
    QString out;
    for (const QChar c : text) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        out += allowed ? c : QChar('_');
    }
    if (out.isEmpty() || out[0].isDigit()) out.prepend('_');
    return out;
}
}  // namespace

QString BusNameOf(const QString& service) { return "org.kelvora.dde." + Element(service); }

QString ObjectPathOf(const QString& topic) { return "/" + Element(topic); }

QDBusConnection SessionBusOrSayOnce() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Told once: tracking goes on without the data server and the server links.
    static std::atomic<bool> told{false};
    if (!bus.isConnected() && !told.exchange(true))
        std::fprintf(stderr,
                     "KelvoraISS: no D-Bus session bus (%s); the tracking data server and the "
                     "D-Bus server links are off.\n",
                     qPrintable(bus.lastError().message()));
    return bus;
}

}  // namespace kelvora
