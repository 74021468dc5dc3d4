#pragma once
// All four pages at once: the values the dialog opens with, and "Store", which
// checks every page and then writes the files that changed together.

#include "RadioSetup.h"
#include "RotorSetup.h"
#include "ServerSetup.h"
#include "StationSetup.h"

namespace kelvora {

struct TSetupValues {
    TStationFields Station;
    TRadioFields Radio;
    TRotorFields Rotor;
    TServerFields Servers;
};

TSetupValues SetupValuesOf(const TSetupFiles& files);

// The files with every page's values put in; nullopt and the refusal of the first
// value that cannot be stored.
std::optional<TSetupFiles> EditedSetupFiles(const TSetupFiles& files, const TSetupValues& values, QChar systemDecimal,
                                            TSetupRefusal* refusal);

enum class TStoreResult { Stored, Refused, WriteFailed };
// Writes the files that changed (through the safe writer, all or none). On a
// refusal nothing is written; *message names the field or the write's failure.
// files then holds what was written.
TStoreResult StoreSetup(const QString& dataFolder, TSetupFiles& files, const TSetupValues& values, QChar systemDecimal,
                        TSetupRefusal* refusal, QString* message);

}  // namespace kelvora
