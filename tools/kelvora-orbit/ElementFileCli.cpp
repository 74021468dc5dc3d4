#include "ElementFileCli.h"

#include "ElementFileLoader.h"

namespace kelvora {

TCliElementFile LoadElementFileForCli(const std::string& path, TOrbitModel& model) {
    TNamingOptions options;  // "-", "+", "I": the names as the file gives them
    options.TakeWorkingCopies();
    const TNamesList noNames;
    TElementCatalog catalog;
    const TElementLoadResult result = LoadElementFile(path, options, noNames, model, catalog);
    TCliElementFile file;
    if (!result.FileRead) {
        file.Error = result.Error;
        return file;
    }
    if (result.NoDataSet) {
        file.Error = "no element set found in " + path;
        return file;
    }
    const std::string form = ElementFileFormatName(result.Format);
    for (int n = 1; n <= catalog.Count(); ++n) {
        const TCatalogEntry& e = catalog.Entry(n);
        file.Sets.push_back({e.Name, e.CatalogNumber, e.Designator, form});
    }
    file.Rejected = result.RejectedNames;
    if (result.Cut) {
        // Appended: GCC 12 at -O3 warns falsely (-Wrestrict) on chains of operator+.
        file.CutNote = path;
        file.CutNote.append(" was cut: only its first ");
        file.CutNote.append(std::to_string(kMaxElementFileBytes >> 20));
        file.CutNote.append(" MiB were read");
    }
    return file;
}

}  // namespace kelvora
