#include "KelvoraApp.h"

#include "AusgabeU.h"
#include "ConfigFile.h"
#include "MainCommands.h"
#include "SGP_Time.h"
#include "SatSU.h"
#include "SatWahlU.h"
#include "SetupDialog.h"
#include "TickTimer.h"
#include "StartSettingsApply.h"
#include "WindowLayout.h"
#include "PreviewControl.h"
#include "QtSerialPort.h"
#include "RadioWindow.h"
#include "RotorU.h"
#include "RotorWindow.h"
#include "SteadyCatPause.h"

#include <QApplication>
#include <QDate>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace kelvora {

namespace {
TAppState InitialState(const TAppOptions& options) {
    TAppState state;
    state.DataFolder = options.DataFolder;
    state.ProgramFolder = options.ProgramFolder;
    state.SecondInstance = options.SecondInstance;
    return state;
}
}  // namespace

TKelvoraApp::TKelvoraApp(const TAppOptions& options, IOperatorPrompt& prompt, IClock& clock)
    : options_(options), prompt_(prompt), clock_(clock), state_(InitialState(options)),
      servers_(state_, prompt_, ProgramServiceName(QCoreApplication::applicationFilePath())),
      satellite_(state_, prompt_, Unattended()),
      mapPart_(options.ProgramFolder, {state_, satellite_.Orbit(), satellite_.Site(), satellite_.Track(),
                                       satellite_.Selection(), satellite_.Catalog(), satellite_.Passes(), prompt_}),
      outputPart_({state_, satellite_.Orbit(), satellite_.Site(), satellite_.Track(), satellite_.Selection(),
                   satellite_.Catalog(), satellite_.SquintSlots(), mapPart_.Sun(), satellite_.Passes(),
                   [this]() -> const TDopplerModel& { return radio_.Doppler(); }, servers_.DataServer()}),
      radio_({state_, prompt_, satellite_, [this](int set) { return satellite_.SatelliteName(set); },
              servers_.RadioLink()},
             std::make_unique<TQtSerialPort>(), std::make_unique<TSteadyCatPause>()),
      rotor_({state_, prompt_, satellite_, servers_.Links()}), cycle_(state_.Tracking, state_.Time, Parts()),
      sequence_(state_, Parts(), prompt_, cycle_) {
    EndApplication = [](int code) { QCoreApplication::exit(code); };
    sequence_.SystemZoneHours = [this] {
        // Two readings of the clock may differ by a millisecond: whole minutes only.
        const double hours = (DateTimeToDays(clock_.LocalNow()) - DateTimeToDays(clock_.UtcNow())) * 24.0;
        return std::round(hours * 60.0) / 60.0;
    };
    servers_.Links().RadioLinked = [this] { radio_.RadioServerLinked(); };
    satellite_.ActiveSatelliteChangedBy = [this](TSatelliteChange reason) {
        radio_.ActiveSatelliteChanged(reason);
        rotor_.ActiveSatelliteChanged(reason);
    };
}

// The dialogs are children of the main window and go with it, before the parts
// whose state they show.
TKelvoraApp::~TKelvoraApp() { delete main_; }

void TKelvoraApp::CreateWindows() {
    main_ = new TAusgabe;
    mapPart_.AttachWindow(*main_);
    outputPart_.AttachWindow(*main_);
    ticks_ = std::make_unique<TTickTimer>(*main_);
    lstAusGabeReset();
    connect(main_, &TAusgabe::QuitRequested, this, &TKelvoraApp::menBeendenClick);
    connect(main_, &TAusgabe::OptionsRequested, this, &TKelvoraApp::ShowOptions);
    connect(ticks_->Source(), &QTimer::timeout, this, &TKelvoraApp::Timer1Timer);
    connect(main_->Timer2(), &QTimer::timeout, this, &TKelvoraApp::Timer2Timer);
    main_->CloseQuery = [this] { return FormCloseQuery(); };
    connect(main_, &TAusgabe::SatellitesRequested, this, &TKelvoraApp::menListClick);
    connect(main_, &TAusgabe::LetterClicked, this, [this](int letter) { satellite_.LetterClick(letter); });

    QCoreApplication::setApplicationName("Kelvora");
    satellite_.CreateWindows(*main_, *ticks_);
    outputPart_.AddPlacedDialog(satellite_.SelectionWindow());
    WireRotorControls();
    satSetup_ = new TSatSetup(state_, options_.ScreenWidth, main_);
    outputPart_.AddPlacedDialog(satSetup_);
    satSetup_->RereadRotorOptions = [this] { rotor_.RereadRotorOptions(); };
    satSetup_->ApplyWindowSize = [this](char option) { ApplyWindowSize(option); };
    satSetup_->ReportError = [this](const QString& text) { prompt_.Message(text, IOperatorPrompt::Icon::Error); };
    satSetup_->Hidden = [this] { main_->SetInputEnabled(true); };
    CreatePreviewDialogs();
    WireRadioControls();
    WireMapToggles();
    AttachSetupDialog(*main_, options_.DataFolder);
    WireMainCommands();
}

void TKelvoraApp::lstAusGabeReset() {
    state_.CenturyBase = CenturyBaseOfYear(QDate::currentDate().year());
    satellite_.Orbit().SetCenturyBase(state_.CenturyBase);
    try {
        ReadWindowStartSettings(state_, Parts());
    } catch (const ConfigError& error) {
        creationFailed_ = true;
        prompt_.Message(QString::fromStdString(error.what()), IOperatorPrompt::Icon::Error);
    }
    state_.Layout = ComputeLayout(state_.Start.WindowSizeOption, options_.ScreenWidth, options_.LogicalDpiX);
    main_->ApplyLayout(state_.Layout);
    mapPart_.LoadMaps();
    outputPart_.ToggleLabelsChanged();
}

