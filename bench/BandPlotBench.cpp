#include <benchmark/benchmark.h>

#include "rf/BandPlot.h"

// The band plot's 200 points, computed each time the dialog opens or its
// range changes: well under a millisecond keeps the dialog immediate.

namespace {

quill::TTransmissionLine BenchCable(const char* type, double k1, double k2) {
    quill::TTransmissionLine cable;
    cable.cableType = type;
    cable.k1 = k1;
    cable.k2 = k2;
    cable.lowFrequency = 1000;
    cable.highFrequency = 8800;
    return cable;
}

void PlotBench(benchmark::State& state, const quill::TTransmissionLine& cable) {
    quill::Selection selection;
    selection.beginText = "1700";
    selection.endText = "2100";
    selection.lengthText = "50";
    for (auto _ : state) benchmark::DoNotOptimize(quill::ComputeBandPlot(selection, cable, true));
}

}  // namespace

static void BM_BandPlotCoaxial(benchmark::State& state) {
    PlotBench(state, BenchCable("FOAM", 0.06, 0.0002));
}
BENCHMARK(BM_BandPlotCoaxial)->Unit(benchmark::kMicrosecond);

static void BM_BandPlotWaveguide(benchmark::State& state) {
    PlotBench(state, BenchCable("EW", 1300, 889));
}
BENCHMARK(BM_BandPlotWaveguide)->Unit(benchmark::kMicrosecond);
