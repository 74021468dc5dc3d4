#include "ServerSetup.h"

#include <variant>

namespace kelvora {

namespace {
TSetupRefusal ServerRefusal(const QString& field, const QString& reason) {
    return {TSetupPage::Servers, field, reason};
}

// The address as the program will read it back from line 2, or a refusal.
std::variant<QString, TSetupRefusal> AddressLine(const QString& text, const QString& field) {
    QString host;
    quint16 port = 0;
    if (ParseServerAddress(text, &host, &port)) return HostPortText({host.toLatin1().toStdString(), port});
    return ServerRefusal(field, QStringLiteral("\"%1\" is not host:port (such as 127.0.0.1:4533)").arg(text.trimmed()));
}
}  // namespace

bool ParseServerAddress(const QString& text, QString* host, quint16* port) {
    const THostPort read = ParseHostPort(text.toLatin1().toStdString(), THostPort{});
    if (read.Host.empty() || read.Port == 0 || read.Host.find_first_of(" \t") != std::string::npos) return false;
    if (host) *host = QString::fromLatin1(read.Host.c_str());
    if (port) *port = quint16(read.Port);
    return true;
}

TServerFields ServerFieldsOf(const TSetupFiles& f) {
    // Shown as the program reads the files at start-up.
    const TServerFiles read =
        ServerFilesOf({f.RotorServer.Line(1), f.RotorServer.Line(2)}, {f.CatServer.Line(1), f.CatServer.Line(2)});
    TServerFields s;
    const QString rotorPath = read.RotorServerPath.trimmed();
    const bool rotorOn = f.SatStart.Line(4).startsWith('+');
    s.Rotor = !rotorOn ? TRotorOutput::None : IsRotctld(rotorPath) ? TRotorOutput::Rotctld : TRotorOutput::DbusServer;
    if (!IsRotctld(rotorPath)) s.RotorServerPath = rotorPath;
    s.RotctldAddress = HostPortText(read.RotorDaemon);
    const QString service = read.RadioServerService.trimmed();
    const bool radioOn = f.SatStart.Line(11).startsWith('+');
    s.Radio = !radioOn             ? TRadioOutput::SerialCat
              : IsRigctld(service) ? TRadioOutput::Rigctld
                                   : TRadioOutput::DbusServer;
    if (!IsRigctld(service)) s.RadioService = service;
    s.RigctldAddress = HostPortText(read.RadioDaemon);
    return s;
}

TRefusal ApplyServers(const TServerFields& s, TSetupFiles& f) {
    QString path = s.RotorServerPath.trimmed();
    if (path.endsWith(".exe", Qt::CaseInsensitive)) path.chop(4);
    const QString service = s.RadioService.trimmed();
    switch (s.Rotor) {
        case TRotorOutput::None:
            break;
        case TRotorOutput::DbusServer:
            if (path.isEmpty()) return ServerRefusal("Rotor server", "the server program's path is empty");
            if (IsRotctld(path)) return ServerRefusal("Rotor server", "rotctld is chosen as \"rotctld\" below");
            f.RotorServer.SetLine(1, path);
            break;
        case TRotorOutput::Rotctld: {
            const auto line = AddressLine(s.RotctldAddress, "rotctld address");
            if (const auto* refused = std::get_if<TSetupRefusal>(&line)) return *refused;
            if (!IsRotctld(f.RotorServer.Line(1).trimmed())) f.RotorServer.SetLine(1, "rotctld");
            f.RotorServer.SetLine(2, std::get<QString>(line));
            break;
        }
    }
    switch (s.Radio) {
        case TRadioOutput::SerialCat:
            break;
        case TRadioOutput::DbusServer:
            if (service.isEmpty()) return ServerRefusal("Radio server", "the service name is empty");
            if (IsRigctld(service)) return ServerRefusal("Radio server", "rigctld is chosen as \"rigctld\" below");
            f.CatServer.SetLine(1, service);
            break;
        case TRadioOutput::Rigctld: {
            const auto line = AddressLine(s.RigctldAddress, "rigctld address");
            if (const auto* refused = std::get_if<TSetupRefusal>(&line)) return *refused;
            f.CatServer.SetLine(1, "rigctld");
            f.CatServer.SetLine(2, std::get<QString>(line));
            break;
        }
    }
    // "SatStart.SQF" has fourteen lines: one that ended early is filled with "-".
    for (int n = f.SatStart.Lines.size() + 1; n <= 14; ++n) f.SatStart.SetLine(n, n == 9 ? "0" : "-");
    f.SatStart.SetLine(4, s.Rotor == TRotorOutput::None ? "-" : "+");
    f.SatStart.SetLine(11, s.Radio == TRadioOutput::SerialCat ? "-" : "+");
    return std::nullopt;
}

}  // namespace kelvora
