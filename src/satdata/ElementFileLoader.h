// Loading an element file: form detection, the reader of the form found, the
// conversion into the orbit model and the catalog. Plain C++ (no Qt) so that a
// fuzzer and the command-line tool can use it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ElementCatalog.h"
#include "SatNameU.h"

namespace kelvora {

class TOrbitModel;

struct TElementLoadResult {
    // False when the file could not be opened or read; nothing else changed.
    bool FileRead = true;
    std::string Error;
    TElementFileFormat Format = TElementFileFormat::efNone;
    // No recognisable set (efNone): the catalog kept its previous sets. The
    // operator is told " No Data Set found  in " + file name + " ! ".
    bool NoDataSet = false;
    int Count = 0;  // sets listed, numbered 1..Count in catalog and model
    // Sets that were read and named but cannot be propagated (mean motion not
    // above 0, eccentricity outside 0 <= e < 1, values not finite); they are left
    // out of the catalog and the set numbers stay dense.
    int RejectedCount = 0;
    std::vector<std::string> RejectedNames;
    // The file is longer than the reader takes (kMaxElementFileBytes): only its
    // beginning was loaded.
    bool Cut = false;
};

// A larger element file is read only up to here; no real one comes near it.
inline constexpr std::size_t kMaxElementFileBytes = 64u << 20;

// Reads the file at path. The naming options are not const: the readers force
// an invalid NameLookupKey to 'I' and keep their working copies there.
// On FileRead == false or NoDataSet the previous sets and count stay.
TElementLoadResult LoadElementFile(const std::string& path, TNamingOptions& options, const TNamesList& names,
                                   TOrbitModel& model, TElementCatalog& catalog);

// The same from bytes already in memory; path only names the source.
TElementLoadResult LoadElementBytes(std::string_view bytes, const std::string& path, TNamingOptions& options,
                                    const TNamesList& names, TOrbitModel& model, TElementCatalog& catalog);

// The message the selection window shows for a file without a set.
std::string NoDataSetMessage(const std::string& sourceFileName);

// The note after a load for the selection window's info label and the warning
// of the application: that the file was cut (only its first 64 MiB were read)
// and which sets were left out; empty when there is nothing to say.
std::string ElementLoadNote(const TElementLoadResult& result);

}  // namespace kelvora
