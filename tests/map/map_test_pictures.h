#pragma once
// A program folder of flat-coloured map pictures, written for the one preset and
// zoom a test loads, so the tests need no generated map files.

#include "MapFiles.h"
#include "WindowSize.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace kelvora::test {

inline const QColor kFlatDay{0, 200, 0};
inline const QColor kFlatNight{0, 0, 60};

class FlatPictures {
public:
    void Write(TSizePreset preset, bool zoom2, const QColor& day = kFlatDay, const QColor& night = kFlatNight,
               TMapStyle style = TMapStyle::Political) {
        const QSize size = CanvasSizeOf(preset, zoom2);
        QDir(dir_.path()).mkpath(MapStyleFolder(style).replace('\\', '/'));
        for (bool isDay : {true, false}) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(isDay ? day : night);
            picture.save(MapFilePath(dir_.path(), style, preset, zoom2, isDay), "BMP");
        }
    }
    QString Folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

}  // namespace kelvora::test
