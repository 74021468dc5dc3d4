#include "MapFiles.h"

#include <QDir>

namespace kelvora {

QString MapStyleFolder(TMapStyle style) {
    return style == TMapStyle::BlueMarble ? QStringLiteral("BM_Maps2D\\") : QStringLiteral("Maps2D\\");
}

QString MapStyleCaption(TMapStyle style) {
    return style == TMapStyle::BlueMarble ? QStringLiteral("BM") : QStringLiteral("Pl");
}

TMapStyle MapStyleOf(char mapSetOption) { return mapSetOption == '+' ? TMapStyle::BlueMarble : TMapStyle::Political; }

QString MapFileName(TSizePreset preset, bool zoom2, bool day) {
    const QString base = zoom2 ? QStringLiteral("Welt4") : QStringLiteral("Welt1");
    switch (preset) {
        case TSizePreset::W800:
            return base + (day ? "L" : "D") + "_Cap.bmp";
        case TSizePreset::W1024:
            return base + (day ? "L" : "D") + "_1024.bmp";
        default:
            return base + (day ? "l" : "d") + ".bmp";
    }
}

QString MapFilePath(const QString& programFolder, TMapStyle style, TSizePreset preset, bool zoom2, bool day) {
    QString folder = MapStyleFolder(style);
    folder.replace('\\', '/');
    return QDir(programFolder).filePath(folder + MapFileName(preset, zoom2, day));
}

}  // namespace kelvora
