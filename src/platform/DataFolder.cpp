#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace kelvora {

namespace {
QString WithSlash(QString path) {
    if (!path.endsWith('/')) path += '/';
    return path;
}

QString EnvOr(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}
}  // namespace

QString LocateDataFolder(const QString& explicitFolder) {
    if (!explicitFolder.isEmpty()) return WithSlash(QDir(explicitFolder).absolutePath());
    const QString fromEnv = qEnvironmentVariable("KELVORA_DATA_DIR");
    if (!fromEnv.isEmpty()) return WithSlash(QDir(fromEnv).absolutePath());

    const QString home = QDir::homePath();
    const QString roaming = EnvOr("XDG_CONFIG_HOME", home + "/.config") + "/Kelvora";
    if (QFileInfo(roaming).isDir()) return WithSlash(roaming);
    return WithSlash(EnvOr("XDG_DATA_HOME", home + "/.local/share") + "/Kelvora");
}

QString LocateProgramFolder(const QString& executableFolder) {
    const QString installed = executableFolder + "/../share/kelvoraiss";
    for (const QString& folder : {executableFolder, installed})
        if (QFileInfo(folder + "/kit").isDir()) return QDir(folder).absolutePath();
    return executableFolder;
}

QString NativeStoredPath(const QString& storedPath) {
    QString path = storedPath;
    path.replace('\\', '/');
    return path;
}

QString DataFilePath(const QString& dataFolder, const QString& fileName) {
    const QString native = NativeStoredPath(fileName);
    if (QFileInfo(native).isAbsolute()) return native;
    return WithSlash(dataFolder) + native;
}

}  // namespace kelvora
