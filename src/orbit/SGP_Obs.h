#pragma once

// Observer geometry: the station on the WGS-72 ellipsoid, look angles with
// atmospheric refraction, the sub-satellite point, and the MA phase and
// orbit number of the satellite last propagated.
//
// State is not global: TObserverSite and TTrackState are plain records that
// the caller owns (one each in the program, fresh ones in tests) and passes
// to these functions together with the orbit model.

#include <string_view>

#include "SGP_Math.h"

namespace kelvora {

class TOrbitModel;

struct TObserverSite {
    double Latitude = 0.0;  // radians, geodetic, north positive
    double Longitude = 0.0;  // radians east, [0, 2pi)
    double Height = 0.0;  // km above the ellipsoid
    double LocalSiderealTime = 0.0;  // radians, of the last ObserverState
    double LatitudeDeg = 0.0;  // configured values, unchanged
    double LongitudeDeg = 0.0;
};

// Azimuth and elevation in radians, range in km, range rate in km/s.
struct TLookSet {
    double Azimuth = 0.0;
    double Elevation = 0.0;
    double Range = 0.0;
    double RangeRate = 0.0;
};

struct TTrackState {
    TVector4 Position;  // ECI km
    TVector4 Velocity;  // ECI km/s
    TLookSet LookSet;
    double Azimuth = 0.0;  // degrees, [0, 360)
    double Elevation = 0.0;  // degrees, refraction-corrected when >= 0
    double Range = 0.0;  // km
    double RangeRate = 0.0;  // km/s, positive while receding
    double SubLatitude = 0.0;  // degrees
    double SubLongitude = 0.0;  // degrees east, [0, 360)
    double Height = 0.0;  // km above the ellipsoid
    double GeocentricRadius = 0.0;  // Height + 6378.135 km
    double SincePerigee = 0.0;  // days since the reference perigee
    double MA = 0.0;  // 0..256 per revolution, negative before perigee
    double OrbitNumber = 0.0;
    double Squint = 0.0;  // degrees (kept while there is no squint data)
};

struct TObserverVectors {
    TVector4 Position;  // km
    TVector4 Velocity;  // km/s
};

// Station from configured latitude and east longitude (degrees; 350 and -10
// are the same station) and height in metres.
void SetupObserver(TObserverSite& site, double latitudeDeg, double longitudeDeg, double heightMetres);
// As above with the height as configured text; false (site unchanged) when
// the text is not a number.
bool SetupObserver(TObserverSite& site, double latitudeDeg, double longitudeDeg, std::string_view heightMetresText);

TObserverVectors ObserverState(TObserverSite& site, double jd);

// Refraction-corrected elevation (radians) when that is >= 0, otherwise the
// geometric one. Geometric elevations below -4 degrees skip the correction:
// the formula's pole at -5.11 degrees would otherwise lift them far above the
// horizon.
double RefractedElevation(double geometric);

TLookSet LookAngles(TObserverSite& site, const TVector4& satPos, const TVector4& satVel, double jd);

// The orbit values PropagateAndLook needs besides the model's state vector.
struct TPhaseInputs {
    double PerigeeDay = 0.0;  // day count of the reference perigee
    double RevsPerDay = 0.0;
    double EpochRev = 0.0;
};

// The part of PropagateAndLook after the model ran: positionEr in earth
// radii, velocityEr in earth radii per minute.
void LookFromModelOutput(TObserverSite& site, TTrackState& track, const TVector4& positionEr,
                         const TVector4& velocityEr, double jd, double dayCount, double clockOffset,
                         const TPhaseInputs& phase);

// Propagates the model's working satellite to jd (the model removes its clock
// offset) and fills Position, Velocity, LookSet, Azimuth, Elevation, Range,
// RangeRate, SincePerigee, MA and OrbitNumber. MA and orbit number use the
// cycle's day count, not jd, with the reference perigee, revolutions per day
// and epoch revolution of the model's working copy (SelectSatellite fills it
// from the slot, as the tracking cycle does before each satellite).
// Returns false when the model cannot propagate the set (broken elements, a
// decayed orbit); the look values then read as a satellite far below the
// horizon (azimuth 0, elevation -90, range and range rate 0) so that no
// caller shows it as visible or predicts a pass from it.
bool PropagateAndLook(TOrbitModel& model, TObserverSite& site, TTrackState& track, double jd, double dayCount);

// Sub-satellite point, height and geocentric radius from track.Position.
void SubSatellitePoint(TTrackState& track, double jd, double clockOffset);

}  // namespace kelvora
