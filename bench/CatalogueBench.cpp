#include <benchmark/benchmark.h>

#include "LargeData.h"
#include "catalogue/Catalogue.h"

// Start-up reads the whole cable catalogue; 5,000 cables with 20 connectors each.
static void BM_LoadCableCatalogue5000(benchmark::State& state) {
    const auto file = LargeDataFolder() / "program" / "dat" / "tlineconnectors.dat";
    size_t cables = 0;
    for (auto _ : state) {
        auto catalogue = quill::LoadCableCatalogue(file);
        cables = catalogue.size();
        benchmark::DoNotOptimize(catalogue);
    }
    state.counters["cables"] = static_cast<double>(cables);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_LoadCableCatalogue5000)->Unit(benchmark::kMillisecond);
