#pragma once
// The tracking data server's line for the active satellite: name, look angles,
// the tuned frequencies and modes, MA and range rate, in the form other station
// programs parse. Plain values in, bytes out.

#include <string>

namespace kelvora {

struct TTrackingLineValues {
    std::string Name;  // as the element file has it, blanks included
    double Azimuth = 0;  // degrees
    double Elevation = 0;  // degrees
    double TxKHz = 0;  // 0 for a satellite without an uplink
    std::string UplinkMode;
    double RxKHz = 0;
    std::string DownlinkMode;
    double MA = 0;  // 0 .. 256
    double RangeRate = 0;  // km/s, positive while receding
};

inline constexpr char kNoSatelliteText[] = "** NO SATELLITE **\n";

// "SN<name> AZ<az> EL<el> UP<tx Hz> UM<mode> DN<rx Hz> DM<mode> MA<ma> RR<rr>".
std::string TrackingDataLine(const TTrackingLineValues& values, char decimalSeparator);

// The item's value: the line, or the no-satellite text when satellites below the
// horizon are not reported ('-') and this one is below; CR LF behind either.
std::string TrackingItemValue(const TTrackingLineValues& values, char reportBelowHorizon, char decimalSeparator);

}  // namespace kelvora
