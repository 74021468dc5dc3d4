#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

namespace kelvora {

// Writes a whole file through a temporary file in the same folder and a rename, so
// a crash, a power cut or a full disk never leaves it truncated or empty: every write
// is checked and the data reach the disk before the rename, and the folder is synced
// after it. A replaced file keeps its permissions; a read-only one is refused as
// before. Returns false with a reason, and then the old file is untouched.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// One file of a write that must happen together with others.
struct TFileWrite {
    QString Path;
    QByteArray Bytes;
};

// Writes files that only make sense together (a list and the list beside it that is
// read by the same positions) so that a failure leaves every one as it was: each new
// file is written in full and synced before the first rename, the old files are kept
// under hidden names until the last rename is done, and a rename that fails puts
// back those renamed before it. Files that did not exist are removed again. Returns
// false with the reason of the first failure. A crash between two renames can still
// leave the first files new; no write leaves any file truncated.
bool WriteFilesTogether(const std::vector<TFileWrite>& files, QString* error = nullptr);

// Lines joined with CR LF, each line ended by CR LF, as Latin-1 bytes.
QByteArray CrLfLines(const QStringList& lines);

}  // namespace kelvora
