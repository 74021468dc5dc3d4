#include "StartSettingsApply.h"

namespace kelvora {

void ReadStartSettings(TAppState& app, TParts parts) {
    ReadSatStart(app.DataFolder, app.Start);
    ReadSatStartIss(app.DataFolder, app.Start);
    ApplyStartSettings(app, parts);
}

void ReadWindowStartSettings(TAppState& app, TParts parts) {
    app.WindowPosition = ReadWindowPosition(app.DataFolder);
    app.ReportBelowHorizon = ReadReportBelowHorizon(app.DataFolder);
    ReadStartSettings(app, parts);
    app.Start.RotorServerOption = app.Start.StoredRotorServerOption;
}

void ApplyStartSettings(TAppState& app, TParts parts) {
    TStartSettings& s = app.Start;
    TTrackingState& t = app.Tracking;
    app.UseRotorServer = IsOn(s.RotorServerOption) && !app.SecondInstance;
    app.UseRadioServer = IsOn(s.RadioServerOption);
    t.MapInterval = s.MapInterval;

    t.RotorOn = IsOn(s.RotorOnStart);
    parts.Rotor.RotorToggleApplied(t.RotorOn);
    t.CatOn = IsOn(s.CatOnStart);
    if (t.CatOn) parts.Radio.CatOn();
    else parts.Radio.CatOff();
    t.AutoChange = IsOn(s.AutoChangeStart);
    t.MultiSat = IsOn(s.MultiSatStart);
    t.MapRedrawCounter = 0;
    t.Zoom2 = IsOn(s.ZoomStart);
    parts.Map.ZoomApplied(t.Zoom2);
    t.SunOn = IsOn(s.SunOnStart);
    t.MapRedrawCounter = 0;
    if (!t.SunOn) parts.Output.ClearIllumination();
    t.ArrowsOn = IsOn(s.ArrowsOnStart);
    t.MapRedrawCounter = 0;

    app.Time.TimeScaleLetter = IsOn(s.TimeScaleSwitch) ? "L" : "U";

    if (s.MapSet != '+' && s.MapSet != '-') s.MapSet = '-';
    app.MapFolder = IsOn(s.MapSet) ? "BM_Maps2D\\" : "Maps2D\\";
    parts.Map.MapSetApplied(IsOn(s.MapSet));
    parts.Output.ToggleLabelsChanged();
}

QString WindowSizeText(char option) { return option == '+' ? "W3" : option == '/' ? "W2" : "W1"; }

TToggleTexts ToggleTexts(const TAppState& app) {
    const TTrackingState& t = app.Tracking;
    auto sign = [](const char* letter, bool on) { return QString(letter) + (on ? "+" : "-"); };
    return {sign("R", t.RotorOn),
            sign("C", t.CatOn),
            sign("W", t.AutoChange),
            sign("M", t.MultiSat),
            t.Zoom2 ? "Z2" : "Z1",
            sign("S", t.SunOn),
            sign("D", t.ArrowsOn),
            IsOn(app.Start.MapSet) ? "BM" : "Pl",
            WindowSizeText(app.Layout.WindowSizeOption)};
}

}  // namespace kelvora
