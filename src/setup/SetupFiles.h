#pragma once
// What the "Setup" dialog edits: the station lines of "SatIni.SQF", the radio's
// definition files and its serial device, the rotor files and the server files, each
// page's values as the operator sees them (texts as typed), and the edits that put
// them into the files' lines. Every edit is checked by reading the new lines with the
// program's own readers, so that the setup never stores what the start-up refuses.

#include "LineFile.h"

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

namespace kelvora {

struct TSetupFiles {
    TLineFile SatIni, SatStart;
    TLineFile Trx, YaesuPar, IcomPar, IcomName, KenwoodPar, Rts12, SerialPorts;
    TLineFile WiRotOpt, Flip, Park, ParkPos, StandPos;
    TLineFile RotorServer, CatServer;

    std::vector<TLineFile*> All();
};
TSetupFiles LoadSetupFiles(const QString& dataFolder);

enum class TSetupPage { Station, Radio, Rotor, Servers };

// A value the setup does not store: the page and the field it stands in, and why.
struct TSetupRefusal {
    TSetupPage Page = TSetupPage::Station;
    QString Field;
    QString Reason;
    QString Text() const { return Field + ": " + Reason; }
};
using TRefusal = std::optional<TSetupRefusal>;

// The number text with ',' taken as '.', which the settings files read.
QString DottedNumber(const QString& typed);

}  // namespace kelvora
