#include "SetupStore.h"

#include "DataFolder.h"
#include "SafeFile.h"

namespace kelvora {

TSetupValues SetupValuesOf(const TSetupFiles& files) {
    return {StationFieldsOf(files), RadioFieldsOf(files), RotorFieldsOf(files), ServerFieldsOf(files)};
}

std::optional<TSetupFiles> EditedSetupFiles(const TSetupFiles& files, const TSetupValues& values, QChar systemDecimal,
                                            TSetupRefusal* refusal) {
    TSetupFiles edited = files;
    ApplyStation(values.Station, systemDecimal, edited);
    TRefusal refused = ApplyRadio(values.Radio, edited);
    if (!refused) refused = CheckSatIni(edited.SatIni, systemDecimal);
    if (!refused) refused = ApplyRotor(values.Rotor, edited);
    if (!refused) refused = ApplyServers(values.Servers, edited);
    if (refused) {
        if (refusal) *refusal = *refused;
        return std::nullopt;
    }
    return edited;
}

TStoreResult StoreSetup(const QString& dataFolder, TSetupFiles& files, const TSetupValues& values, QChar systemDecimal,
                        TSetupRefusal* refusal, QString* message) {
    TSetupRefusal refused;
    std::optional<TSetupFiles> edited = EditedSetupFiles(files, values, systemDecimal, &refused);
    if (!edited) {
        if (refusal) *refusal = refused;
        if (message) *message = refused.Text();
        return TStoreResult::Refused;
    }
    std::vector<TFileWrite> writes;
    for (TLineFile* file : edited->All())
        if (file->Changed()) writes.push_back({DataFilePath(dataFolder, file->Name), file->Bytes()});
    QString error;
    if (!writes.empty() && !WriteFilesTogether(writes, &error)) {
        if (message) *message = error;
        return TStoreResult::WriteFailed;
    }
    for (TLineFile* file : edited->All()) file->Original = file->Bytes();
    files = std::move(*edited);
    if (message) message->clear();
    return TStoreResult::Stored;
}

}  // namespace kelvora
