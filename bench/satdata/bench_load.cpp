// Loading a full element file: 1800 sets without name lines, so every set goes
// through the names-list lookup (3001 entries), then the conversion into the
// model, the rejection check and the sorted names of the available list.
// The files are made in a temporary folder from the 101 real sets of the
// amateur file, repeated under new catalog numbers.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ElementFileLoader.h"
#include "OrbitModel.h"

namespace {

using namespace kelvora;

constexpr int kSets = 1800;
constexpr int kNames = 3001;
constexpr int kFirstNumber = 60000;

std::vector<std::string> RealLines() {
    std::ifstream in(std::string(KELVORA_SOURCE_DIR) + "/tests/data/amateur-2024-02-12.tle", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Made once per run, in a folder of its own so that runs side by side do not
// share (or delete) each other's files.
struct TBenchFiles {
    std::filesystem::path Dir;
    std::string TwoLine;  // no name lines
    std::string ThreeLine;  // with name lines
    TNamesList Names;
    std::string Error;  // why the files could not be made

    TBenchFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kelvora-bench-load-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            Error = "cannot make a temporary folder";
            return;
        }
        Dir = pattern;
        const std::vector<std::string> real = RealLines();
        const std::size_t realSets = real.size() / 3;
        if (realSets == 0) {
            Error = "the amateur element file was not found";
            return;
        }
        std::ofstream two(Dir / "two-line.txt", std::ios::binary);
        std::ofstream three(Dir / "three-line.txt", std::ios::binary);
        for (int k = 0; k < kSets && realSets > 0; ++k) {
            const std::size_t at = 3 * (static_cast<std::size_t>(k) % realSets);
            const std::string number = std::to_string(kFirstNumber + k);
            std::string l1 = real[at + 1], l2 = real[at + 2];
            l1.replace(2, 5, number);
            l2.replace(2, 5, number);
            two << l1 << "\r\n" << l2 << "\r\n";
            three << "SAT " << number << "\r\n" << l1 << "\r\n" << l2 << "\r\n";
        }
        std::string list;
        for (int k = kNames - 1; k >= 0; --k)  // the sets' entries spread over the list
            list += std::to_string(kFirstNumber + k) + " 24001A   NAME " + std::to_string(k) + "\r\n";
        Names = ParseNorvaNames(list);
        TwoLine = (Dir / "two-line.txt").string();
        ThreeLine = (Dir / "three-line.txt").string();
        two.close();
        three.close();
        if (!two || !three) Error = "cannot write the element files in " + Dir.string();
    }
    ~TBenchFiles() {
        if (!Dir.empty()) std::filesystem::remove_all(Dir);
    }
};

// One load as the operator starts it: the file read, the sets converted and
// listed, the available list sorted.
int LoadOnce(const TBenchFiles& files, const std::string& path, TOrbitModel& model) {
    TNamingOptions options;
    options.TakeWorkingCopies();
    TElementCatalog catalog;
    const TElementLoadResult result = LoadElementFile(path, options, files.Names, model, catalog);
    benchmark::DoNotOptimize(SortedSetNames(catalog));
    return result.Count;
}

void Load(benchmark::State& state, std::string TBenchFiles::*file) {
    static const TBenchFiles files;
    if (!files.Error.empty()) {
        state.SkipWithError(files.Error.c_str());
        return;
    }
    auto model = std::make_unique<TOrbitModel>();
    // Checked once before timing: a load that lists fewer sets measures something else.
    if (LoadOnce(files, files.*file, *model) != kSets) {
        state.SkipWithError("not every set was listed");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(LoadOnce(files, files.*file, *model));
}

void BM_LoadTwoLineWithNamesList(benchmark::State& state) { Load(state, &TBenchFiles::TwoLine); }
void BM_LoadThreeLine(benchmark::State& state) { Load(state, &TBenchFiles::ThreeLine); }

BENCHMARK(BM_LoadTwoLineWithNamesList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadThreeLine)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
