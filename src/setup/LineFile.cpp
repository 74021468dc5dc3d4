#include "LineFile.h"

#include "DataFolder.h"
#include "SafeFile.h"

#include <QFile>

namespace kelvora {

namespace {
// The setup's files are a few lines; a larger file is not one of them.
constexpr qint64 kMaxSettingsFileBytes = 1 << 20;
}  // namespace

void TLineFile::SetLine(int n, const QString& text) {
    while (Lines.size() < n) Lines << QString();
    Lines[n - 1] = text;
}

QByteArray TLineFile::Bytes() const { return CrLfLines(Lines); }

QStringList SplitLines(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the end of the last line
    for (QString& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

TLineFile LoadLineFile(const QString& dataFolder, const QString& name) {
    TLineFile file;
    file.Name = name;
    QFile f(DataFilePath(dataFolder, name));
    if (f.open(QIODevice::ReadOnly)) file.Original = f.read(kMaxSettingsFileBytes);
    file.Lines = SplitLines(file.Original);
    return file;
}

}  // namespace kelvora
