#pragma once
// The application object: owns the process-wide records, creates the parts and the
// windows and connects them, runs the start-up sequence, drives the tracking cycle
// from the main timer and shuts the program down.

#include "AppState.h"
#include "Clock.h"
#include "ExitCodes.h"
#include "OperatorPrompt.h"
#include "MapPart.h"
#include "OutputPart.h"
#include "RadioPart.h"
#include "RotorPart.h"
#include "SatellitePart.h"
#include "Parts.h"
#include "StationServers.h"
#include "StartupSequence.h"
#include "TrackingCycle.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

namespace kelvora {

class TAusgabe;
class TSatSetup;
class TVorschau;
class TMAInp;
class TPreviewControl;
class TTickTimer;
class TRadioWindow;
class TRotorWindow;
class IDesktop;
class TMainCommands;

struct TAppOptions {
    QString DataFolder;
    QString ProgramFolder;
    bool SecondInstance = false;
    int QuitAfterTicks = -1;  // -1: run until the operator quits; >= 0: nothing waits for the operator
    int ScreenWidth = 1920;
    double LogicalDpiX = 96;
    IDesktop* Desktop = nullptr;  // starts programs and opens documents; none: the real desktop
};

class TKelvoraApp : public QObject {
    Q_OBJECT
public:
    TKelvoraApp(const TAppOptions& options, IOperatorPrompt& prompt, IClock& clock);
    ~TKelvoraApp() override;

    // The main window first, then the parts' windows and the dialogs.
    void CreateWindows();
    // The main window being shown: placed from "SatPos.SQF", then the start-up sequence.
    TStartupResult FormShow();
    TStartupResult RunStartupSequence();

    void Timer1Timer();
    void Timer2Timer();
    void menBeendenClick();
    bool FormCloseQuery();
    void ShowOptions();
    void menListClick();  // "&Satellites"

    TAppState& State() { return state_; }
    TAusgabe* MainWindow() const { return main_; }
    TSatSetup* OptionsDialog() const { return satSetup_; }
    bool Ended() const { return ended_; }
    int ExitCode() const { return exitCode_; }
    int TickCount() const { return tickCount_; }

    // How the application ends (default: leave the event loop with the exit code).
    std::function<void(int exitCode)> EndApplication;

    TSatellitePart& Satellites() { return satellite_; }
    TStationServers& Servers() { return servers_; }
    TWorldMap& Map() { return mapPart_.Map(); }

private:
    void lstAusGabeReset();
    void ApplyWindowSize(char option);
    void End(int exitCode);
    void StopUnattended(int exitCode);
    void ShutdownRadioAndServers(TShutdownPath path);
    void WireRadioControls();
    void WireRotorControls();
    TParts Parts() { return {satellite_, mapPart_, outputPart_, radio_, rotor_}; }
    bool Unattended() const { return options_.QuitAfterTicks >= 0; }
    // The preview dialogs and the map toggles (KelvoraMap.cpp).
    void CreatePreviewDialogs();
    void WireMapToggles();
    // File "O&pen", the launcher, the help files, "&Info", lblWechsel and the free
    // area (KelvoraCommands.cpp).
    void WireMainCommands();

    TAppOptions options_;
    IOperatorPrompt& prompt_;
    IClock& clock_;
    TAppState state_;
    TStationServers servers_;  // the data server and the server links, before the parts that use them
    TSatellitePart satellite_;
    TVorschau* vorschau_ = nullptr;
    TMAInp* maInp_ = nullptr;
    std::unique_ptr<TPreviewControl> preview_;
    TMapPart mapPart_;
    TOutputPart outputPart_;
    TRadioPart radio_;
    std::unique_ptr<TRadioWindow> radioWindow_;
    TRotorPart rotor_;
    std::unique_ptr<TRotorWindow> rotorWindow_;
    TrackingCycle cycle_;
    StartupSequence sequence_;
    TAusgabe* main_ = nullptr;
    std::unique_ptr<TTickTimer> ticks_;  // the main timer's start and stop
    TSatSetup* satSetup_ = nullptr;
    std::unique_ptr<IDesktop> ownDesktop_;
    std::unique_ptr<TMainCommands> commands_;
    bool creationFailed_ = false;
    bool ended_ = false;
    int exitCode_ = 0;
    int tickCount_ = 0;
};

}  // namespace kelvora
