#include "MapOverlaysArrow.h"

#include "MapDrawing.h"
#include "MapOverlays.h"
#include "SGP_Math.h"
#include "SGP_Obs.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

constexpr double kTenSeconds = 0.00011574074074074075;  // days
constexpr double kHeadAngle = 0.4115;  // radians either side of the shaft

QPoint Along(QPointF origin, double length, double angle) {
    return RoundedPixel(origin + QPointF(length * std::cos(angle), length * std::sin(angle)));
}

}  // namespace

TArrowShape ArrowShape(QPointF now, QPointF later, int canvasWidth) {
    double dx = later.x() - now.x();
    if (std::abs(dx) < 1e-5) dx = 1e-5;
    // A step this long crossed the map edge; the short way round keeps the
    // arrow's east-west sense for either direction of crossing.
    if (dx > 500.0) dx -= canvasWidth;
    else if (dx < -500.0) dx += canvasWidth;
    const double dy = -(later.y() - now.y());  // up positive

    double a = std::atan(std::clamp(dy / dx, -1000.0, 1000.0));
    if (dx < 0.0) a += kTrackPi;
    else if (dy < 0.0) a += kTrackTwoPi;
    const double b = kTrackTwoPi - a;  // canvas rows grow downwards

    TArrowShape shape;
    shape.Angle = a;
    const QPointF origin = now + QPointF(0.0, dy > 0.0 ? -10.0 : 25.0);
    shape.Origin = RoundedPixel(origin);
    shape.P0 = Along(origin, 20.0, b);
    shape.P1 = Along(origin, 15.0, b - kHeadAngle);
    shape.P2 = Along(origin, 30.0, b);
    shape.P3 = Along(origin, 15.0, b + kHeadAngle);
    return shape;
}

void DrawArrowShape(QImage& canvas, const TArrowShape& shape) {
    const QColor colour = MarkerColour(canvas, shape.P0, kMapWhite);
    QPainter painter(&canvas);
    painter.setPen(colour);
    const QPoint line[] = {shape.Origin, shape.P0, shape.P1, shape.P2, shape.P3, shape.P0};
    painter.drawPolyline(line, 6);
}

void DrawDirectionArrow(TOverlayContext& context, QPointF now) {
    const TTrackState before = context.Track;
    const std::optional<QPointF> later = PropagateToMapPoint(context, kTenSeconds);
    context.Track = before;
    if (!later) return;
    DrawArrowShape(context.Map.Canvas(), ArrowShape(now, *later, context.Map.Geometry().W));
}

}  // namespace kelvora
