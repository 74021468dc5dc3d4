#pragma once
// A new data folder is filled from the default kit that ships with the program, and
// the station is asked for once.

#include "OperatorPrompt.h"
#include <QString>

namespace kelvora {

// True when the data folder has no "SatIni.SQF" yet, or an empty one: the kit was
// never installed, or its installation was cut short.
bool NeedsFirstRunKit(const QString& dataFolder);

// The kit folder next to the program (build tree) or in <prefix>/share/kelvoraiss/.
QString LocateKitFolder(const QString& programFolder);

// Creates the data folder, copies every kit file that is not there yet or is empty (an
// operator's file with content is never overwritten), asks for the station and writes
// "SatIni.SQF" last, so an interrupted first run is completed by the next start.
// Returns false with a reason.
bool InstallFirstRunKit(const QString& kitFolder, const QString& dataFolder, IOperatorPrompt& prompt, QString* error);

// "SatIni.SQF" with lines 1 (height), 3 (east longitude), 4 (latitude) and 13 (zone)
// replaced; other lines kept byte for byte. Missing lines are added empty.
QByteArray WithStation(const QByteArray& satIni, const IOperatorPrompt::Station& station);
IOperatorPrompt::Station StationOf(const QByteArray& satIni);

}  // namespace kelvora
