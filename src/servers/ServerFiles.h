#pragma once
// "RotorServer.SQF" and "CatServer.SQF": line 1 the rotor server's path (without
// ".exe") or the radio server's service; line 2, read only for Hamlib's daemons,
// host:port. Files of line 1 alone still read.

#include "ConfigFile.h"
#include "ServerTexts.h"

#include <QString>

namespace kelvora {

inline const THostPort kRotctldDefault{"127.0.0.1", 4533};
inline const THostPort kRigctldDefault{"127.0.0.1", 4532};

struct TServerFiles {
    QString RotorServerPath;  // as stored
    THostPort RotorDaemon = kRotctldDefault;  // when the path names "rotctld"
    QString RadioServerService;  // used unchanged
    THostPort RadioDaemon = kRigctldDefault;  // when the service is "rigctld"
};

// Whether a rotor server path or a radio server service names Hamlib's daemon.
bool IsRotctld(const QString& path);
bool IsRigctld(const QString& service);

// Lines 1 and 2 of one of the files as stored; the second empty when missing.
struct TServerFileLines {
    QString First;
    QString Second;
};
// The two lines of an opened file.
TServerFileLines ServerFileLinesOf(ConfigFile& file);
TServerFiles ServerFilesOf(const TServerFileLines& rotor, const TServerFileLines& radio);

// A missing file is a ConfigError, as for every file read at start-up.
TServerFiles ReadServerFiles(const QString& dataFolder);

// Line 2 as it reads back: "host:port", the host in brackets when it has a colon.
QString HostPortText(const THostPort& address);

}  // namespace kelvora
