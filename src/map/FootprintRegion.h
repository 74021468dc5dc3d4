#pragma once
// The footprint as the set of canvas pixels it covers: per row the columns whose
// point lies within the footprint's earth-central angle of the sub-point. Wraps
// across the map edge and polar caps come out of the same rule.

#include "MapGeometry.h"

#include <vector>

namespace kelvora {

struct TRowSpan {
    int Row;
    int From;  // first column inside
    int To;  // last column inside, From <= To
};

// Spans in row order; a row that wraps across the edge gives two spans.
std::vector<TRowSpan> FootprintRegion(const TMapGeometry& g, double lat, double lon, double r);

}  // namespace kelvora
