#include "MapOverlaysSun.h"

#include "MapDrawing.h"
#include "MapOverlays.h"
#include "MapOverlaysLabel.h"
#include "SonneU.h"

#include <cmath>

namespace kelvora {

QPointF SubSolarMapPoint(const TOverlayContext& context, const TSunState& sun) {
    return context.Map.MapPoint(sun.SubSolarLat, sun.SubSolarLon);
}

void DrawSunOverlay(TOverlayContext& context, const TSunState& sun) {
    if (!std::isfinite(sun.SubSolarLat) || !std::isfinite(sun.SubSolarLon)) return;
    QImage& canvas = context.Map.Canvas();
    const TFootprintOutline boundary =
        context.Map.FootprintOutline(sun.SubSolarLat, sun.SubSolarLon, kSunOverlayRadius);
    DrawFootprintOutline(canvas, context.Map.Geometry(), boundary, kMapYellow);

    const QString mark = QStringLiteral("S");
    const QFont font = SunMarkFont();
    const QSize size = MapTextSize(canvas, mark, font);
    const QPoint pixel = MapPixel(context.Map.Geometry(), SubSolarMapPoint(context, sun));
    const QPoint topLeft(CentredLeft(pixel.x(), size.width(), canvas.width()), pixel.y() - size.height() / 2);
    DrawMapText(canvas, topLeft, mark, font, MarkerColour(canvas, pixel, kMapYellow));
}

}  // namespace kelvora
