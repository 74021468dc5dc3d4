#include "RadioSetup.h"

#include "ConfigText.h"
#include "RadioDefinition.h"
#include "SerialDevice.h"

namespace kelvora {

namespace {
std::string StdText(const QByteArray& bytes) { return bytes.toStdString(); }

TSetupRefusal RadioRefusal(const QString& field, const QString& reason) { return {TSetupPage::Radio, field, reason}; }

TSetupRefusal RefusalOf(const TFileError& error) {
    return RadioRefusal(QStringLiteral("%1 line %2").arg(QString::fromStdString(error.FileName)).arg(error.Line),
                        QString::fromStdString(error.Message));
}

// The first line of "IcomPar.SQF" after the baud rate that is an address pair.
int FirstPairLine(const TLineFile& icomPar) {
    for (int n = 2; n <= icomPar.Lines.size(); ++n) {
        const QString line = icomPar.Line(n);
        if (!line.trimmed().isEmpty() && !line.startsWith(';')) return n;
    }
    return 0;
}

// An address in its three columns: decimal with leading zeros as the kit writes it,
// "$" hexadecimal as typed.
QString AddressColumn(const QString& typed) {
    const QString text = typed.trimmed();
    bool decimal = !text.isEmpty();
    for (const QChar c : text) decimal = decimal && c.isDigit();
    return decimal ? text.rightJustified(3, '0') : text.leftJustified(3, ' ');
}

TRefusal CheckAddress(const QString& column, const QString& field) {
    TRadioDefinition probe;
    const std::string bytes = "9600\r\n" + column.toStdString() + " 000\r\n";
    if (column.size() != 3 || !ReadIcomPar(bytes, probe) || probe.IcomAddressTable.empty())
        return RadioRefusal(field, QStringLiteral("\"%1\" is not an address: 0 to 255, or \"$\" and two hexadecimal "
                                                  "digits (\"$60\")")
                                       .arg(column.trimmed()));
    return std::nullopt;
}

void SetPortLine(TLineFile& ports, int portNumber, const QString& path) {
    const QString prefix = QString::number(portNumber);
    for (int n = 1; n <= ports.Lines.size(); ++n) {
        const QString line = ports.Line(n).trimmed();
        const int equals = line.indexOf('=');
        if (!line.startsWith(';') && equals > 0 && line.left(equals).trimmed() == prefix) {
            ports.SetLine(n, prefix + "=" + path);
            return;
        }
    }
    ports.Lines << prefix + "=" + path;
}

TSerialPortMap PortMapOf(const TLineFile& ports) {
    TSerialPortMap map;
    ReadSerialPortsFile(StdText(ports.Bytes()), map);
    return map;
}

TRefusal ApplyDevice(const TRadioFields& fields, TSetupFiles& files) {
    int port = 0;
    if (!ParseWholeNumberText(fields.PortNumber.trimmed().toStdString(), port) || port < 1) return std::nullopt;
    const QString path = fields.DevicePath.trimmed();
    if (path.isEmpty()) return std::nullopt;  // the port number's default device
    if (!path.startsWith('/'))
        return RadioRefusal("Serial device",
                            QStringLiteral("\"%1\" is not a device path (such as /dev/ttyUSB0)").arg(path));
    if (QString::fromStdString(DevicePathFor(PortMapOf(files.SerialPorts), port)) == path) return std::nullopt;
    SetPortLine(files.SerialPorts, port, path);
    TSerialPortMap map;
    TFileError error;
    if (!ReadSerialPortsFile(StdText(files.SerialPorts.Bytes()), map, &error)) return RefusalOf(error);
    return std::nullopt;
}
}  // namespace

QString TRadioFields::Model() const {
    return Family == "Icom" ? IcomModel : Family == "Kenwood" ? KenwoodModel : YaesuModel;
}
QString TRadioFields::Baud() const {
    return Family == "Icom" ? IcomBaud : Family == "Kenwood" ? KenwoodBaud : YaesuBaud;
}
void TRadioFields::SetModel(const QString& model) {
    (Family == "Icom" ? IcomModel : Family == "Kenwood" ? KenwoodModel : YaesuModel) = model;
}
void TRadioFields::SetBaud(const QString& baud) {
    (Family == "Icom" ? IcomBaud : Family == "Kenwood" ? KenwoodBaud : YaesuBaud) = baud;
}

QStringList RadioFamilies() { return {"Yaesu", "Icom", "Kenwood"}; }

QStringList ModelsOf(const QString& family) {
    if (family == "Icom") return {"IC-910H", "IC-9100", "IC-9700", "Other"};
    if (family == "Kenwood") return {"TS-790", "TS-2000", "Others"};
    return {"FT-736R", "FT-847", "Other"};
}

QStringList BaudRateTexts() { return {"1200", "4800", "9600", "19200", "38400", "57600"}; }

TRadioFields RadioFieldsOf(const TSetupFiles& f) {
    TRadioFields r;
    r.Family = f.Trx.Line(1);
    r.YaesuBaud = f.YaesuPar.Line(3);
    r.YaesuModel = f.YaesuPar.Line(4);
    r.IcomModel = f.IcomName.Line(1);
    r.IcomBaud = f.IcomPar.Line(1);
    if (const int pair = FirstPairLine(f.IcomPar)) {
        const QString line = f.IcomPar.Line(pair);
        r.IcomRxAddress = line.mid(0, 3).trimmed();
        r.IcomTxAddress = line.mid(4, 3).trimmed();
    }
    r.KenwoodModel = f.KenwoodPar.Line(1);
    r.KenwoodBaud = f.KenwoodPar.Line(2);
    r.Rts = f.Rts12.Line(1).startsWith('+');
    r.Dtr = f.Rts12.Line(3).startsWith('+');
    r.PortNumber = f.SatIni.Line(5).trimmed();
    r.CatPause = f.SatIni.Line(6).trimmed();
    int port = 0;
    if (ParseWholeNumberText(r.PortNumber.toStdString(), port) && port >= 1)
        r.DevicePath = QString::fromStdString(DevicePathFor(PortMapOf(f.SerialPorts), port));
    return r;
}

TRefusal ApplyRadio(const TRadioFields& r, TSetupFiles& f) {
    f.Trx.SetLine(1, r.Family);
    f.YaesuPar.SetLine(3, r.YaesuBaud);
    f.YaesuPar.SetLine(4, r.YaesuModel);
    f.IcomName.SetLine(1, r.IcomModel);
    f.IcomPar.SetLine(1, r.IcomBaud);
    f.KenwoodPar.SetLine(1, r.KenwoodModel);
    f.KenwoodPar.SetLine(2, r.KenwoodBaud);
    f.Rts12.SetLine(1, r.Rts ? "+" : "-");
    if (f.Rts12.Lines.size() < 2) f.Rts12.SetLine(2, "-");
    f.Rts12.SetLine(3, r.Dtr ? "+" : "-");
    f.SatIni.SetLine(5, r.PortNumber.trimmed());
    f.SatIni.SetLine(6, r.CatPause.trimmed());

    const QString rx = AddressColumn(r.IcomRxAddress);
    const QString tx = AddressColumn(r.IcomTxAddress);
    if (TRefusal refused = CheckAddress(rx, "CI-V address (receive)")) return refused;
    if (TRefusal refused = CheckAddress(tx, "CI-V address (transmit)")) return refused;
    const int pairLine = FirstPairLine(f.IcomPar);
    const QString pair = rx + " " + tx;
    if (pairLine) {
        // Anything after the two columns (a remark) stays.
        f.IcomPar.SetLine(pairLine, pair + f.IcomPar.Line(pairLine).mid(7));
    } else {
        f.IcomPar.SetLine(qMax(2, int(f.IcomPar.Lines.size()) + 1), pair);
    }

    TRadioDefinition read;
    TFileError error;
    if (!ReadYaesuPar(StdText(f.YaesuPar.Bytes()), read, &error)) return RefusalOf(error);
    if (!ReadIcomPar(StdText(f.IcomPar.Bytes()), read, &error)) return RefusalOf(error);
    return ApplyDevice(r, f);
}

std::optional<TRadioProbeSetup> RadioProbeSetupOf(const TRadioFields& fields, const TSetupFiles& files,
                                                  TSetupRefusal* refusal) {
    TSetupFiles edited = files;
    TRefusal refused = ApplyRadio(fields, edited);
    int port = 0;
    if (!refused && !ParseWholeNumberText(fields.PortNumber.trimmed().toStdString(), port))
        refused = RadioRefusal("CAT port number", "a whole number is needed");
    if (!refused && port < 1) refused = RadioRefusal("CAT port number", "0 means no CAT port: choose 1 or more");
    if (refused) {
        if (refusal) *refusal = *refused;
        return std::nullopt;
    }
    // The definition exactly as the start-up reads it from the edited files.
    TRadioDefinition radio;
    ReadTrxFile(StdText(edited.Trx.Bytes()), radio);
    ReadYaesuPar(StdText(edited.YaesuPar.Bytes()), radio);
    ReadIcomPar(StdText(edited.IcomPar.Bytes()), radio);
    ReadIcomName(StdText(edited.IcomName.Bytes()), radio);
    ReadKenwoodPar(StdText(edited.KenwoodPar.Bytes()), radio);
    ReadRts12(StdText(edited.Rts12.Bytes()), radio);
    TRadioProbeSetup setup;
    setup.Radio = CatRadioSetupOf(radio);
    setup.Port = CatPortSettings(setup.Radio, port, DevicePathFor(PortMapOf(edited.SerialPorts), port));
    return setup;
}

}  // namespace kelvora
