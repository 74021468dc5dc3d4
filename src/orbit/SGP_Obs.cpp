#include "SGP_Obs.h"

#include <cmath>

#include "OrbitModel.h"
#include "SGP_Time.h"

namespace kelvora {

namespace {
// WGS-72, as the models use it.
constexpr double kRadius = 6378.135;
constexpr double kE2 = 0.006694317778266721971;
constexpr double kOneMinusF2 = 0.99330568222173327796;
constexpr double kOmega = 7.292115855228083e-5;  // rad/s

// Below this the refraction formula only adds noise around its pole.
constexpr double kRefractionFloorDeg = -4.0;
constexpr int kLatitudeIterations = 50;
}  // namespace

void SetupObserver(TObserverSite& site, double latitudeDeg, double longitudeDeg, double heightMetres) {
    site.LatitudeDeg = latitudeDeg;
    site.LongitudeDeg = longitudeDeg;
    double lon = longitudeDeg;
    if (lon > 180.0) lon -= 360.0;
    site.Latitude = Radians(latitudeDeg);
    site.Longitude = Radians(Modulus(lon, 360.0));
    site.Height = heightMetres * 0.001;
}

bool SetupObserver(TObserverSite& site, double latitudeDeg, double longitudeDeg, std::string_view heightMetresText) {
    double metres = 0.0;
    if (!ParseReal(heightMetresText, metres)) return false;
    SetupObserver(site, latitudeDeg, longitudeDeg, metres);
    return true;
}

TObserverVectors ObserverState(TObserverSite& site, double jd) {
    const double theta = ReduceAngle(SiderealTimeOfJD(jd) + site.Longitude);
    site.LocalSiderealTime = theta;
    const double sinLat = std::sin(site.Latitude);
    const double q = 1.0 / std::sqrt(1.0 - kE2 * sinLat * sinLat);
    const double s = kOneMinusF2 * q;
    const double a = (kRadius * q + site.Height) * std::cos(site.Latitude);

    TObserverVectors out;
    out.Position.x = a * std::cos(theta);
    out.Position.y = a * std::sin(theta);
    out.Position.z = (kRadius * s + site.Height) * sinLat;
    out.Velocity.x = -kOmega * out.Position.y;
    out.Velocity.y = kOmega * out.Position.x;
    out.Velocity.z = 0.0;
    Magnitude(out.Position);
    Magnitude(out.Velocity);
    return out;
}

double RefractedElevation(double geometric) {
    const double d = Degrees(geometric);
    if (!(d >= kRefractionFloorDeg)) return geometric;
    const double corrected = geometric + Radians((1.02 / Tan(Radians(d + 10.3 / (d + 5.11)))) / 60.0);
    return corrected >= 0.0 ? corrected : geometric;
}

TLookSet LookAngles(TObserverSite& site, const TVector4& satPos, const TVector4& satVel, double jd) {
    const TObserverVectors obs = ObserverState(site, jd);
    TVector4 rho{satPos.x - obs.Position.x, satPos.y - obs.Position.y, satPos.z - obs.Position.z, 0.0};
    const TVector4 rhoDot{satVel.x - obs.Velocity.x, satVel.y - obs.Velocity.y, satVel.z - obs.Velocity.z, 0.0};
    Magnitude(rho);

    const double sinLat = std::sin(site.Latitude);
    const double cosLat = std::cos(site.Latitude);
    const double sinTh = std::sin(site.LocalSiderealTime);
    const double cosTh = std::cos(site.LocalSiderealTime);
    const double south = sinLat * cosTh * rho.x + sinLat * sinTh * rho.y - cosLat * rho.z;
    const double east = -sinTh * rho.x + cosTh * rho.y;
    const double zenith = cosLat * cosTh * rho.x + cosLat * sinTh * rho.y + sinLat * rho.z;

    double az;
    if (south == 0.0) {
        // Due east or west in the horizontal plane, or straight overhead.
        az = east > 0.0 ? kPiHalf : (east < 0.0 ? kThreePiHalf : 0.0);
    } else {
        az = std::atan(-east / south);
        if (south > 0.0) az += kPi;
        if (az < 0.0) az += kTwoPi;
        if (az >= kTwoPi) az = 0.0;  // a hair west of north rounds up to 2 pi
    }

    TLookSet out;
    out.Azimuth = az;
    out.Range = rho.w;
    if (rho.w > 0.0) {
        out.Elevation = ArcSin(zenith / rho.w);
        out.RangeRate = Dot(rho, rhoDot) / rho.w;
    } else {
        out.Elevation = kPiHalf;
    }
    out.Elevation = RefractedElevation(out.Elevation);
    return out;
}

void LookFromModelOutput(TObserverSite& site, TTrackState& track, const TVector4& positionEr,
                         const TVector4& velocityEr, double jd, double dayCount, double clockOffset,
                         const TPhaseInputs& phase) {
    const double j = jd - clockOffset;
    constexpr double kVelocityScale = kRadius / 60.0;
    track.Position = {positionEr.x * kRadius, positionEr.y * kRadius, positionEr.z * kRadius, 0};
    track.Velocity = {velocityEr.x * kVelocityScale, velocityEr.y * kVelocityScale, velocityEr.z * kVelocityScale, 0};
    Magnitude(track.Position);
    Magnitude(track.Velocity);

    track.LookSet = LookAngles(site, track.Position, track.Velocity, j);
    track.Azimuth = Degrees(track.LookSet.Azimuth);
    if (track.Azimuth >= 360.0) track.Azimuth -= 360.0;
    track.Elevation = Degrees(track.LookSet.Elevation);
    track.Range = track.LookSet.Range;
    track.RangeRate = track.LookSet.RangeRate;

    track.SincePerigee = (dayCount - phase.PerigeeDay) - clockOffset;
    const double revs = track.SincePerigee * phase.RevsPerDay;
    track.MA = Frac(revs) * 256.0;
    track.OrbitNumber = revs + phase.EpochRev;
}

bool PropagateAndLook(TOrbitModel& model, TObserverSite& site, TTrackState& track, double jd, double dayCount) {
    const TStateVector sv = model.Propagate(jd);
    const TModelElements& el = model.Model();
    const TPhaseInputs phase{el.PerigeeDay, el.RevsPerDay, el.EpochRev};
    LookFromModelOutput(site, track, sv.Position, sv.Velocity, jd, dayCount, model.ClockOffset(), phase);
    if (sv.Valid) return true;
    track.LookSet = TLookSet{0.0, -kPiHalf, 0.0, 0.0};
    track.Azimuth = 0.0;
    track.Elevation = -90.0;
    track.Range = 0.0;
    track.RangeRate = 0.0;
    return false;
}

void SubSatellitePoint(TTrackState& track, double jd, double clockOffset) {
    const double j = jd - clockOffset;
    const double x = track.Position.x;
    const double y = track.Position.y;
    const double z = track.Position.z;
    const double lon = ReduceAngle(QuadrantArcTan(y, x) - SiderealTimeOfJD(j));
    const double r = std::sqrt(x * x + y * y);

    double lat;
    double q;
    double height;
    if (r == 0.0) {
        // Over a pole: the arctangent below would give 270 degrees for the south pole.
        lat = z >= 0.0 ? kPiHalf : -kPiHalf;
        q = 1.0 / std::sqrt(1.0 - kE2);
        height = std::fabs(z) - kRadius * q * (1.0 - kE2);
    } else {
        lat = QuadrantArcTan(z, r);
        double sinLat = std::sin(lat);
        q = 1.0 / std::sqrt(1.0 - kE2 * sinLat * sinLat);
        for (int i = 0; i < kLatitudeIterations; ++i) {
            const double phi = lat;
            sinLat = std::sin(phi);
            q = 1.0 / std::sqrt(1.0 - kE2 * sinLat * sinLat);
            lat = QuadrantArcTan(z + kRadius * q * kE2 * sinLat, r);
            if (!(std::fabs(lat - phi) >= 1e-10)) break;  // converged, or not finite
        }
        const double cosLat = std::cos(lat);
        // Close to a pole r / cos(lat) loses its precision; the polar form is exact there.
        height = std::fabs(cosLat) > 1e-6 ? r / cosLat - kRadius * q
                                          : std::fabs(z) / std::fabs(std::sin(lat)) - kRadius * q * (1.0 - kE2);
    }
    track.SubLatitude = Degrees(lat);
    track.SubLongitude = Degrees(lon);
    track.Height = height;
    track.GeocentricRadius = height + kRadius;
}

}  // namespace kelvora
