#pragma once
// The world map: the loaded day and night pictures of one preset, zoom and style,
// the map canvas the overlays draw on, and the view the main window shows in
// picKarte. One instance, owned by the application.

#include "MapFiles.h"
#include "MapGeometry.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>

namespace kelvora {

// Where the zoom-1 view is centred ("Center maps on:" and its choice).
enum class TMapCentre { Satellite, Observer, Greenwich };
// centreSwitch '+' ticks "Center maps on:"; centreChoice '+' is "Obs.", else "Grw./Obs.2".
TMapCentre MapCentreOf(char centreSwitch, char centreChoice);

// What the composition needs of the active satellite (TTrackState values).
struct TMapSatellite {
    double SubLatitude = 0.0;  // degrees
    double SubLongitude = 0.0;  // degrees east, [0, 360)
    double GeocentricRadius = kFootprintEarthRadius;  // km
    double Elevation = 0.0;  // degrees, as seen from the station
};

class TWorldMap {
public:
    explicit TWorldMap(QString programFolder = {});

    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
    const QString& ProgramFolder() const { return programFolder_; }

    // Places the station (latitude, east longitude in degrees); the pixel follows
    // the loaded geometry and again every LoadMapSet.
    void SetStation(double lat, double lon);
    QPoint StationPixel() const { return station_; }

    // Loads the day and night pictures of the preset, zoom and style and sizes the
    // canvases. Returns an empty text on success, otherwise the error naming the
    // missing or unreadable picture; the geometry follows the request in any case
    // and a picture that could not be read is black.
    QString LoadMapSet(TSizePreset preset, bool zoom2, TMapStyle style);

    const TMapGeometry& Geometry() const { return geometry_; }
    TSizePreset Preset() const { return preset_; }
    bool Zoom2() const { return geometry_.Zoom2; }
    TMapStyle Style() const { return style_; }
    QString ZoomCaption() const { return geometry_.Zoom2 ? "Z2" : "Z1"; }  // lblZoom

    QPointF MapPoint(double lat, double lon) const;
    TFootprintOutline FootprintOutline(double lat, double lon, double r) const;

    // Canvas = day map inside the satellite's footprint, night map outside, then
    // the station cross and the satellite cross. Sets the satellite point.
    void ComposeMap(const TMapSatellite& satellite);
    // For an active satellite that cannot be computed: the night map with the
    // station cross and no footprint or satellite cross. The satellite point goes
    // to the station, so that views centred on the satellite show the station.
    void ComposeMapWithoutSatellite();

    // The active satellite's map point that ShowMapView centres on; overlays that
    // propagate other instants put it back with SetSatellitePoint.
    QPointF SatellitePoint() const { return satellite_; }
    void SetSatellitePoint(QPointF point) { satellite_ = point; }

    // Copies the visible part of the canvas into the view.
    void ShowMapView(TMapCentre centre);

    QImage& Canvas() { return canvas_; }
    const QImage& Canvas() const { return canvas_; }
    // picKarte: half the zoom-2 canvas, the whole zoom-1 canvas.
    const QImage& View() const { return view_; }
    const QImage& DayPicture() const { return day_; }  // picHell
    const QImage& NightPicture() const { return night_; }  // picDunkel

private:
    QString programFolder_;
    TSizePreset preset_ = TSizePreset::W640;
    TMapStyle style_ = TMapStyle::Political;
    TMapGeometry geometry_;
    double stationLat_ = 0.0;
    double stationLon_ = 0.0;
    QPoint station_;
    QPointF satellite_;
    QImage day_;
    QImage night_;
    QImage canvas_;
    QImage view_;
};

}  // namespace kelvora
