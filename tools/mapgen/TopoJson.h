#pragma once
// Countries from a TopoJSON topology (world-atlas): rings of longitude/latitude
// points and, from the arcs two countries share, which countries are neighbours.

#include <QPointF>
#include <QString>
#include <vector>

namespace mapgen {

struct TCountry {
    std::vector<std::vector<QPointF>> Rings;  // (lon, lat) degrees
    std::vector<int> Neighbours;  // indexes into the country list
};

struct TTopology {
    std::vector<std::vector<QPointF>> Arcs;  // (lon, lat) degrees
    std::vector<TCountry> Countries;
};

// Reads the "countries" object; on failure returns false with the reason.
bool ReadCountries(const QString& path, TTopology& topology, QString& error);

}  // namespace mapgen
