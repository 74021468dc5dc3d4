#pragma once
// The servers page: where rotor positions and radio frequencies go. "RotorServer.SQF"
// line 1 is the rotor server program's path without ".exe" ("rotctld" as its file
// name selects Hamlib's rotctld), line 2 the rotctld address host:port;
// "CatServer.SQF" line 1 the radio server's service name ("rigctld" selects Hamlib's
// rigctld), line 2 the rigctld address. Whether they are used are the start options
// "SatStart.SQF" lines 4 and 11.

#include "ServerFiles.h"
#include "SetupFiles.h"

namespace kelvora {

inline const QString kDefaultRotctldAddress = HostPortText(kRotctldDefault);
inline const QString kDefaultRigctldAddress = HostPortText(kRigctldDefault);

enum class TRotorOutput { None, DbusServer, Rotctld };
enum class TRadioOutput { SerialCat, DbusServer, Rigctld };

struct TServerFields {
    TRotorOutput Rotor = TRotorOutput::None;
    QString RotorServerPath;  // the D-Bus rotor server program
    QString RotctldAddress = kDefaultRotctldAddress;
    TRadioOutput Radio = TRadioOutput::SerialCat;
    QString RadioService;  // the D-Bus radio server's service name
    QString RigctldAddress = kDefaultRigctldAddress;
};

TServerFields ServerFieldsOf(const TSetupFiles& files);
TRefusal ApplyServers(const TServerFields& fields, TSetupFiles& files);

// "host:port" ("[::1]:4533" for an IPv6 address) read as the program reads line 2;
// false unless both come from the text: a host without blanks and a port 1 to 65535.
bool ParseServerAddress(const QString& text, QString* host, quint16* port);

}  // namespace kelvora
