#include "SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace kelvora {

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = QStringLiteral("Cannot write %1: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = QStringLiteral("Cannot write %1: %2").arg(QFileInfo(path).fileName(), file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

QByteArray CrLfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace kelvora
