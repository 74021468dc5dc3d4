#include "MapDrawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

QPainter& PrepareThinPen(QPainter& painter, const QColor& colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0));
    return painter;
}

void WrappedLine(QPainter& painter, const TMapGeometry& g, QPoint a, QPoint b) {
    const int jump = b.x() - a.x();
    if (std::abs(jump) <= g.H) {
        painter.drawLine(a, b);
        return;
    }
    // Leaving at the right edge when b lies far left of a, else at the left edge.
    const bool viaRight = jump < 0;
    const double unwrappedBx = viaRight ? b.x() + g.W : b.x() - g.W;
    const double edgeX = viaRight ? g.W : 0.0;
    const double f = (edgeX - a.x()) / (unwrappedBx - a.x());
    const int edgeY = static_cast<int>(std::lround(a.y() + f * (b.y() - a.y())));
    const int nearEdge = viaRight ? g.W - 1 : 0;
    const int farEdge = viaRight ? 0 : g.W - 1;
    painter.drawLine(a, QPoint(nearEdge, edgeY));
    painter.drawLine(QPoint(farEdge, edgeY), b);
}

void Polyline(QPainter& painter, const TMapGeometry& g, const std::vector<QPoint>& points) {
    for (size_t i = 1; i < points.size(); ++i) WrappedLine(painter, g, points[i - 1], points[i]);
    if (points.size() == 1) painter.drawPoint(points.front());
}

}  // namespace

QColor MarkerColour(const QImage& canvas, QPoint p, const QColor& normal) {
    if (!canvas.rect().contains(p)) return normal;
    const QRgb rgb = canvas.pixel(p) & 0xFFFFFFu;
    return (rgb == 0xFFFFFFu || rgb == 0xFFFF00u) ? kMapRed : normal;
}

void DrawWrappedLine(QImage& canvas, const TMapGeometry& g, QPoint a, QPoint b, const QColor& colour) {
    QPainter painter(&canvas);
    WrappedLine(PrepareThinPen(painter, colour), g, a, b);
}

void DrawFootprintOutline(QImage& canvas, const TMapGeometry& g, const TFootprintOutline& outline,
                          const QColor& colour) {
    if (outline.East.empty()) return;
    QPainter painter(&canvas);
    PrepareThinPen(painter, colour);
    Polyline(painter, g, outline.East);
    Polyline(painter, g, outline.West);
    if (outline.CoversNorthPole) {
        painter.drawLine(0, 0, g.W - 1, 0);
    } else {
        WrappedLine(painter, g, outline.East.front(), outline.West.front());
    }
    if (outline.CoversSouthPole) {
        painter.drawLine(0, g.H - 1, g.W - 1, g.H - 1);
    } else {
        WrappedLine(painter, g, outline.East.back(), outline.West.back());
    }
}

void DrawCross(QImage& canvas, QPoint centre, int arm, const QColor& colour) {
    const QRgb rgb = colour.rgb();
    const int x0 = std::max(centre.x() - arm, 0);
    const int x1 = std::min(centre.x() + arm, canvas.width() - 1);
    const int y0 = std::max(centre.y() - arm, 0);
    const int y1 = std::min(centre.y() + arm, canvas.height() - 1);
    if (centre.y() >= 0 && centre.y() < canvas.height()) {
        for (int x = x0; x <= x1; ++x) canvas.setPixel(x, centre.y(), rgb);
    }
    if (centre.x() >= 0 && centre.x() < canvas.width()) {
        for (int y = y0; y <= y1; ++y) canvas.setPixel(centre.x(), y, rgb);
    }
}

}  // namespace kelvora
