#pragma once
// The station's server links: the rotor server (a D-Bus service started by this
// program, an ARSWIN service poked lazily, or Hamlib's rotctld) and the radio
// server link the CAT conductor sends through. Nothing reaches a server from a
// second instance or when its switch is off.

#include "AppState.h"
#include "DdeClient.h"
#include "HamlibLink.h"
#include "OperatorPrompt.h"
#include "RadioServerLink.h"
#include "SerialPort.h"
#include "ServerFiles.h"
#include "ServerLinks.h"
#include "ServerTexts.h"

#include <QDBusConnection>
#include <functional>
#include <memory>

namespace kelvora {

// Starts a program detached in the given working folder; false when it cannot.
using TProgramLauncher = std::function<bool(const QString& program, const QString& workingFolder)>;
bool LaunchDetached(const QString& program, const QString& workingFolder);

// The rotor server program for a stored path (its "\" read as "/"): the path
// itself when it is an executable file, else the path + ".exe" when that exists;
// empty when neither.
QString RotorServerProgram(const QString& storedPath);

struct TServerLinksSources {
    TAppState& State;
    IOperatorPrompt& Prompt;
    ICatPause& Pause;  // the waits for a starting server and for one letting go
    QDBusConnection Bus;
    TProgramLauncher Launch = LaunchDetached;
};

class TStationServerLinks final : public IServerLinks {
public:
    explicit TStationServerLinks(TServerLinksSources sources);
    ~TStationServerLinks() override;

    IRadioServerLink& RadioLink() { return radio_; }
    const TServerFiles& Files() const { return files_; }
    TRotorServerKind RotorKind() const { return kind_; }
    // After StartServers linked the radio server: the CAT conductor's CAT off when
    // CAT control is off, so the server knows.
    std::function<void()> RadioLinked;

    void ReadServerFiles() override;
    void StartServers() override;
    void SendRotorPosition(double azimuth, double elevation) override;
    void StopServers() override;

private:
    void StartRotorServerProgram();
    void LinkRotorServer();
    void StopRotorServer();

    TServerLinksSources in_;
    TServerFiles files_;
    TRotorServerKind kind_ = TRotorServerKind::WholeDegrees;
    std::unique_ptr<TDdeClient> rotor_;  // "RotServConv", or ARSWIN's "RCI"
    std::unique_ptr<THamlibLink> rotctld_;
    TRadioServerLink radio_;
};

}  // namespace kelvora
