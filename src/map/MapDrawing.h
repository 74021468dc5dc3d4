#pragma once
// Drawing on the map canvas that the composition and the overlays share: the
// footprint outline with its wraps across the map edges, the crosses and the
// marker colour rule.

#include "MapGeometry.h"

#include <QColor>
#include <QImage>
#include <QPoint>

namespace kelvora {

inline const QColor kMapWhite{255, 255, 255};
inline const QColor kMapSilver{192, 192, 192};
inline const QColor kMapRed{255, 0, 0};
inline const QColor kMapYellow{255, 255, 0};

// Red when the canvas pixel at p is white or yellow, otherwise the normal colour.
// A point off the canvas keeps the normal colour.
QColor MarkerColour(const QImage& canvas, QPoint p, const QColor& normal);

// A one-pixel line from a to b; a jump of more than H pixels horizontally is a
// wrap across the left/right edge and is drawn to the edge and on from the other.
void DrawWrappedLine(QImage& canvas, const TMapGeometry& g, QPoint a, QPoint b, const QColor& colour);

// The outline only (overlay mode): east and west polylines, closed at the first and
// last rows, or along the top (bottom) edge when the footprint covers that pole.
void DrawFootprintOutline(QImage& canvas, const TMapGeometry& g, const TFootprintOutline& outline,
                          const QColor& colour);

// A cross whose arms reach `arm` pixels to each side of the centre, clipped to the canvas.
void DrawCross(QImage& canvas, QPoint centre, int arm, const QColor& colour);

}  // namespace kelvora
