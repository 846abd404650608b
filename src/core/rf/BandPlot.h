#pragma once

#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "results/Selection.h"

namespace quill {

// The assembly's performance at one frequency: the cable's attenuation in
// dB per 100 ft and the efficiency of the whole assembly in %.
struct BandPoint {
    double mhz = 0;
    double attenuation = 0;
    double efficiency = 0;
};

// The points of the band plot: evenly spaced from the first to the last
// frequency, both included. A waveguide has no point at or below its cut-off,
// and no point whose figures are not finite (close above the cut-off the
// attenuation grows without bound). The marker is the band's mid frequency,
// with the figures the result pages show.
struct BandPlot {
    double firstMHz = 0, lastMHz = 0;
    std::vector<BandPoint> points;
    BandPoint marker;
    bool waveguide = false;
    double cutoffMHz = 0;  // waveguides only
};

// The plot of the chosen band, or of the cable's own range when `wholeRange`.
// The length and its unit are the selection's; the marker is always the
// chosen band's middle. Throws for a selection the result pages would refuse
// (a waveguide band that is not above the cut-off).
BandPlot ComputeBandPlot(const Selection& selection, const TTransmissionLine& cable,
                         bool wholeRange, int count = 200);

// The point nearest to a frequency, for the values under the pointer; none
// (nullptr) for a plot without points.
const BandPoint* NearestPoint(const BandPlot& plot, double mhz);

// The figures under the pointer as the axes show them: MHz to 0.1, dB to
// 0.01, % to 0.1 ("1081.4 MHz:  2.78 dB/100 ft,  efficiency 93.8 %").
std::string PointReadout(const BandPoint& point);

// An axis with round ticks: from `low` down and `high` up to multiples of a
// step of 1, 2, 2.5 or 5 times a power of ten, about five steps in all, kept
// within [floor, ceiling].
struct AxisScale {
    double min = 0, max = 1, step = 1;
};
AxisScale RoundAxis(double low, double high, double floor, double ceiling);
// The attenuation axis starts at 0; the efficiency axis stays within 0-100 %.
AxisScale AttenuationAxis(const BandPlot& plot);
AxisScale EfficiencyAxis(const BandPlot& plot);

}  // namespace quill
