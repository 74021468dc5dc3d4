#pragma once
// The one offer to download current elements, made when the elements of a new
// data folder (the kit's, soon old) are found stale. Whether it was made is kept in
// a small file of the data folder, so that it is never made again.

#include <QString>

namespace kelvora {

inline constexpr const char* kDownloadOfferFile = "DownloadOffer.SQF";

bool DownloadOfferMade(const QString& dataFolder);
// False with a reason when the file cannot be written (the offer then comes again).
bool RememberDownloadOffer(const QString& dataFolder, QString* error);

// The stale-elements warning turned into the question of the offer.
QString DownloadOfferQuestion(const QString& staleWarning);

}  // namespace kelvora
