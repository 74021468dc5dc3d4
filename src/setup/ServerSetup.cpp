#include "ServerSetup.h"

#include <QFileInfo>

namespace kelvora {

namespace {
TSetupRefusal ServerRefusal(const QString& field, const QString& reason) {
    return {TSetupPage::Servers, field, reason};
}

QString FileNamePart(const QString& path) { return QFileInfo(QString(path).replace('\\', '/')).fileName(); }
bool NamesRotctld(const QString& path) { return FileNamePart(path).compare("rotctld", Qt::CaseInsensitive) == 0; }
bool NamesRigctld(const QString& service) { return service.trimmed().compare("rigctld", Qt::CaseInsensitive) == 0; }

QString AddressOr(const QString& line, const char* fallback) {
    const QString text = line.trimmed();
    return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

TRefusal CheckAddress(const QString& text, const QString& field) {
    if (ParseServerAddress(text.trimmed(), nullptr, nullptr)) return std::nullopt;
    return ServerRefusal(field, QStringLiteral("\"%1\" is not host:port (such as 127.0.0.1:4533)").arg(text.trimmed()));
}
}  // namespace

bool ParseServerAddress(const QString& text, QString* host, quint16* port) {
    const int colon = text.lastIndexOf(':');
    if (colon <= 0) return false;
    QString name = text.left(colon);
    if (name.startsWith('[') && name.endsWith(']')) name = name.mid(1, name.size() - 2);
    bool ok = false;
    const int number = text.mid(colon + 1).toInt(&ok);
    if (!ok || number < 1 || number > 65535 || name.isEmpty() || name.contains(' ')) return false;
    if (host) *host = name;
    if (port) *port = quint16(number);
    return true;
}

TServerFields ServerFieldsOf(const TSetupFiles& f) {
    TServerFields s;
    const QString rotorPath = f.RotorServer.Line(1).trimmed();
    const bool rotorOn = f.SatStart.Line(4).startsWith('+');
    s.Rotor = !rotorOn                  ? TRotorOutput::None
              : NamesRotctld(rotorPath) ? TRotorOutput::Rotctld
                                        : TRotorOutput::DbusServer;
    if (!NamesRotctld(rotorPath)) s.RotorServerPath = rotorPath;
    s.RotctldAddress = AddressOr(f.RotorServer.Line(2), kDefaultRotctldAddress);
    const QString service = f.CatServer.Line(1).trimmed();
    const bool radioOn = f.SatStart.Line(11).startsWith('+');
    s.Radio = !radioOn                ? TRadioOutput::SerialCat
              : NamesRigctld(service) ? TRadioOutput::Rigctld
                                      : TRadioOutput::DbusServer;
    if (!NamesRigctld(service)) s.RadioService = service;
    s.RigctldAddress = AddressOr(f.CatServer.Line(2), kDefaultRigctldAddress);
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
            if (NamesRotctld(path)) return ServerRefusal("Rotor server", "rotctld is chosen as \"rotctld\" below");
            f.RotorServer.SetLine(1, path);
            break;
        case TRotorOutput::Rotctld:
            if (TRefusal refused = CheckAddress(s.RotctldAddress, "rotctld address")) return refused;
            if (!NamesRotctld(f.RotorServer.Line(1).trimmed())) f.RotorServer.SetLine(1, "rotctld");
            f.RotorServer.SetLine(2, s.RotctldAddress.trimmed());
            break;
    }
    switch (s.Radio) {
        case TRadioOutput::SerialCat:
            break;
        case TRadioOutput::DbusServer:
            if (service.isEmpty()) return ServerRefusal("Radio server", "the service name is empty");
            if (NamesRigctld(service)) return ServerRefusal("Radio server", "rigctld is chosen as \"rigctld\" below");
            f.CatServer.SetLine(1, service);
            break;
        case TRadioOutput::Rigctld:
            if (TRefusal refused = CheckAddress(s.RigctldAddress, "rigctld address")) return refused;
            f.CatServer.SetLine(1, "rigctld");
            f.CatServer.SetLine(2, s.RigctldAddress.trimmed());
            break;
    }
    // "SatStart.SQF" has fourteen lines: one that ended early is filled with "-".
    for (int n = f.SatStart.Lines.size() + 1; n <= 14; ++n) f.SatStart.SetLine(n, n == 9 ? "0" : "-");
    f.SatStart.SetLine(4, s.Rotor == TRotorOutput::None ? "-" : "+");
    f.SatStart.SetLine(11, s.Radio == TRadioOutput::SerialCat ? "-" : "+");
    return std::nullopt;
}

}  // namespace kelvora
