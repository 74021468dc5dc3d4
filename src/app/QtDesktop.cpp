#include "QtDesktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace kelvora {

bool TQtDesktop::StartDetached(const QString& program, const QString& workingFolder) {
    return QProcess::startDetached(program, {}, workingFolder);
}

bool TQtDesktop::OpenDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace kelvora
