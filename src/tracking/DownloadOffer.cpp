#include "DownloadOffer.h"

#include "DataFolder.h"
#include "SafeFile.h"

#include <QFileInfo>

namespace kelvora {

bool DownloadOfferMade(const QString& dataFolder) {
    return QFileInfo::exists(DataFilePath(dataFolder, kDownloadOfferFile));
}

bool RememberDownloadOffer(const QString& dataFolder, QString* error) {
    return WriteFileSafely(DataFilePath(dataFolder, kDownloadOfferFile), "+\r\n", error);
}

QString DownloadOfferQuestion(const QString& staleWarning) {
    return staleWarning + QStringLiteral(
                              "\n\nDownload current elements now? (Asked only once: later, \"Update Keps\" "
                              "in the \"Satellites\" window downloads them.)");
}

}  // namespace kelvora
