#pragma once
// Everything the program offers to or asks of other programs, built once: the
// tracking data server under the program's own name and the rotor and radio
// server links, on the session bus when there is one.

#include "AppState.h"
#include "OperatorPrompt.h"
#include "SteadyCatPause.h"
#include "StationServerLinks.h"
#include "TrackingDataServer.h"

namespace kelvora {

class TStationServers {
public:
    // service: the data server's name, ProgramServiceName of the running program.
    TStationServers(TAppState& state, IOperatorPrompt& prompt, const QString& service);

    TTrackingDataServer& DataServer() { return data_; }
    TStationServerLinks& Links() { return links_; }
    IRadioServerLink& RadioLink() { return links_.RadioLink(); }

private:
    TSteadyCatPause pause_;
    TTrackingDataServer data_;
    TStationServerLinks links_;
};

}  // namespace kelvora
