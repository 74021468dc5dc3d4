#pragma once
// A settings file of the data folder held as its lines, so that the setup replaces
// only the lines it owns and writes every other line back as it was.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvora {

struct TLineFile {
    QString Name;  // "SatIni.SQF", ...
    QStringList Lines;  // without their CR LF, Latin-1
    QByteArray Original;  // the bytes as read; empty for a missing file

    // Line n (1-based), or empty past the end.
    QString Line(int n) const { return n >= 1 && n <= Lines.size() ? Lines[n - 1] : QString(); }
    // Replaces line n, adding empty lines first when the file is shorter.
    void SetLine(int n, const QString& text);
    // The lines as the readers expect them: Latin-1, each ended by CR LF.
    QByteArray Bytes() const;
    bool Changed() const { return Bytes() != Original; }
};

// The file of the data folder; a missing file gives no lines.
TLineFile LoadLineFile(const QString& dataFolder, const QString& name);
// The lines of bytes; CR LF and LF both end a line.
QStringList SplitLines(const QByteArray& bytes);

}  // namespace kelvora
