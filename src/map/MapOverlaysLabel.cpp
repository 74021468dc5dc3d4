#include "MapOverlaysLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace kelvora {

int CentredLeft(int x, int width, int canvasWidth) {
    return std::max(0, std::min(x - width / 2, canvasWidth - 1 - width));
}

namespace {

// Plain pixels: the marker colour rule reads exact colours back from the canvas.
// Sized in pixels as on a 96-dpi screen: a point size would follow the dpi that
// each map picture carries, and the generated pictures carry other values than
// the political ones.
QFont MapFont(int pointSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize((pointSize * 96 + 36) / 72);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

QFont LabelFont() { return MapFont(8); }

QFont SunMarkFont() { return MapFont(14); }

QSize MapTextSize(const QImage& canvas, const QString& text, const QFont& font) {
    const QFontMetrics metrics(font, &canvas);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void DrawMapText(QImage& canvas, QPoint topLeft, const QString& text, const QFont& font, const QColor& colour) {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
}

}  // namespace kelvora
