#include "OutputPart.h"

#include "AusgabeU.h"
#include "StartSettingsApply.h"
#include "TrackingLine.h"
#include "TrackingOutput.h"

#include <QApplication>
#include <QColor>

namespace kelvora {

namespace {
QColor ColourOf(const TRgb& rgb) { return QColor(rgb.R, rgb.G, rgb.B); }
}  // namespace

void TOutputPart::ShowStationText() {
    const TAppState& state = in_.State;
    main_->ShowStationText(QString::fromStdString(
        StationText(state.Station.Longitude, state.Station.Latitude, state.DecimalSeparator.toLatin1())));
}

void TOutputPart::PlaceDialogs() {
    const int top = main_->y() + (in_.State.Layout.FontScale > 16 ? 140 : 120);
    for (QWidget* dialog : placedDialogs_) dialog->move(main_->x() + (main_->width() - dialog->width()) / 2, top);
}

void TOutputPart::ClearIllumination() {
    if (main_) main_->ClearIllumination();
}

void TOutputPart::ToggleLabelsChanged() {
    if (main_) main_->ShowToggleTexts(ToggleTexts(in_.State));
}

void TOutputPart::ShowIllumination() {
    if (!in_.State.Tracking.ActiveComputable) {
        main_->ClearIllumination();
        return;
    }
    const TTrackState& track = in_.Track;
    const TIllumination ill =
        kelvora::ShowIllumination(in_.Sun, track.SubLatitude, track.SubLongitude, track.GeocentricRadius);
    main_->ShowIllumination(QString::fromStdString(ill.Text), ColourOf(ill.LabelColour), ColourOf(ill.TextColour));
}

void TOutputPart::UpdatePassOfActive() {
    TAppState& state = in_.State;
    std::vector<TPassInfo>& passes = in_.Passes;
    const int set = in_.Selection.ActiveSet;
    if (!TOrbitModel::IsValidSlot(set) || set > in_.Catalog.Count()) return;
    if (passes.size() != static_cast<size_t>(in_.Catalog.Count()) + 1)
        passes.assign(static_cast<size_t>(in_.Catalog.Count()) + 1, TPassInfo{});
    TPassInfo& pass = passes[static_cast<size_t>(set)];
    // A pass whose last event lies behind the cursor is predicted again.
    if (pass.LastEventTime < state.Time.DayCount) pass.Below = pass.Above = 0;
    const TTrackState atCursor = in_.Track;
    PredictPass(in_.Orbit, in_.Site, in_.Track, set, pass, state.Time.DayCount, state.Layout.LayoutSize);
    in_.Track = atCursor;
    if (static_cast<size_t>(set) < state.Tracking.NextAos.size())
        state.Tracking.NextAos[static_cast<size_t>(set)] = pass.NextAos;
}

void TOutputPart::ShowDataLine() {
    const TAppState& state = in_.State;
    if (!state.Tracking.ActiveComputable) {
        // No numbers and no pass times from a position the model could not give.
        main_->DrawDataLine(QString::fromLatin1(NotComputableLineText(state.Layout.LayoutSize).c_str()), false);
        return;
    }
    UpdatePassOfActive();
    const int set = in_.Selection.ActiveSet;
    const auto slot = static_cast<size_t>(set);
    const bool hasSquint = slot < in_.SquintSlots.size() && in_.SquintSlots[slot].AttitudeText != "-";
    const std::string passText = slot < in_.Passes.size() ? in_.Passes[slot].PassTimeText : std::string();
    const TTrackState& track = in_.Track;
    const std::string line = DataLineText(DataLineValuesOf(track, hasSquint, passText), state.Layout.LayoutSize,
                                          state.DecimalSeparator.toLatin1());
    main_->DrawDataLine(QString::fromLatin1(line.c_str()), DataLineOnWhite(track.Elevation));
}

void TOutputPart::BlankDopplerText() { main_->BlankDopplerText(); }

// The tick calls this only for an active satellite with a frequency entry after
// the warm-up; preview and MA steps never publish.
void TOutputPart::SetDataServerItem() {
    const TAppState& state = in_.State;
    const int set = in_.Selection.ActiveSet;
    if (state.Tracking.TimeMode != TTimeMode::RealTime || set < 1 || set > in_.Catalog.Count()) return;
    const TDopplerModel& doppler = in_.Doppler();
    const TTrackState& track = in_.Track;
    const TTrackingLineValues values{in_.Catalog.Name(set),
                                     track.Azimuth,
                                     track.Elevation,
                                     doppler.State().TxFrequency,
                                     doppler.Set().UplinkMode,
                                     doppler.State().RxFrequency,
                                     doppler.Set().DownlinkMode,
                                     track.MA,
                                     track.RangeRate};
    in_.DataServer.Publish(QByteArray::fromStdString(
        TrackingItemValue(values, state.ReportBelowHorizon, state.DecimalSeparator.toLatin1())));
}

void TOutputPart::Beep() { QApplication::beep(); }

}  // namespace kelvora
