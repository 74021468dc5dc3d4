#include "StationServers.h"

#include "DdeNames.h"

namespace kelvora {

TStationServers::TStationServers(TAppState& state, IOperatorPrompt& prompt, const QString& service)
    : data_(SessionBusOrSayOnce(), service), links_({state, prompt, pause_, SessionBusOrSayOnce()}) {}

}  // namespace kelvora
