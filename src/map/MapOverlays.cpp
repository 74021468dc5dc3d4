#include "MapOverlays.h"

#include "MapOverlaysTrack.h"
#include "OrbitModel.h"
#include "SGP_Obs.h"

#include <cmath>

namespace kelvora {

std::optional<QPointF> PropagateToMapPoint(TOverlayContext& context, double offsetDays) {
    const double jd = context.JulianDate + offsetDays;
    const double dayCount = context.Cursor + offsetDays;
    if (!PropagateAndLook(context.Model, context.Site, context.Track, jd, dayCount)) return std::nullopt;
    SubSatellitePoint(context.Track, jd, context.Model.ClockOffset());
    // Elements far from their epoch can put a low satellite below the ground.
    if (!(context.Track.Height >= 0.0)) return std::nullopt;
    const QPointF point = context.Map.MapPoint(context.Track.SubLatitude, context.Track.SubLongitude);
    if (!std::isfinite(point.x()) || !std::isfinite(point.y())) return std::nullopt;
    return point;
}

QPoint RoundedPixel(QPointF point) {
    return QPoint(static_cast<int>(std::nearbyint(point.x())), static_cast<int>(std::nearbyint(point.y())));
}

QString GroundTrackCaption(TGroundTrackMode mode) {
    switch (mode) {
        case TGroundTrackMode::Once:
            return QStringLiteral("Gt");
        case TGroundTrackMode::Continuous:
            return QStringLiteral("G+");
        case TGroundTrackMode::Off:
            break;
    }
    return QStringLiteral("G-");
}

TGroundTrackClick GroundTrackClicked(TGroundTrackMode current) {
    switch (current) {
        case TGroundTrackMode::Off:
            return {TGroundTrackMode::Once, true, false};
        case TGroundTrackMode::Once:
            return {TGroundTrackMode::Continuous, false, true};
        case TGroundTrackMode::Continuous:
            break;
    }
    return {TGroundTrackMode::Off, false, true};
}

TGroundTrackMode FinishMapRefresh(TOverlayContext& context, TGroundTrackMode mode) {
    context.Map.ShowMapView(context.Centre);
    if (mode != TGroundTrackMode::Continuous) return TGroundTrackMode::Off;
    DrawGroundTrack(context);
    return mode;
}

}  // namespace kelvora
