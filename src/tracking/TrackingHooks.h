#pragma once
// The calls the tracking cycle makes into the rest of the program, in the order the
// cycle makes them. Each does nothing until the work that owns it fills it in.

#include "TrackingState.h"

namespace kelvora {

class ITrackingHooks {
public:
    virtual ~ITrackingHooks() = default;

    // Per selected satellite.
    virtual void SelectSatellite(int /*set*/) {}
    // Computes the current set for the cycle's instant; returns its elevation in degrees.
    virtual double PropagateAndLook(double /*julianDate*/, double /*dayCount*/) { return -90.0; }
    // Whether the set just propagated could be computed at that instant (the model
    // gave a position on or above the earth's surface).
    virtual bool Computable() { return true; }

    // Active satellite only.
    virtual void SubSatellitePoint() {}
    virtual void MapPointAndComposeMap() {}
    virtual void ComputeSunNow() {}
    virtual void ShowIllumination() {}
    // The Doppler work and everything after it that uses the range rate (frequency
    // text, data server, CAT) run only for an active satellite that is computable.
    virtual void UpdateDoppler() {}
    virtual void ComputeSquint() {}
    virtual void ShowDataLine() {}
    virtual void DrawDirectionArrow() {}
    virtual bool HasFrequencyEntry() { return false; }
    virtual void BlankDopplerText() {}
    virtual void BuildDopplerText() {}
    virtual void SetDataServerItem() {}
    virtual double RangeRate() { return 0.0; }
    virtual void DrawDopplerText() {}
    virtual double DownlinkShift() { return 0.0; }
    virtual void CycleUpdate() {}

    // After the loop.
    virtual void DrawSunOverlay() {}
    virtual void DrawOtherSatellites() {}
    virtual void PaintLetter(int /*letter*/, TLetterColour /*colour*/) {}
    virtual void RotorCycle() {}
    virtual void Beep() {}
    virtual void AdoptNewActiveSatellite() {}

    // Start of a tracking run.
    virtual void DeriveRotorInterval() {}
    virtual void SatelliteChanged() {}
    virtual void ClearCatHoldState() {}
    virtual void EnableLetters() {}
};

}  // namespace kelvora
