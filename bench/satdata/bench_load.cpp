// Loading a full element file: 1800 sets without name lines, so every set goes
// through the names-list lookup (3001 entries), then the conversion into the
// model, the rejection check and the sorted names of the available list.
// The files are made in a temporary folder from the 101 real sets of the
// amateur file, repeated under new catalog numbers.
#include <benchmark/benchmark.h>

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
  std::ifstream in(std::string(KELVORA_SOURCE_DIR) + "/tests/data/amateur-2024-02-12.tle",
                   std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

struct TBenchFiles {
  std::filesystem::path Dir;
  std::string TwoLine;    // no name lines
  std::string ThreeLine;  // with name lines
  TNamesList Names;

  TBenchFiles() {
    Dir = std::filesystem::temp_directory_path() / "kelvora-bench-load";
    std::filesystem::create_directories(Dir);
    const std::vector<std::string> real = RealLines();
    const std::size_t realSets = real.size() / 3;
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
  }
  ~TBenchFiles() { std::filesystem::remove_all(Dir); }
};

void Load(benchmark::State& state, std::string TBenchFiles::*file) {
  static const TBenchFiles files;
  auto model = std::make_unique<TOrbitModel>();
  for (auto _ : state) {
    TNamingOptions options;
    options.TakeWorkingCopies();
    TElementCatalog catalog;
    const TElementLoadResult result =
        LoadElementFile(files.*file, options, files.Names, *model, catalog);
    benchmark::DoNotOptimize(SortedSetNames(catalog));
    if (result.Count != kSets) state.SkipWithError("not every set was listed");
  }
}

void BM_LoadTwoLineWithNamesList(benchmark::State& state) { Load(state, &TBenchFiles::TwoLine); }
void BM_LoadThreeLine(benchmark::State& state) { Load(state, &TBenchFiles::ThreeLine); }

BENCHMARK(BM_LoadTwoLineWithNamesList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadThreeLine)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
