#pragma once
// The political map style: countries in distinct land colours with their borders,
// on a sea colour, in the equirectangular projection of the program's map.

#include "TopoJson.h"

#include <QImage>
#include <QSize>

namespace mapgen {

QImage PoliticalDayMap(const TTopology& topology, QSize size);
// The same picture darkened for the night side.
QImage NightOf(const QImage& day);

}  // namespace mapgen
