// The preview dialogs and the map toggles, created and wired by the application object.

#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "MAinpU.h"
#include "MapToggles.h"
#include "PreviewControl.h"
#include "SatSU.h"
#include "VorschauU.h"

namespace kelvora {

void TKelvoraApp::CreatePreviewDialogs() {
    vorschau_ = new TVorschau(main_);
    vorschau_->setObjectName("Vorschau");
    maInp_ = new TMAInp(state_.Layout.FontScale, main_);
    outputPart_.AddPlacedDialog(vorschau_);
    TPreviewSources sources;
    sources.LocalNow = [this] { return DateTimeToDays(clock_.LocalNow()); };
    sources.ActiveRevsPerDay = [this] { return satellite_.ActiveRevsPerDay(); };
    sources.ActiveMa = [this] { return satellite_.Track().MA; };
    sources.ComputeSunAtCursor = [this] {
        kelvora::ComputeSunAtCursor(mapPart_.Sun(), state_.Time.DayCount, state_.Time.ClockOffset);
    };
    sources.ClearSelectionRequest = [this] { satellite_.Selection().ShowRequestedByMenu = false; };
    sources.ReportError = [this](const QString& text) { prompt_.Message(text, IOperatorPrompt::Icon::Error); };
    preview_ = std::make_unique<TPreviewControl>(*main_, *ticks_, *vorschau_, *maInp_, state_, Parts(), sources);
}

void TKelvoraApp::WireMapToggles() {
    TMapToggleHooks hooks;
    hooks.LoadMapSet = [this] { mapPart_.LoadMaps(); };
    hooks.DrawGroundTrack = [this] { mapPart_.DrawGroundTrackNow(); };
    hooks.SetContinuousTrack = [this](bool on) { mapPart_.SetContinuousTrack(on); };
    hooks.ClearIllumination = [this] { main_->ClearIllumination(); };
    main_->WireMapToggles(state_, hooks);
    connect(main_, &TAusgabe::WindowSizeClicked, this, [this] {
        satSetup_->ChooseWindowSizeItem(NextWindowSizeItem(state_.Layout.WindowSizeOption, state_.Layout.FontScale));
    });
}

}  // namespace kelvora
