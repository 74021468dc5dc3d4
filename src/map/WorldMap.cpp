#include "WorldMap.h"

#include "FootprintRegion.h"
#include "MapDrawing.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cstring>

namespace kelvora {

namespace {

// Arms of the crosses. Line drawing leaves out the end point, so the arms
// "x+1 to x-2" of the station reach one pixel to either side.
constexpr int kStationArmZoom1 = 1;
constexpr int kStationArmZoom2 = 2;
constexpr int kSatelliteArm = 6;

// Reads one picture at the canvas size; on failure a black picture and the error.
QImage LoadPicture(const QString& path, QSize size, QString& error) {
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull()) {
        const QString native = QDir::toNativeSeparators(path);
        const QString line = QFileInfo::exists(path)
                                 ? QStringLiteral("Cannot read map picture %1: %2").arg(native, reader.errorString())
                                 : QStringLiteral("Map picture not found: %1").arg(native);
        error += (error.isEmpty() ? QString() : QStringLiteral("\n")) + line;
        QImage black(size, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    // Someone's own picture of another size is fitted rather than read past its end.
    if (picture.size() != size) picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture.convertToFormat(QImage::Format_RGB32);
}

void CopyRow(const QImage& from, int fromRow, QImage& to, int toRow) {
    std::memcpy(to.scanLine(toRow), from.constScanLine(fromRow), size_t(from.width()) * 4);
}

// view[v] = source[(first + v) mod width], for one row of 32-bit pixels.
void CopyRotatedRow(const QRgb* source, int width, int first, QRgb* view, int viewWidth) {
    first %= width;
    if (first < 0) first += width;
    const int head = std::min(width - first, viewWidth);
    std::memcpy(view, source + first, size_t(head) * 4);
    if (head < viewWidth) std::memcpy(view + head, source, size_t(viewWidth - head) * 4);
}

}  // namespace

TMapCentre MapCentreOf(char centreSwitch, char centreChoice) {
    if (centreSwitch != '+') return TMapCentre::Satellite;
    return centreChoice == '+' ? TMapCentre::Observer : TMapCentre::Greenwich;
}

TWorldMap::TWorldMap(QString programFolder) : programFolder_(std::move(programFolder)) {
    geometry_ = MapGeometryOf(preset_, false);
    canvas_ = QImage(geometry_.W, geometry_.H, QImage::Format_RGB32);
    canvas_.fill(Qt::black);
    day_ = night_ = view_ = canvas_.copy();
}

void TWorldMap::SetStation(double lat, double lon) {
    stationLat_ = lat;
    stationLon_ = lon;
    station_ = kelvora::StationPixel(geometry_, lat, lon);
}

QString TWorldMap::LoadMapSet(TSizePreset preset, bool zoom2, TMapStyle style) {
    preset_ = preset;
    style_ = style;
    geometry_ = MapGeometryOf(preset, zoom2);
    const QSize size(geometry_.W, geometry_.H);
    QString error;
    day_ = LoadPicture(MapFilePath(programFolder_, style, preset, zoom2, true), size, error);
    night_ = LoadPicture(MapFilePath(programFolder_, style, preset, zoom2, false), size, error);
    canvas_ = night_.copy();
    const QSize viewSize = zoom2 ? size / 2 : size;
    view_ = QImage(viewSize, QImage::Format_RGB32);
    station_ = kelvora::StationPixel(geometry_, stationLat_, stationLon_);
    satellite_ = QPointF(geometry_.W / 2.0, geometry_.H / 2.0);
    ShowMapView(TMapCentre::Greenwich);
    return error;
}

QPointF TWorldMap::MapPoint(double lat, double lon) const { return kelvora::MapPoint(geometry_, lat, lon); }

TFootprintOutline TWorldMap::FootprintOutline(double lat, double lon, double r) const {
    return kelvora::FootprintOutline(geometry_, lat, lon, r);
}

void TWorldMap::ComposeMap(const TMapSatellite& satellite) {
    const TMapGeometry& g = geometry_;
    satellite_ = kelvora::MapPoint(g, satellite.SubLatitude, satellite.SubLongitude);

    const std::vector<TRowSpan> spans =
        FootprintRegion(g, satellite.SubLatitude, satellite.SubLongitude, satellite.GeocentricRadius);
    for (int y = 0; y < g.H; ++y) CopyRow(night_, y, canvas_, y);
    for (const TRowSpan& span : spans) {
        std::memcpy(reinterpret_cast<QRgb*>(canvas_.scanLine(span.Row)) + span.From,
                    reinterpret_cast<const QRgb*>(day_.constScanLine(span.Row)) + span.From,
                    size_t(span.To - span.From + 1) * 4);
    }

    const QColor stationColour = satellite.Elevation > 0.0 ? kMapWhite : kMapSilver;
    DrawCross(canvas_, station_, g.Zoom2 ? kStationArmZoom2 : kStationArmZoom1, stationColour);
    const QPoint sat = MapPixel(g, satellite_);
    DrawCross(canvas_, sat, kSatelliteArm, MarkerColour(canvas_, sat, kMapWhite));
}

void TWorldMap::ComposeMapWithoutSatellite() {
    const TMapGeometry& g = geometry_;
    satellite_ = QPointF(station_);
    for (int y = 0; y < g.H; ++y) CopyRow(night_, y, canvas_, y);
    DrawCross(canvas_, station_, g.Zoom2 ? kStationArmZoom2 : kStationArmZoom1, kMapSilver);
}

void TWorldMap::ShowMapView(TMapCentre centre) {
    const TMapGeometry& g = geometry_;
    const QPoint sat = MapPixel(g, satellite_);
    const int viewW = view_.width();
    int first = 0;
    int top = 0;
    if (g.Zoom2) {
        // A window of half the canvas centred on the satellite: rows clamped,
        // columns taken around the edge.
        top = std::clamp(sat.y() - g.H / 4, 0, g.H / 2 - 1);
        first = sat.x() - g.W / 4;
    } else if (centre != TMapCentre::Greenwich) {
        const int d = centre == TMapCentre::Observer ? station_.x() : sat.x();
        first = d - g.W / 2;  // column d lands in the middle of the view
    }
    for (int v = 0; v < view_.height(); ++v) {
        CopyRotatedRow(reinterpret_cast<const QRgb*>(canvas_.constScanLine(top + v)), g.W, first,
                       reinterpret_cast<QRgb*>(view_.scanLine(v)), viewW);
    }
}

}  // namespace kelvora
