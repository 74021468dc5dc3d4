#pragma once
// Texts on the map: the other satellites' labels and the sun's "S", placed
// beside a point and kept inside the canvas.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace kelvora {

// Left edge of a text width pixels wide centred on column x, kept within
// [0, canvasWidth - 1 - width] (at 0 when it is wider than that).
int CentredLeft(int x, int width, int canvasWidth);

QFont LabelFont();  // the other satellites' labels
QFont SunMarkFont();  // the 14-point "S"

// Draws text with its upper-left corner at topLeft, without a background.
void DrawMapText(QImage& canvas, QPoint topLeft, const QString& text, const QFont& font, const QColor& colour);

// Width and height of a text on the canvas in the font.
QSize MapTextSize(const QImage& canvas, const QString& text, const QFont& font);

}  // namespace kelvora
