// Resolving a full selection after a load: twelve names against a catalog of 1800
// sets, the largest two-line file the readers list.
#include "SatSelection.h"

#include <benchmark/benchmark.h>

namespace kelvora {
namespace {

TElementCatalog LargeCatalog(int count) {
    std::vector<TCatalogEntry> entries(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n) entries[static_cast<size_t>(n)].Name = "SAT " + std::to_string(n + 1);
    TElementCatalog catalog;
    catalog.ReplaceEntries(std::move(entries));
    catalog.SetSource("/data/Kepler/nasa.all");
    return catalog;
}

void BM_ResolveSelection12Of1800(benchmark::State& state) {
    const TElementCatalog catalog = LargeCatalog(1800);
    TSatSelection selection;
    // Spread over the file, the last one near its end, one missing.
    for (int k = 0; k < 11; ++k) selection.Entries.append({QString("SAT %1").arg(150 * k + 149), k % 2 == 0});
    selection.Entries.append({QString("NOT IN FILE"), false});
    TResolveInput input;
    input.PriorityNames = {"SAT 149", "SAT 899", "SAT 1649", "SAT 1"};
    input.GroupName = "Standard";
    const TSelectionHooks hooks;
    for (auto _ : state) {
        const TResolveOutcome outcome = ResolveSelection(selection, catalog, input, hooks);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(selection.Resolved.data());
    }
}
BENCHMARK(BM_ResolveSelection12Of1800)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvora
