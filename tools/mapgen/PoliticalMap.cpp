#include "PoliticalMap.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace mapgen {

namespace {

const QColor kSea(70, 110, 170);
const QColor kBorder(60, 60, 60);
const QColor kGrid(95, 130, 185);
// Muted land colours; none is pure white or yellow, which the map's marker rule
// reserves for overlays.
const std::array<QColor, 6> kLand = {QColor(214, 196, 140), QColor(170, 200, 140), QColor(220, 170, 150),
                                     QColor(190, 170, 210), QColor(230, 215, 120), QColor(150, 190, 190)};

QPointF Project(QPointF lonLat, QSize size) {
    return {(lonLat.x() + 180.0) * size.width() / 360.0, (90.0 - lonLat.y()) * size.height() / 180.0};
}

// Longitudes made continuous where a line crosses the date line (179.9 -> -180
// becomes 179.9 -> 180), so nothing is drawn across the whole map.
std::vector<QPointF> Unwrapped(const std::vector<QPointF>& points) {
    std::vector<QPointF> out;
    out.reserve(points.size() + 2);
    double offset = 0.0;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            const double jump = points[i].x() - points[i - 1].x();
            if (jump > 180.0) offset -= 360.0;
            if (jump < -180.0) offset += 360.0;
        }
        out.emplace_back(points[i].x() + offset, points[i].y());
    }
    return out;
}

// A ring that goes once around a pole (Antarctica) is closed along that pole.
std::vector<QPointF> ClosedRing(const std::vector<QPointF>& ring) {
    std::vector<QPointF> out = Unwrapped(ring);
    if (std::abs(out.back().x() - out.front().x()) > 180.0) {
        const double pole = out.front().y() < 0.0 ? -90.0 : 90.0;
        out.emplace_back(out.back().x(), pole);
        out.emplace_back(out.front().x(), pole);
    }
    return out;
}

// The path once in place and once a full turn to either side: what leaves the map
// on one side comes in on the other.
void AddThrice(QPainterPath& path, const std::vector<QPointF>& lonLat, QSize size) {
    for (double shift : {-360.0, 0.0, 360.0}) {
        path.moveTo(Project(lonLat.front() + QPointF(shift, 0), size));
        for (size_t k = 1; k < lonLat.size(); ++k) path.lineTo(Project(lonLat[k] + QPointF(shift, 0), size));
        path.closeSubpath();
    }
}

// Greedy colouring over the neighbour lists, so that countries sharing a border
// get different colours where the palette allows.
std::vector<int> ColourIndexes(const TTopology& topology) {
    std::vector<int> colour(topology.Countries.size(), -1);
    for (size_t i = 0; i < topology.Countries.size(); ++i) {
        std::array<bool, kLand.size()> taken{};
        for (int n : topology.Countries[i].Neighbours) {
            if (colour[n] >= 0) taken[colour[n]] = true;
        }
        int pick = int(i % kLand.size());
        for (size_t c = 0; c < kLand.size(); ++c) {
            if (!taken[(pick + c) % kLand.size()]) {
                pick = int((pick + c) % kLand.size());
                break;
            }
        }
        colour[i] = pick;
    }
    return colour;
}

void DrawGrid(QPainter& painter, QSize size) {
    painter.setPen(QPen(kGrid, 0));
    for (int lon = -150; lon < 180; lon += 30) {
        const double x = (lon + 180.0) * size.width() / 360.0;
        painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
    }
    for (int lat = -60; lat <= 60; lat += 30) {
        const double y = (90.0 - lat) * size.height() / 180.0;
        painter.drawLine(QPointF(0, y), QPointF(size.width(), y));
    }
}

}  // namespace

QImage PoliticalDayMap(const TTopology& topology, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kSea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawGrid(painter, size);

    const std::vector<int> colour = ColourIndexes(topology);
    painter.setPen(Qt::NoPen);
    for (size_t i = 0; i < topology.Countries.size(); ++i) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        for (const std::vector<QPointF>& ring : topology.Countries[i].Rings) {
            if (ring.size() >= 3) AddThrice(path, ClosedRing(ring), size);
        }
        painter.fillPath(path, kLand[colour[i]]);
    }

    painter.setPen(QPen(kBorder, size.width() >= 1500 ? 1.0 : 0.7));
    for (const std::vector<QPointF>& arc : topology.Arcs) {
        const std::vector<QPointF> points = Unwrapped(arc);
        for (double shift : {-360.0, 0.0, 360.0}) {
            QPolygonF line;
            for (const QPointF& p : points) line << Project(p + QPointF(shift, 0), size);
            painter.drawPolyline(line);
        }
    }
    return image;
}

QImage NightOf(const QImage& day) {
    QImage night = day.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < night.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(night.scanLine(y));
        for (int x = 0; x < night.width(); ++x) {
            const QRgb p = row[x];
            row[x] = qRgb(qRed(p) * 3 / 10, qGreen(p) * 3 / 10, qBlue(p) * 4 / 10);
        }
    }
    return night;
}

}  // namespace mapgen
