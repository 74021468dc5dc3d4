// The owner of all process-wide orbit state: century base, clock offset,
// element slots with their raw records, the working copy of one set and
// the models' initialisation and deep-space state.
#pragma once

#include <iosfwd>
#include <vector>

#include "SGP4SDP4.h"
#include "SGP4SDP4Deep.h"
#include "SGP_Init.h"

namespace kelvora {

class TOrbitModel {
public:
    static constexpr int kMaxSlots = 2000;

    explicit TOrbitModel(int centuryBase = 2000);

    int CenturyBase() const { return centuryBase_; }
    void SetCenturyBase(int base) { centuryBase_ = base; }
    // Days removed from a Julian date before propagation (zone hours / 24).
    double ClockOffset() const { return clockOffset_; }
    void SetClockOffset(double days) { clockOffset_ = days; }
    // Where "Invalid argument in Function Power!" goes; null = standard error.
    void SetDiagnostics(std::ostream* sink) { diagnostics_ = sink; }
    std::ostream* Diagnostics() const { return diagnostics_; }

    static bool IsValidSlot(int slot) { return slot >= 1 && slot <= kMaxSlots; }
    // Slots 1..kMaxSlots; throws std::out_of_range otherwise.
    TElementSet& Slot(int slot);
    const TElementSet& Slot(int slot) const;
    TTwoLineRecord& TwoLineRecord(int slot);
    const TTwoLineRecord& TwoLineRecord(int slot) const;
    TOmmTexts& OmmTexts(int slot);
    const TOmmTexts& OmmTexts(int slot) const;

    // Conversions from the stored raw records; each ends per slot with the
    // deep-space flag, SelectSatellite and ComputeOrbitSummary.
    void ConvertTwoLine(int count);
    void ConvertCsv(int count);
    void ConvertXml(int slot);
    void ConvertKvn(int slot);
    void ConvertVerbose(int slot, const TVerboseValues& values);

    // Copies the slot into the working copy and marks it for initialisation.
    // An invalid slot leaves everything unchanged and returns false.
    bool SelectSatellite(int slot);
    void ComputeOrbitSummary(int slot);

    // jd is reduced by the clock offset, then SGP4 or SDP4 runs.
    TStateVector Propagate(double jd);
    // Same with minutes since the working copy's epoch.
    TStateVector PropagateMinutes(double minutesSinceEpoch);

    TModelElements& Model() { return model_; }
    const TModelElements& Model() const { return model_; }
    const TNearEarthState& NearEarth() const { return nearEarth_; }
    const TDeepSpaceState& Deep() const { return deep_; }

private:
    void FinishConversion(int slot);
    void ConvertOmm(int slot);

    int centuryBase_;
    double clockOffset_ = 0.0;
    std::ostream* diagnostics_ = nullptr;
    std::vector<TElementSet> slots_;
    std::vector<TTwoLineRecord> twoLine_;
    std::vector<TOmmTexts> omm_;
    TModelElements model_;
    TNearEarthState nearEarth_;
    TDeepSpaceState deep_;
};

}  // namespace kelvora
