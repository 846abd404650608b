#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "LargeData.h"
#include "catalogue/Catalogue.h"
#include "inifile/BigIniFile.h"

// Start-up reads the whole cable catalogue. Each file is loaded once by the
// catalogue and once by the sectioned file reader alone, in the same run: the
// catalogue should cost at most three times the reader.
// 0: 5,000 cables with 20 connectors each; 1: one cable with 100,000 connectors.

namespace {

// On a shared machine the fastest of many repetitions is the steadiest figure.
double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

std::filesystem::path CatalogueBenchFile(int which) {
    return which == 0 ? LargeDataFolder() / "program" / "dat" / "tlineconnectors.dat"
                      : OneCableFile();
}

}  // namespace

static void BM_LoadCableCatalogue(benchmark::State& state) {
    const auto file = CatalogueBenchFile(static_cast<int>(state.range(0)));
    size_t connectors = 0;
    for (auto _ : state) {
        auto catalogue = quill::LoadCableCatalogue(file);
        state.PauseTiming();  // the load is measured, not the freeing
        connectors = 0;
        for (const auto& cable : catalogue) connectors += cable->connectors.size();
        benchmark::DoNotOptimize(catalogue);
        catalogue.clear();
        state.ResumeTiming();
    }
    state.counters["connectors"] = static_cast<double>(connectors);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_LoadCableCatalogue)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

static void BM_LoadCatalogueFileReaderAlone(benchmark::State& state) {
    const auto file = CatalogueBenchFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto reader = std::make_unique<quill::TBigIniFile>(file);
        state.PauseTiming();
        benchmark::DoNotOptimize(reader->SectionCount());
        reader.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_LoadCatalogueFileReaderAlone)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);
