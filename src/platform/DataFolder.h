#pragma once
#include <QString>

namespace kelvora {

// The per-user data folder that holds every settings, group, names and element file.
// An explicit folder (from --data-dir) wins, then KELVORA_DATA_DIR, then
// $XDG_CONFIG_HOME/Kelvora/ (~/.config/Kelvora/) when it exists, else
// $XDG_DATA_HOME/Kelvora/ (~/.local/share/Kelvora/), whether that exists or not.
// The result always ends in '/'.
QString LocateDataFolder(const QString& explicitFolder = QString());

// The program folder: the folder of the program's own files (maps, help files, the
// kit). In the build tree they lie next to the executable; an installed program finds
// them in <prefix>/share/kelvoraiss/, beside its bin/. The first of the two that holds
// the kit wins; with neither, the executable's folder (as in a build without a kit).
QString LocateProgramFolder(const QString& executableFolder);

// Stored paths may use '\' as folder separator; on this system they mean '/'.
QString NativeStoredPath(const QString& storedPath);

// A file name given without a folder lies in the data folder.
QString DataFilePath(const QString& dataFolder, const QString& fileName);

}  // namespace kelvora
