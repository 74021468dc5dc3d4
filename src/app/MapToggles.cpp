#include "MapToggles.h"

namespace kelvora {

namespace {
void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

std::string OnOff(const char* letter, bool on) { return std::string(letter) + (on ? "+" : "-"); }

TGroundTrackMode ClickGroundTrack(TGroundTrackMode mode, TTrackingState& t, const TMapToggleHooks& hooks) {
    const TGroundTrackClick click = GroundTrackClicked(mode);
    if (hooks.SetContinuousTrack) hooks.SetContinuousTrack(click.Next == TGroundTrackMode::Continuous);
    if (click.DrawNow) Call(hooks.DrawGroundTrack);
    if (click.ResetMapCounter) t.MapRedrawCounter = 0;
    return click.Next;
}
}  // namespace

TGroundTrackMode GroundTrackModeOf(const std::string& text) {
    if (text == "Gt") return TGroundTrackMode::Once;
    if (text == "G+") return TGroundTrackMode::Continuous;
    return TGroundTrackMode::Off;
}

std::optional<std::string> ClickMapToggle(TToggle toggle, const std::string& currentText, TAppState& app,
                                          const TMapToggleHooks& hooks) {
    TTrackingState& t = app.Tracking;
    if (toggle == TToggle::BlueM) {
        // The start value follows, so that every later display of the labels agrees.
        const bool blue = !IsOn(app.Start.MapSet);
        app.Start.MapSet = Switch(blue);
        app.MapFolder = blue ? "BM_Maps2D\\" : "Maps2D\\";
        Call(hooks.LoadMapSet);
        t.MapRedrawCounter = 0;
        return blue ? "BM" : "Pl";
    }
    if (toggle == TToggle::Multi) {
        t.MultiSat = !t.MultiSat;
        t.MapRedrawCounter = 0;
        return OnOff("M", t.MultiSat);
    }
    if (toggle == TToggle::Zoom) {
        t.MapRedrawCounter = 0;
        t.Zoom2 = !t.Zoom2;
        Call(hooks.LoadMapSet);
        return t.Zoom2 ? "Z2" : "Z1";
    }
    if (toggle == TToggle::Spur)
        return GroundTrackCaption(ClickGroundTrack(GroundTrackModeOf(currentText), t, hooks)).toStdString();
    if (toggle == TToggle::Sun) {
        t.SunOn = !t.SunOn;
        t.MapRedrawCounter = 0;
        if (!t.SunOn) Call(hooks.ClearIllumination);
        return OnOff("S", t.SunOn);
    }
    if (toggle == TToggle::Arrow) {
        t.ArrowsOn = !t.ArrowsOn;
        t.MapRedrawCounter = 0;
        return OnOff("D", t.ArrowsOn);
    }
    return std::nullopt;
}

int NextWindowSizeItem(char windowSizeOption, int fontScale) {
    switch (windowSizeOption) {
        case '-':
            return 1;
        case '/':
            return 2;
        default:
            return fontScale > 16 ? 1 : 0;
    }
}

}  // namespace kelvora
