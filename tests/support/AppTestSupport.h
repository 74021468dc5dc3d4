#pragma once
// Helpers for the tracking-window tests: the shared scripted prompt and kit folder,
// and where the program folder with the map pictures is.

#include "KitDataFolder.h"

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace kelvora::test {

// The build folder holds the map pictures next to the program.
inline QString ProgramFolder() { return QStringLiteral(KELVORA_BINARY_DIR); }

// A temporary data folder holding a copy of the default kit.
using KitFolderCopy = KitDataFolder;

}  // namespace kelvora::test
