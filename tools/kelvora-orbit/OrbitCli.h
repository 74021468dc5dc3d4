#pragma once

// The kelvora-orbit command-line tool: orbit numbers without the window.
//
//   kelvora-orbit eci    --tle1 L1 --tle2 L2 --minutes 0,360,720
//   kelvora-orbit look   --tle1 L1 --tle2 L2 --station LAT,EAST_LON,HEIGHT_M
//                        --utc T [--step SECONDS --count N]
//   kelvora-orbit passes --tle1 L1 --tle2 L2 --station ... --utc T --count N
//   kelvora-orbit sun    --utc T
//   kelvora-orbit list   --elements FILE
//
// --elements FILE --sat NAME may stand for --tle1/--tle2: the first set of that
// name as the element-file readers list it (without the names list).
// Every command takes --century-base N. Output is CSV with one header line.
// Exit status: 0 done, 1 the set could not be propagated to an asked instant,
// 2 bad arguments or element lines (one line on the error stream).

#include <iosfwd>
#include <string>
#include <vector>

#include "OrbitCliElements.h"

namespace kelvora {

// args without the program name; defaultCenturyBase from the system date.
// Without a loader, --elements and list are refused.
int RunOrbitCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int defaultCenturyBase,
                const TCliElementLoader& loader = {});

}  // namespace kelvora
