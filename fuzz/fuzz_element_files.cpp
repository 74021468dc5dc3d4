// libFuzzer target: arbitrary bytes through form detection, the full load
// (readers, conversions, rejection of sets the models cannot run on) and each
// of the five readers on its own, then one propagation of the listed sets.
// Besides crashes it checks what a load promises, and traps when it breaks:
// the count is the catalog's, and every listed set is named and can be
// propagated (no NaN, at worst Valid = false). Built and run by scripts/fuzz.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "ElementFileLoader.h"
#include "ElementFileReaders.h"
#include "OrbitModel.h"
#include "SGP4SDP4.h"

namespace {

using namespace kelvora;

const TNamesList& Names() {
    static const TNamesList names({{"25544", "98067A", "ISS"}, {"07530", "74089B", "AO-7"}, {"", "", ""}});
    return names;
}

// The first byte picks the naming options, so lookups are reached too.
TNamingOptions OptionsOf(std::string_view bytes) {
    const unsigned char pick = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
    TNamingOptions options;
    options.UseNorvaNames = (pick & 1) ? '+' : '-';
    options.KeepSourceNames = (pick & 2) ? '+' : '-';
    options.NameLookupKey = (pick & 4) ? 'D' : ((pick & 8) ? 'I' : '?');
    options.TakeWorkingCopies();
    return options;
}

void PropagateListed(TOrbitModel& model, int count) {
    for (int n = 1; n <= count && n <= 8; ++n) {
        model.SelectSatellite(n);
        for (const double minutes : {0.0, 1440.0}) (void)model.PropagateMinutes(minutes);
    }
}

bool Finite(const TVector4& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::isfinite(v.w);
}

// What every load must leave behind, whatever the bytes were.
void CheckLoad(const TElementLoadResult& result, const TElementCatalog& catalog, TOrbitModel& model) {
    if (result.NoDataSet) return;  // the previous sets stay: here none
    if (result.Count != catalog.Count()) __builtin_trap();
    for (int n = 1; n <= result.Count; ++n) {
        if (catalog.Name(n).empty() || !CanPropagate(model.Slot(n))) __builtin_trap();
        model.SelectSatellite(n);
        const TStateVector state = model.PropagateMinutes(0.0);
        if (state.Valid && !(Finite(state.Position) && Finite(state.Velocity))) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto model = std::make_unique<TOrbitModel>();

    TNamingOptions options = OptionsOf(bytes);
    TElementCatalog catalog;
    const TElementLoadResult result = LoadElementBytes(bytes, "fuzz.txt", options, Names(), *model, catalog);
    CheckLoad(result, catalog, *model);
    PropagateListed(*model, result.Count);
    (void)SortedSetNames(catalog);

    // Every reader on the same lines, whatever the detected form.
    TElementLines lines;
    ReadElementLines(bytes, lines);
    using TReader = void (*)(const TElementLines&, TReaderContext&);
    for (const TReader reader : {ReadTwoLineSets, ReadVerboseSets, ReadCsvSets, ReadOmmXmlSets, ReadOmmKvnSets}) {
        TNamingOptions readerOptions = OptionsOf(bytes);
        TReaderContext context{readerOptions, Names(), *model, {}};
        reader(lines, context);
    }
    (void)OmmEpochToTleEpoch(lines.Line(0));
    return 0;
}
