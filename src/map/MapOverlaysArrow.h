#pragma once
// The direction arrow: a small open arrow head beside a satellite's map mark
// pointing where the satellite will be ten seconds later.

#include <QImage>
#include <QPoint>
#include <QPointF>

namespace kelvora {

struct TOverlayContext;

// The arrow's angle and its five corner points on the canvas.
struct TArrowShape {
    double Angle = 0.0;  // radians, 0 east, counter-clockwise (north pi/2), [0, 2pi)
    QPoint Origin;  // above the mark when moving north, below otherwise
    QPoint P0, P1, P2, P3;
};

// now and later are the satellite's map points ten seconds apart on a canvas
// canvasWidth pixels wide. A step of more than 500 pixels is a wrap across the
// map edge and is taken the short way round.
TArrowShape ArrowShape(QPointF now, QPointF later, int canvasWidth);

// Draws O -> P0 -> P1 -> P2 -> P3 -> P0, white or red by the marker colour
// rule at P0.
void DrawArrowShape(QImage& canvas, const TArrowShape& shape);

// Arrow for the satellite in the model's working copy, whose map point at the
// context's instant is now: propagates it ten seconds ahead, draws the arrow
// and leaves the track state as it found it.
void DrawDirectionArrow(TOverlayContext& context, QPointF now);

}  // namespace kelvora
