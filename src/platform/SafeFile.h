#pragma once
#include <QByteArray>
#include <QString>

namespace kelvora {

// Writes a whole file through a temporary file in the same folder and a rename, so
// a crash, a power cut or a full disk never leaves it truncated or empty: every write
// is checked and the data reach the disk before the rename, and the folder is synced
// after it. A replaced file keeps its permissions; a read-only one is refused as
// before. Returns false with a reason, and then the old file is untouched.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Lines joined with CR LF, each line ended by CR LF, as Latin-1 bytes.
QByteArray CrLfLines(const QStringList& lines);

}  // namespace kelvora
