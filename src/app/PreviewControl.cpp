#include "PreviewControl.h"

#include "AusgabeU.h"
#include "MAinpU.h"
#include "TickTimer.h"
#include "UpDown.h"
#include "VorschauU.h"

#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace kelvora {

namespace {
const QString kDateError = "Invalid argument to date encode";
}

TPreviewControl::TPreviewControl(TAusgabe& main, TTickTimer& ticks, TVorschau& vorschau, TMAInp& maInp, TAppState& app,
                                 TParts parts, TPreviewSources sources, QObject* parent)
    : QObject(parent), main_(main), ticks_(ticks), vorschau_(vorschau), maInp_(maInp), app_(app), parts_(parts),
      sources_(std::move(sources)) {
    connect(&main_, &TAusgabe::PreviewRequested, this, &TPreviewControl::menVorschauClick);
    connect(&main_, &TAusgabe::MaRequested, this, &TPreviewControl::menMAWertClick);
    connect(&main_, &TAusgabe::RealTimeRequested, this, &TPreviewControl::menEchtzeitClick);
    connect(&main_, &TAusgabe::ToggleClicked, this, [this](TToggle toggle) {
        if (toggle == TToggle::VorZur) lblVorZurClick();
    });
    connect(main_.UpDown2(), &TUpDown::Clicked, this, &TPreviewControl::UpDown1Click);
    connect(&vorschau_, &TVorschau::StartOk, this, &TPreviewControl::cmdStartOkClick);
    connect(&vorschau_, &TVorschau::StartCancel, this, &TPreviewControl::cmdStartCancelClick);
    connect(&vorschau_, &TVorschau::ResetClicked, this, &TPreviewControl::ResetPreviewStart);
    connect(&vorschau_, &TVorschau::Hidden, this, [this] { main_.SetInputEnabled(true); });
    connect(&maInp_, &TMAInp::OkClicked, this, &TPreviewControl::MaOkClick);
    connect(&maInp_, &TMAInp::CancelClicked, this, &TPreviewControl::MaCancelClick);
}

void TPreviewControl::menVorschauClick() {
    rotorStyle_ = main_.RotorLabel()->styleSheet();
    app_.Tracking.TimeMode = TTimeMode::Preview;
    main_.BlankFrequencyDisplays();
    main_.SetRxTxEnabled(false);
    ticks_.Stop();
    if (!state_.Initialised) {
        ResetPreviewStart();
        state_.Initialised = true;
    }
    vorschau_.SetTimeScaleLetter(app_.Time.TimeScaleLetter);
    main_.SetInputEnabled(false);
    vorschau_.show();
}

void TPreviewControl::ResetPreviewStart() {
    const double shown = sources_.LocalNow() - app_.Time.ClockCorrection;
    vorschau_.SetStart(PreviewStartOf(shown));
    state_.Interval = DefaultPreviewInterval(sources_.ActiveRevsPerDay ? sources_.ActiveRevsPerDay() : 0);
    state_.IntervalDays = PreviewIntervalDays(state_.Interval);
    vorschau_.SetInterval(state_.Interval);
}

void TPreviewControl::cmdStartOkClick() {
    if (sources_.ClearSelectionRequest) sources_.ClearSelectionRequest();
    main_.ShowPreviewControls(true);
    main_.ShowStepFactor(StepFactorText(state_));
    vorschau_.hide();
    const std::optional<double> shown = ShownTimeOf(vorschau_.Start());
    if (!shown) {
        // The mode stays Preview without a snapshot; "&Real Time" returns to tracking.
        if (sources_.ReportError) sources_.ReportError(kDateError);
        return;
    }
    SetPreviewDayCount(app_.Time, *shown - 28491.0);
    state_.Interval = vorschau_.Interval();
    state_.IntervalDays = PreviewIntervalDays(state_.Interval);
    Snapshot();
}

void TPreviewControl::cmdStartCancelClick() {
    main_.ShowPreviewControls(false);
    LeaveBlankedFrequencyArea();
    ticks_.Start();
    app_.Tracking.TimeMode = TTimeMode::RealTime;
    app_.Tracking.MapRedrawCounter = 0;
    vorschau_.hide();
    // Back in real time the radio's switches work again.
    main_.SetRxTxEnabled(true);
}

void TPreviewControl::UpDown1Click() {
    const double step = ArrowStepDays(state_, main_.UpDown2()->Position());
    if (step == 0) return;
    if (MoveTo(app_.Time.DayCount + step)) Snapshot();
}

void TPreviewControl::lblVorZurClick() {
    ToggleStepFactor(state_);
    main_.ShowStepFactor(StepFactorText(state_));
}

void TPreviewControl::menMAWertClick() {
    maInp_.HideWarning();
    main_.BlankFrequencyDisplays();
    ticks_.Stop();
    main_.ShowPreviewControls(false);
    app_.Tracking.TimeMode = TTimeMode::MaStepping;
    ResetPreviewStart();
    maInp_.ShowOver(&main_);
}

void TPreviewControl::MaOkClick() {
    const double target = maInp_.Target();
    maInp_.hide();
    TTrackingState& t = app_.Tracking;
    t.CurrentSet = parts_.Satellite.ActiveSet();
    parts_.Satellite.SelectSatellite(t.CurrentSet);
    parts_.Satellite.PropagateAndLook(app_.Time.JulianDate, app_.Time.DayCount);
    const double maNow = sources_.ActiveMa ? sources_.ActiveMa() : 0;
    const double revs = sources_.ActiveRevsPerDay ? sources_.ActiveRevsPerDay() : 0;
    if (MoveTo(app_.Time.DayCount + MaAdvanceDays(target, maNow, revs))) Snapshot();
}

void TPreviewControl::MaCancelClick() {
    LeaveBlankedFrequencyArea();
    ticks_.Start();
    app_.Tracking.TimeMode = TTimeMode::RealTime;
    app_.Tracking.MapRedrawCounter = 0;
    maInp_.hide();
}

void TPreviewControl::menEchtzeitClick() {
    if (rotorStyle_) {
        main_.RotorLabel()->setStyleSheet(*rotorStyle_);
    }
    TTrackingState& t = app_.Tracking;
    // As at the start of a tracking run: the first tick recolours every letter.
    std::fill(t.LastElevation.begin(), t.LastElevation.end(), -96.0);
    std::fill(t.NextAos.begin(), t.NextAos.end(), 0.0);
    t.TimeMode = TTimeMode::RealTime;
    t.ResetWarmUp();
    maInp_.hide();
    cmdStartCancelClick();
}

// The blanks drawn on entering the mode are taken away: a satellite without a
// frequency entry never draws there again, and one with an entry redraws its
// frequencies within the first ticks.
void TPreviewControl::LeaveBlankedFrequencyArea() { main_.ClearFrequencyDisplays(); }

void TPreviewControl::Snapshot() {
    TSnapshotHooks extra;
    extra.DrawDateTime = [this](const TDateTimeTexts& texts) { main_.DrawDateTime(texts.Date, texts.Time); };
    extra.ComputeSunAtCursor = sources_.ComputeSunAtCursor;
    ShowSnapshot(app_.Tracking, app_.Time, parts_, extra);
}

bool TPreviewControl::MoveTo(double dayCount) {
    if (!ShownTimeInRange(dayCount + 28491.0)) {
        if (sources_.ReportError) sources_.ReportError(kDateError);
        return false;
    }
    SetPreviewDayCount(app_.Time, dayCount);
    return true;
}

}  // namespace kelvora