TStartupResult TKelvoraApp::FormShow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Without a screen there is no height to ask: a square of the configured width
    // keeps a stored position that lies within that width.
    const QRect area =
        screen ? screen->availableVirtualGeometry() : QRect(0, 0, options_.ScreenWidth, options_.ScreenWidth);
    main_->move(PlaceOnScreen(state_.WindowPosition, area));
    main_->show();
    if (creationFailed_) {
        StopUnattended(ExitStartupError);
        return {};
    }
    return RunStartupSequence();
}

TStartupResult TKelvoraApp::RunStartupSequence() {
    const TStartupResult result = sequence_.Run();
    outputPart_.ToggleLabelsChanged();
    if (result.StartTimer) {
        ticks_->Start();
        // The first tick comes at once, so the display is current from the start
        // rather than a timer interval later.
        if (options_.QuitAfterTicks == 0) menBeendenClick();
        else Timer1Timer();
    } else {
        // Nothing would ever tick: an unattended run ends here.
        StopUnattended(ExitStartupError);
    }
    return result;
}

void TKelvoraApp::StopUnattended(int exitCode) {
    if (options_.QuitAfterTicks >= 0) End(exitCode);
}

void TKelvoraApp::Timer1Timer() {
    const TDateTimeTexts texts = cycle_.Tick(DateTimeToDays(clock_.LocalNow()));
    main_->DrawDateTime(texts.Date, texts.Time);
    satellite_.WarnOfStaleElementsOnce();
    ++tickCount_;
    if (options_.QuitAfterTicks >= 0 && tickCount_ >= options_.QuitAfterTicks) menBeendenClick();
}

void TKelvoraApp::Timer2Timer() {
    main_->Timer2()->stop();
    ticks_->Start();
}

void TKelvoraApp::WireRadioControls() {
    radioWindow_ = std::make_unique<TRadioWindow>(*main_, *ticks_, state_);
    radio_.AttachWindow(*radioWindow_, main_);
    connect(main_, &TAusgabe::ToggleClicked, this, [this](TToggle toggle) {
        if (toggle == TToggle::Cat) radio_.CatOnOff();
        if (toggle == TToggle::Cw) radio_.CwToggle();
    });
    connect(main_, &TAusgabe::DialStepClicked, this, [this](double deltaHz) { radio_.DialStep(deltaHz); });
    connect(main_, &TAusgabe::SatModeOffRequested, this, [this] { radio_.SatModeOff(); });
    connect(main_, &TAusgabe::CatDialogRequested, this, [this] { radio_.OpenTuningDialog(); });
    connect(main_, &TAusgabe::ModeDialogRequested, this, [this] { radio_.OpenModeDialog(); });
    connect(main_, &TAusgabe::TransmitLabelClicked, this, [this] { radio_.TxRxToggle(); });
    connect(main_, &TAusgabe::StatusBarClicked, this, [this] { radio_.StatusBarClicked(); });
    connect(main_, &TAusgabe::SpaceKeyPressed, this, [this] { radio_.SpaceKey(); });
    connect(main_, &TAusgabe::CorrectionKeyPressed, this, [this](double deltaHz) { radio_.CorrectionKey(deltaHz); });
}

void TKelvoraApp::WireRotorControls() {
    rotorWindow_ = std::make_unique<TRotorWindow>(*main_);
    rotor_.AttachWindow(*rotorWindow_, main_);
    outputPart_.AddPlacedDialog(rotor_.Dialog());
    connect(main_, &TAusgabe::ToggleClicked, this, [this](TToggle toggle) {
        if (toggle == TToggle::Rotor) rotor_.RotorOnOff();
    });
    connect(main_, &TAusgabe::RotorDialogRequested, this, [this] { rotor_.OpenRotorDialog(); });
}

void TKelvoraApp::ShutdownRadioAndServers(TShutdownPath path) {
    radio_.ShutDownRadio(path);
    rotor_.ShutDownRotor();
}

void TKelvoraApp::menBeendenClick() {
    if (ended_) return;
    ticks_->Stop();
    TWindowPosition position = state_.WindowPosition;
    position.Top = main_->y();
    position.Left = main_->x();
    QString error;
    int exitCode = exitCode_;
    if (!SaveWindowPosition(state_.DataFolder, position, &error)) {
        prompt_.Message("The window position was not saved:\n" + error, IOperatorPrompt::Icon::Error);
        exitCode = ExitSaveFailed;
    }
    ShutdownRadioAndServers(TShutdownPath::QuitMenu);
    End(exitCode);
}

bool TKelvoraApp::FormCloseQuery() {
    if (ended_) return true;
    ticks_->Stop();
    ShutdownRadioAndServers(TShutdownPath::WindowClose);
    End(exitCode_);
    return true;
}

void TKelvoraApp::End(int exitCode) {
    if (ended_) return;
    ended_ = true;
    exitCode_ = exitCode;
    if (ticks_) ticks_->Retire();
    EndApplication(exitCode);
}

void TKelvoraApp::ShowOptions() {
    satSetup_->FillFromSettings();
    main_->SetInputEnabled(false);
    satSetup_->show();
    satSetup_->move(main_->geometry().center() - satSetup_->rect().center());
}

void TKelvoraApp::ApplyWindowSize(char option) {
    state_.Layout = ComputeLayout(option, options_.ScreenWidth, options_.LogicalDpiX);
    main_->ApplyLayout(state_.Layout);
    mapPart_.LoadMaps();
    state_.Tracking.MapRedrawCounter = 0;
    outputPart_.ToggleLabelsChanged();
}

void TKelvoraApp::menListClick() {
    ticks_->Stop();
    satellite_.RequestSelectionWindow();
    RunStartupSequence();
}

}  // namespace kelvora
