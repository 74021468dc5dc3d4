#include "RotorSetup.h"

#include "ConfigFile.h"
#include "RotorSettings.h"

namespace kelvora {

namespace {
std::string StdText(const QByteArray& bytes) { return bytes.toStdString(); }

TSetupRefusal RotorRefusal(const QString& field, const QString& reason) { return {TSetupPage::Rotor, field, reason}; }

// A decimal number with '.', as the rotor files read it, within [low, high].
TRefusal CheckNumber(const QString& text, const QString& field, double low, double high, bool whole) {
    double value = 0;
    int integer = 0;
    const bool parsed = whole ? ParseWholeNumber(text.toLatin1(), integer) : ParseDecimal(text.toLatin1(), value);
    if (whole) value = integer;
    if (!parsed)
        return RotorRefusal(field, QStringLiteral("\"%1\" is not a %2").arg(text, whole ? "whole number" : "number"));
    if (value < low || value > high)
        return RotorRefusal(field, QStringLiteral("\"%1\" must lie between %2 and %3").arg(text).arg(low).arg(high));
    return std::nullopt;
}

TRefusal CheckDirection(const TDirectionRow& row, int index) {
    const QString field = QStringLiteral("Standard direction %1").arg(index);
    const QString name = row.Name.trimmed();
    if (name.isEmpty()) return RotorRefusal(field, "the name is empty");
    if (name.contains(',') || name.startsWith(';'))
        return RotorRefusal(field, QStringLiteral("the name \"%1\" may not hold \",\" or start with \";\"").arg(name));
    return CheckNumber(DottedNumber(row.Azimuth), field + " azimuth", 0, 450, false);
}

QString Switch(bool on) { return on ? "+" : "-"; }
}  // namespace

TRotorFields RotorFieldsOf(const TSetupFiles& f) {
    TRotorFields r;
    r.ThresholdMode = f.WiRotOpt.Line(1).startsWith('w');
    r.IntervalSeconds = f.WiRotOpt.Line(2).trimmed();
    r.StepDegrees = f.WiRotOpt.Line(3).trimmed();
    r.FixedAzimuthStep = f.WiRotOpt.Line(4) == "k";
    r.Flip = f.Flip.Line(1).startsWith('+');
    r.Extend450 = f.Flip.Line(2).startsWith('+');
    r.Park = f.Park.Line(1).startsWith('+');
    r.ParkAzimuth = f.ParkPos.Line(1).trimmed();
    r.ParkElevation = f.ParkPos.Line(2).trimmed();
    TRotorSettings read;
    ReadStandPosFile(StdText(f.StandPos.Original), read);
    for (const TStandardDirection& d : read.StandardDirections)
        r.StandardDirections.push_back({QString::fromLatin1(d.Name), QString::fromLatin1(d.AzimuthText)});
    return r;
}

TRefusal ApplyRotor(const TRotorFields& r, TSetupFiles& f) {
    const QString interval = DottedNumber(r.IntervalSeconds);
    const QString step = DottedNumber(r.StepDegrees);
    if (TRefusal refused = CheckNumber(interval, "Interval (s)", 1, 3600, false)) return refused;
    if (TRefusal refused = CheckNumber(step, "Threshold (degrees)", 0.1, 90, false)) return refused;
    const QString parkAz = r.ParkAzimuth.trimmed();
    const QString parkEl = r.ParkElevation.trimmed();
    if (TRefusal refused = CheckNumber(parkAz, "Park azimuth", 0, 360, true)) return refused;
    if (TRefusal refused = CheckNumber(parkEl, "Park elevation", 0, 90, true)) return refused;
    if (r.StandardDirections.size() > kMaxStandardDirections)
        return RotorRefusal("Standard directions", QStringLiteral("at most %1 rows").arg(kMaxStandardDirections));
    for (std::size_t i = 0; i < r.StandardDirections.size(); ++i)
        if (TRefusal refused = CheckDirection(r.StandardDirections[i], int(i) + 1)) return refused;

    // An interval-mode letter of the file stays; "i" when switching from threshold mode.
    const QString mode = f.WiRotOpt.Line(1);
    f.WiRotOpt.SetLine(1, r.ThresholdMode ? "w" : (mode.isEmpty() || mode.startsWith('w') ? "i" : mode));
    f.WiRotOpt.SetLine(2, interval);
    f.WiRotOpt.SetLine(3, step);
    const QString rule = f.WiRotOpt.Line(4);
    f.WiRotOpt.SetLine(4, r.FixedAzimuthStep ? "k" : (rule.isEmpty() || rule == "k" ? "e" : rule));
    // 450 degrees is never on together with the flip.
    f.Flip.SetLine(1, Switch(r.Flip));
    f.Flip.SetLine(2, Switch(r.Extend450 && !r.Flip));
    f.Park.SetLine(1, Switch(r.Park));
    f.ParkPos.SetLine(1, parkAz);
    f.ParkPos.SetLine(2, parkEl);

    QStringList stand;
    for (const QString& line : f.StandPos.Lines)
        if (line.startsWith(';')) stand << line;
    for (const TDirectionRow& row : r.StandardDirections) stand << row.Name.trimmed() + "," + DottedNumber(row.Azimuth);
    f.StandPos.Lines = stand;

    TRotorSettings read;
    std::string error;
    if (!ReadWiRotOpt(StdText(f.WiRotOpt.Bytes()), read, &error))
        return RotorRefusal("WiRotOpt.SQF", QString::fromStdString(error));
    if (!ReadParkPosFile(StdText(f.ParkPos.Bytes()), read, &error))
        return RotorRefusal("ParkPos.SQF", QString::fromStdString(error));
    return std::nullopt;
}

}  // namespace kelvora
