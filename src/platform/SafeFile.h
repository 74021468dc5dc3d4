#pragma once
#include <QByteArray>
#include <QString>

namespace kelvora {

// Writes a whole file through a temporary file in the same folder and a rename, so
// a crash or a full disk never leaves it truncated. Returns false with a reason.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Lines joined with CR LF, each line ended by CR LF, as Latin-1 bytes.
QByteArray CrLfLines(const QStringList& lines);

}  // namespace kelvora
