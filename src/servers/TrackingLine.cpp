#include "TrackingLine.h"

#include "PatternFormat.h"

namespace kelvora {

std::string TrackingDataLine(const TTrackingLineValues& v, char sep) {
    return "SN" + v.Name + " AZ" + FormatPattern(v.Azimuth, "##0.0", sep) + " EL" +
           FormatPattern(v.Elevation, "##0.0", sep) + " UP" + FormatPattern(v.TxKHz * 1000.0, "######0", sep) + " UM" +
           v.UplinkMode + " DN" + FormatPattern(v.RxKHz * 1000.0, "######0", sep) + " DM" + v.DownlinkMode + " MA" +
           FormatPattern(v.MA, "##0.0", sep) + " RR" + FormatPattern(v.RangeRate, "##0.0######", sep);
}

std::string TrackingItemValue(const TTrackingLineValues& values, char reportBelowHorizon, char sep) {
    const bool hidden = reportBelowHorizon == '-' && values.Elevation < 0;
    return (hidden ? std::string(kNoSatelliteText) : TrackingDataLine(values, sep)) + "\r\n";
}

}  // namespace kelvora
