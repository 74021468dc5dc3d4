#include "MapToggles.h"

namespace kelvora {

namespace {
void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

std::string OnOff(const char* letter, bool on) { return std::string(letter) + (on ? "+" : "-"); }

TGroundTrackMode ClickGroundTrack(TGroundTrackMode mode, TTrackingState& t, const TMapToggleHooks& hooks) {
    auto continuous = [&hooks](bool on) {
        if (hooks.SetContinuousTrack) hooks.SetContinuousTrack(on);
    };
    switch (mode) {
    case TGroundTrackMode::Off:
        continuous(false);
        Call(hooks.DrawGroundTrack);
        return TGroundTrackMode::Once;
    case TGroundTrackMode::Once:
        continuous(true);
        t.MapRedrawCounter = 0;
        return TGroundTrackMode::Continuous;
    case TGroundTrackMode::Continuous:
        break;
    }
    continuous(false);
    t.MapRedrawCounter = 0;
    return TGroundTrackMode::Off;
}
}  // namespace

const char* GroundTrackText(TGroundTrackMode mode) {
    switch (mode) {
    case TGroundTrackMode::Once: return "Gt";
    case TGroundTrackMode::Continuous: return "G+";
    case TGroundTrackMode::Off: break;
    }
    return "G-";
}

TGroundTrackMode GroundTrackModeOf(const std::string& text) {
    if (text == "Gt") return TGroundTrackMode::Once;
    if (text == "G+") return TGroundTrackMode::Continuous;
    return TGroundTrackMode::Off;
}

std::optional<std::string> ClickMapToggle(const std::string& labelName, const std::string& currentText,
                                          TAppState& app, const TMapToggleHooks& hooks) {
    TTrackingState& t = app.Tracking;
    if (labelName == "lblBlueM") {
        // The start value follows, so that every later display of the labels agrees.
        const bool blue = !IsOn(app.Start.MapSet);
        app.Start.MapSet = Switch(blue);
        app.MapFolder = blue ? "BM_Maps2D\\" : "Maps2D\\";
        Call(hooks.LoadMapSet);
        t.MapRedrawCounter = 0;
        return blue ? "BM" : "Pl";
    }
    if (labelName == "lblMulti") {
        t.MultiSat = !t.MultiSat;
        t.MapRedrawCounter = 0;
        return OnOff("M", t.MultiSat);
    }
    if (labelName == "lblZoom") {
        t.MapRedrawCounter = 0;
        t.Zoom2 = !t.Zoom2;
        Call(hooks.LoadMapSet);
        return t.Zoom2 ? "Z2" : "Z1";
    }
    if (labelName == "lblSpur") return GroundTrackText(ClickGroundTrack(GroundTrackModeOf(currentText), t, hooks));
    if (labelName == "lblSun") {
        t.SunOn = !t.SunOn;
        t.MapRedrawCounter = 0;
        if (!t.SunOn) Call(hooks.ClearIllumination);
        return OnOff("S", t.SunOn);
    }
    if (labelName == "lblArrow") {
        t.ArrowsOn = !t.ArrowsOn;
        t.MapRedrawCounter = 0;
        return OnOff("D", t.ArrowsOn);
    }
    return std::nullopt;
}

int NextWindowSizeItem(char windowSizeOption, int fontScale) {
    switch (windowSizeOption) {
    case '-': return 1;
    case '/': return 2;
    default: return fontScale > 16 ? 1 : 0;
    }
}

}  // namespace kelvora
