#include "OrbitModel.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kelvora {

TOrbitModel::TOrbitModel(int centuryBase)
    : centuryBase_(centuryBase), slots_(kMaxSlots + 1), twoLine_(kMaxSlots + 1), omm_(kMaxSlots + 1) {}

namespace {
std::size_t Checked(int slot) {
    if (!TOrbitModel::IsValidSlot(slot)) throw std::out_of_range("element slot out of range");
    return static_cast<std::size_t>(slot);
}
}  // namespace

TElementSet& TOrbitModel::Slot(int slot) { return slots_[Checked(slot)]; }
const TElementSet& TOrbitModel::Slot(int slot) const { return slots_[Checked(slot)]; }
TTwoLineRecord& TOrbitModel::TwoLineRecord(int slot) { return twoLine_[Checked(slot)]; }
const TTwoLineRecord& TOrbitModel::TwoLineRecord(int slot) const { return twoLine_[Checked(slot)]; }
TOmmTexts& TOrbitModel::OmmTexts(int slot) { return omm_[Checked(slot)]; }
const TOmmTexts& TOrbitModel::OmmTexts(int slot) const { return omm_[Checked(slot)]; }

void TOrbitModel::FinishConversion(int slot) {
    MarkDeepSpace(slots_[static_cast<std::size_t>(slot)]);
    SelectSatellite(slot);
    ComputeOrbitSummary(slot);
}

void TOrbitModel::ConvertTwoLine(int count) {
    const int last = std::min(count, kMaxSlots);
    for (int slot = 1; slot <= last; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        ElementsFromTwoLine(twoLine_[i], centuryBase_, slots_[i], diagnostics_);
        FinishConversion(slot);
    }
}

void TOrbitModel::ConvertOmm(int slot) {
    if (!IsValidSlot(slot)) return;
    const auto i = static_cast<std::size_t>(slot);
    ElementsFromOmm(omm_[i], centuryBase_, slots_[i]);
    FinishConversion(slot);
}

void TOrbitModel::ConvertCsv(int count) {
    const int last = std::min(count, kMaxSlots);
    for (int slot = 1; slot <= last; ++slot) ConvertOmm(slot);
}

void TOrbitModel::ConvertXml(int slot) { ConvertOmm(slot); }
void TOrbitModel::ConvertKvn(int slot) { ConvertOmm(slot); }

void TOrbitModel::ConvertVerbose(int slot, const TVerboseValues& values) {
    if (!IsValidSlot(slot)) return;
    ElementsFromVerbose(values, centuryBase_, slots_[static_cast<std::size_t>(slot)]);
    FinishConversion(slot);
}

bool TOrbitModel::SelectSatellite(int slot) {
    if (!IsValidSlot(slot)) return false;
    const TElementSet& set = slots_[static_cast<std::size_t>(slot)];
    static_cast<TElementSet&>(model_) = set;
    model_.InitPending = set.NeedsInit;
    return true;
}

void TOrbitModel::ComputeOrbitSummary(int slot) {
    if (!IsValidSlot(slot)) return;
    kelvora::ComputeOrbitSummary(slots_[static_cast<std::size_t>(slot)]);
}

TStateVector TOrbitModel::Propagate(double jd) {
    return PropagateMinutes((jd - clockOffset_ - model_.JulianEpoch) * 1440.0);
}

TStateVector TOrbitModel::PropagateMinutes(double t) {
    if (!IsPropagationTime(t) || !CanPropagate(model_)) {
        TStateVector invalid;
        invalid.Valid = false;
        return invalid;
    }
    if (model_.DeepSpace == 1) return Sdp4(model_, nearEarth_, deep_, centuryBase_, t, diagnostics_);
    return Sgp4(model_, nearEarth_, t, diagnostics_);
}

}  // namespace kelvora
