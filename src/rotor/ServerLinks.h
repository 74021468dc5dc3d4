#pragma once
// The links to the other programs the rotor positions (and, through the radio
// part, the radio's frequencies) go to: a rotor server, a radio server, or
// nothing. The rotor part talks to them only through this.

namespace kelvora {

class IServerLinks {
public:
    virtual ~IServerLinks() = default;
    virtual void ReadServerFiles() = 0;  // "RotorServer.SQF", "CatServer.SQF"
    // Once at the end of the start-up: starts or links the servers.
    virtual void StartServers() = 0;
    // The final azimuth and elevation after the output transform, in degrees.
    virtual void SendRotorPosition(double azimuth, double elevation) = 0;
    // Once at the end of the program.
    virtual void StopServers() = 0;
};

// No servers: positions go nowhere.
class TNullServerLinks final : public IServerLinks {
public:
    void ReadServerFiles() override {}
    void StartServers() override {}
    void SendRotorPosition(double, double) override {}
    void StopServers() override {}
};

}  // namespace kelvora
