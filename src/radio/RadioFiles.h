#pragma once
// The radio's files in the data folder: the definition files read at start-up,
// the update threshold ("IntVCatISS.SQF", read and stored) and the device of the
// CAT port ("SerialPorts.SQF"). A missing file or a bad value is a ConfigError
// that names the file and the line, which stops the start-up step.

#include <QString>
#include <string>

#include "DopplerModel.h"
#include "RadioDefinition.h"

#include <optional>

namespace kelvora {

void LoadRadioFamily(const QString& dataFolder, TRadioDefinition& radio);  // "TRX.SQF"
// "YaesuPar.SQF", "IcomPar.SQF", "IcomName.SQF", "KenwoodPar.SQF", all of them
// whatever the family is.
void LoadRadioParameters(const QString& dataFolder, TRadioDefinition& radio);
void LoadRtsDtr(const QString& dataFolder, TRadioDefinition& radio);  // "RTS12.SQF"

// The threshold in Hz; 100 when the file is missing.
double LoadInterval(const QString& dataFolder);
// "Doppler.SQF", the frequency table; missing: ConfigError.
TDopplerTable LoadDopplerTable(const QString& dataFolder);
// "KorrMod.SQF": the stored correction mode; missing or not a whole number:
// ConfigError (the start-up step stops).
int LoadCorrectionMode(const QString& dataFolder);
// The same when a new entry asks for it during the run: nothing instead of an error.
std::optional<int> StoredCorrectionMode(const QString& dataFolder);
// "Store Interval": rewrites the file safely; false with a reason, the old file kept.
bool StoreInterval(const QString& dataFolder, double intervalHz, QString* error);

// The mode dialog's "Store": rewrites "KorrMod.SQF" safely with the correction
// mode; false with a reason, the old file kept.
bool StoreCorrectionMode(const QString& dataFolder, int mode, QString* error);

// The device path of a CAT port number (1 and up); without "SerialPorts.SQF", or
// without a line for the number, /dev/ttyUSB(N-1).
std::string SerialDevicePath(const QString& dataFolder, int portNumber);

}  // namespace kelvora
