#include "SetupFiles.h"

namespace kelvora {

std::vector<TLineFile*> TSetupFiles::All() {
    return {&SatIni,      &SatStart, &Trx,  &YaesuPar, &IcomPar, &IcomName, &KenwoodPar,  &Rts12,
            &SerialPorts, &WiRotOpt, &Flip, &Park,     &ParkPos, &StandPos, &RotorServer, &CatServer};
}

TSetupFiles LoadSetupFiles(const QString& folder) {
    TSetupFiles f;
    for (auto [file, name] :
         std::initializer_list<std::pair<TLineFile*, const char*>>{{&f.SatIni, "SatIni.SQF"},
                                                                   {&f.SatStart, "SatStart.SQF"},
                                                                   {&f.Trx, "TRX.SQF"},
                                                                   {&f.YaesuPar, "YaesuPar.SQF"},
                                                                   {&f.IcomPar, "IcomPar.SQF"},
                                                                   {&f.IcomName, "IcomName.SQF"},
                                                                   {&f.KenwoodPar, "KenwoodPar.SQF"},
                                                                   {&f.Rts12, "RTS12.SQF"},
                                                                   {&f.SerialPorts, "SerialPorts.SQF"},
                                                                   {&f.WiRotOpt, "WiRotOpt.SQF"},
                                                                   {&f.Flip, "Flip.SQF"},
                                                                   {&f.Park, "Park.SQF"},
                                                                   {&f.ParkPos, "ParkPos.SQF"},
                                                                   {&f.StandPos, "StandPos.SQF"},
                                                                   {&f.RotorServer, "RotorServer.SQF"},
                                                                   {&f.CatServer, "CatServer.SQF"}})
        *file = LoadLineFile(folder, QString::fromLatin1(name));
    return f;
}

QString DottedNumber(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(',', '.');
    return text;
}

}  // namespace kelvora
