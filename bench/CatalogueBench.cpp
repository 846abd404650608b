#include <benchmark/benchmark.h>

#include "LargeData.h"
#include "catalogue/BigIniFile.h"
#include "catalogue/Catalogue.h"

// Start-up reads the whole cable catalogue. Each file is loaded once by the
// catalogue and once by the sectioned file reader alone, in the same run: the
// catalogue should cost at most three times the reader.
// 0: 5,000 cables with 20 connectors each; 1: one cable with 100,000 connectors.

namespace {

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
        connectors = 0;
        for (const auto& cable : catalogue) connectors += cable->connectors.size();
        benchmark::DoNotOptimize(catalogue);
    }
    state.counters["connectors"] = static_cast<double>(connectors);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_LoadCableCatalogue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_LoadCatalogueFileReaderAlone(benchmark::State& state) {
    const auto file = CatalogueBenchFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        quill::TBigIniFile reader(file);
        benchmark::DoNotOptimize(reader.SectionCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_LoadCatalogueFileReaderAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
