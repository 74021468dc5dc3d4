#include "SGP4SDP4Deep.h"

namespace kelvora {

TStateVector Sdp4(TModelElements& el, TNearEarthState& ne, TDeepSpaceState& ds, int centuryBase,
                  double t, std::ostream* diagnostics) {
  (void)ds;
  (void)centuryBase;
  return Sgp4(el, ne, t, diagnostics);
}

}  // namespace kelvora
