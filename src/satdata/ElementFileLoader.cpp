#include "ElementFileLoader.h"

#include <cmath>

#include "ElementFileReaders.h"
#include "FileBytes.h"
#include "OrbitModel.h"
#include "SGP4SDP4.h"

namespace kelvora {

namespace {
bool AllFinite(const TElementSet& s) {
    for (const double v : {s.Epoch, s.JulianEpoch, s.BStar, s.Inclination, s.Raan, s.Eccentricity, s.ArgPerigee,
                           s.MeanAnomaly, s.MeanMotion, s.RevsPerDay, s.EpochRev})
        if (!std::isfinite(v)) return false;
    return true;
}

bool Propagatable(const TElementSet& set) { return AllFinite(set) && CanPropagate(set); }

// Leaves out the sets the models cannot run on and closes the gaps, so set
// numbers stay 1..count in the catalog and in the model's slots alike.
void RejectUnpropagatable(TReaderContext& context, TElementLoadResult& result) {
    TOrbitModel& model = context.Model;
    int kept = 0;
    for (int slot = 1; slot <= static_cast<int>(context.Listed.size()); ++slot) {
        TCatalogEntry& entry = context.Listed[static_cast<std::size_t>(slot - 1)];
        if (!Propagatable(model.Slot(slot))) {
            result.RejectedNames.push_back(entry.Name);
            continue;
        }
        ++kept;
        if (kept != slot) {
            context.Listed[static_cast<std::size_t>(kept - 1)] = std::move(entry);
            model.Slot(kept) = model.Slot(slot);
            model.TwoLineRecord(kept) = model.TwoLineRecord(slot);
            model.OmmTexts(kept) = model.OmmTexts(slot);
        }
    }
    context.Listed.resize(static_cast<std::size_t>(kept));
    result.RejectedCount = static_cast<int>(result.RejectedNames.size());
    // The working copy holds the last listed set, as after a clean conversion.
    if (kept > 0 && result.RejectedCount > 0) model.SelectSatellite(kept);
}

void RunReader(TElementFileFormat format, const TElementLines& lines, TReaderContext& context) {
    switch (format) {
        case TElementFileFormat::efTwoLine:
            ReadTwoLineSets(lines, context);
            break;
        case TElementFileFormat::efVerbose:
            ReadVerboseSets(lines, context);
            break;
        case TElementFileFormat::efCsv:
            ReadCsvSets(lines, context);
            break;
        case TElementFileFormat::efOmmXml:
            ReadOmmXmlSets(lines, context);
            break;
        case TElementFileFormat::efOmmKvn:
            ReadOmmKvnSets(lines, context);
            break;
        case TElementFileFormat::efNone:
            break;
    }
}
}  // namespace

TElementLoadResult LoadElementBytes(std::string_view bytes, const std::string& path, TNamingOptions& options,
                                    const TNamesList& names, TOrbitModel& model, TElementCatalog& catalog) {
    TElementLoadResult result;
    catalog.SetSource(path);
    catalog.SetNoDataSet(false);
    result.Format = DetectElementFileFormat(bytes);
    catalog.SetFormat(result.Format);
    if (result.Format == TElementFileFormat::efNone) {
        // The previous sets stay; the operator picks another file.
        catalog.SetNoDataSet(true);
        result.NoDataSet = true;
        return result;
    }
    TElementLines lines;
    ReadElementLines(bytes, lines);
    TReaderContext context{options, names, model, {}};
    RunReader(result.Format, lines, context);
    RejectUnpropagatable(context, result);
    catalog.ReplaceEntries(std::move(context.Listed));
    result.Count = catalog.Count();
    return result;
}

TElementLoadResult LoadElementFile(const std::string& path, TNamingOptions& options, const TNamesList& names,
                                   TOrbitModel& model, TElementCatalog& catalog) {
    // Real element files stay well below a megabyte (5601 lines are looked at);
    // the cap only keeps a huge or endless file from filling the memory.
    std::string bytes;
    TElementLoadResult result;
    bool cut = false;
    if (!ReadFileBytes(path, bytes, kMaxElementFileBytes, &result.Error, &cut)) {
        result.FileRead = false;
        return result;
    }
    result = LoadElementBytes(bytes, path, options, names, model, catalog);
    result.Cut = cut;
    return result;
}

std::string NoDataSetMessage(const std::string& sourceFileName) {
    return " No Data Set found  in " + sourceFileName + " ! ";
}

std::string ElementLoadNote(const TElementLoadResult& result) {
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on chains of operator+.
    std::string text;
    if (result.Cut) {
        text.append(" Element file cut: only its first ");
        text.append(std::to_string(kMaxElementFileBytes >> 20));
        text.append(" MiB were read. ");
    }
    if (result.RejectedCount == 0) return text;
    text.append(text.empty() ? " " : "");
    text.append(std::to_string(result.RejectedCount));
    text.append(result.RejectedCount == 1 ? " set" : " sets");
    text.append(" left out (elements cannot be computed): ");
    for (std::size_t i = 0; i < result.RejectedNames.size(); ++i) {
        if (i == 5) {
            text.append(", ...");
            break;
        }
        if (i > 0) text.append(", ");
        text.append(result.RejectedNames[i]);
    }
    text.append(" ");
    return text;
}

}  // namespace kelvora
