#pragma once
// Names of the map pictures and of the two map style folders.

#include "WindowSize.h"

#include <QString>

namespace kelvora {

enum class TMapStyle { Political, BlueMarble };

// "Maps2D\" or "BM_Maps2D\", as stored; taken with "/" on disk.
QString MapStyleFolder(TMapStyle style);
QString MapStyleCaption(TMapStyle style);  // lblBlueM: "Pl" or "BM"
// The map set character of the start settings: '+' Blue-M., anything else Political.
TMapStyle MapStyleOf(char mapSetOption);

// "Welt1l.bmp" ... "Welt4D_1024.bmp": day or night picture of a zoom and preset.
QString MapFileName(TSizePreset preset, bool zoom2, bool day);

// Full path: program folder + style folder + file name.
QString MapFilePath(const QString& programFolder, TMapStyle style, TSizePreset preset, bool zoom2, bool day);

}  // namespace kelvora
