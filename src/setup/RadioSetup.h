#pragma once
// The radio page: family and model ("TRX.SQF", "YaesuPar.SQF", "IcomName.SQF",
// "KenwoodPar.SQF"), the family's baud rate, the first Icom address pair
// ("IcomPar.SQF"), RTS and DTR ("RTS12.SQF"), the CAT port number and pause
// ("SatIni.SQF" lines 5 and 6) and the port's device ("SerialPorts.SQF").

#include "CatRadioSetup.h"
#include "SetupFiles.h"

#include <QStringList>

namespace kelvora {

struct TRadioFields {
    QString Family;  // "Yaesu", "Icom", "Kenwood", or another text of the file
    QString YaesuModel, IcomModel, KenwoodModel;
    QString YaesuBaud, IcomBaud, KenwoodBaud;
    QString IcomRxAddress, IcomTxAddress;  // first pair, decimal or "$" hexadecimal
    bool Rts = false;
    bool Dtr = false;
    QString PortNumber;  // "SatIni.SQF" line 5, 0 = no CAT port
    QString CatPause;  // line 6, ms
    QString DevicePath;  // the device of the port number

    QString Model() const;  // of the family
    QString Baud() const;
    void SetModel(const QString& model);
    void SetBaud(const QString& baud);
};

QStringList RadioFamilies();  // the texts the radio code knows
QStringList ModelsOf(const QString& family);  // the models it tells apart
QStringList BaudRateTexts();  // the texts the serial port accepts

TRadioFields RadioFieldsOf(const TSetupFiles& files);
// Puts the fields into the lines and reads the radio files back with the program's
// readers; the CAT port number and pause are checked with "SatIni.SQF".
TRefusal ApplyRadio(const TRadioFields& fields, TSetupFiles& files);

// The radio and its port as the program would set them up from these fields.
struct TRadioProbeSetup {
    TCatRadioSetup Radio;
    TSerialSettings Port;
};
std::optional<TRadioProbeSetup> RadioProbeSetupOf(const TRadioFields& fields, const TSetupFiles& files,
                                                  TSetupRefusal* refusal);

}  // namespace kelvora
