#pragma once
// The radio server: the CAT conductor's decisions as macros to a D-Bus service
// (topic "CatServConv") or as commands to Hamlib's rigctld, chosen by
// "CatServer.SQF". Frequencies arrive with the converter offsets already taken off.

#include "AppState.h"
#include "CatDisplay.h"
#include "DdeClient.h"
#include "HamlibLink.h"
#include "SerialPort.h"
#include "ServerFiles.h"

#include <QDBusConnection>
#include <memory>

namespace kelvora {

class TRadioServerLink final : public IRadioServerLink {
public:
    TRadioServerLink(const TAppState& state, ICatPause& pause, QDBusConnection bus);
    ~TRadioServerLink() override;

    // The service of "CatServer.SQF" (and rigctld's address).
    void Configure(const TServerFiles& files);
    // StartServers: "ClientOn" to the service, or the connection to rigctld.
    void Link();
    bool Closed() const { return closed_; }

    void Open() override;
    void Close() override;
    void SendFrequencies(double rxKHz, double txKHz) override;
    void SendStep(double rxKHz) override;
    void SendModes(const std::string& downlinkMode, const std::string& uplinkMode) override;
    // "Close", the link dropped, one second for the server to let go. In a second
    // instance nothing: the servers of the first stay connected.
    void CloseLink() override;

private:
    bool Sending() const;
    void Macro(const std::string& text);
    char Separator() const { return state_.DecimalSeparator.toLatin1(); }

    const TAppState& state_;
    ICatPause& pause_;
    QDBusConnection bus_;
    std::unique_ptr<TDdeClient> client_;
    std::unique_ptr<THamlibLink> rigctld_;
    bool closed_ = false;
};

}  // namespace kelvora
