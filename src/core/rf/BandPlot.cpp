#include "rf/BandPlot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "rf/Rf.h"
#include "text/Fields.h"

namespace quill {

namespace {

// The figures at one frequency are those of a band that begins and ends there.
BandPoint PointAt(const TTransmissionLine& cable, bool inFeet, double length, double mhz) {
    return {mhz, Attenuation(cable, mhz, mhz), Efficiency(cable, inFeet, length, mhz, mhz)};
}

}  // namespace

BandPlot ComputeBandPlot(const Selection& selection, const TTransmissionLine& cable,
                         bool wholeRange, int count) {
    const double f1 = selection.BeginMHz(), f2 = selection.EndMHz();
    const double length = selection.Length();
    const bool inFeet = !selection.meters;
    BandPlot plot;
    plot.waveguide = UpperCase(cable.cableType) == "EW";
    plot.cutoffMHz = plot.waveguide ? cable.k1 : 0;
    plot.marker = {(f1 + f2) / 2, Attenuation(cable, f1, f2),
                   Efficiency(cable, inFeet, length, f1, f2)};
    plot.firstMHz = wholeRange ? std::min(cable.lowFrequency, f1) : f1;
    plot.lastMHz = wholeRange ? std::max(cable.highFrequency, f2) : f2;
    count = std::max(count, 2);
    plot.points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double mhz = i == count - 1
                               ? plot.lastMHz
                               : plot.firstMHz + (plot.lastMHz - plot.firstMHz) * i / (count - 1);
        if (plot.waveguide && !(mhz > plot.cutoffMHz)) continue;
        const BandPoint point = PointAt(cable, inFeet, length, mhz);
        if (std::isfinite(point.attenuation) && std::isfinite(point.efficiency))
            plot.points.push_back(point);
    }
    return plot;
}

const BandPoint* NearestPoint(const BandPlot& plot, double mhz) {
    if (plot.points.empty()) return nullptr;
    const auto after =
        std::lower_bound(plot.points.begin(), plot.points.end(), mhz,
                         [](const BandPoint& point, double value) { return point.mhz < value; });
    if (after == plot.points.begin()) return &*after;
    if (after == plot.points.end()) return &plot.points.back();
    const auto before = std::prev(after);
    return mhz - before->mhz <= after->mhz - mhz ? &*before : &*after;
}

std::string PointReadout(const BandPoint& point) {
    return FormatFixed(point.mhz, 1) + " MHz:  " + FormatFixed(point.attenuation, 2) +
           " dB/100 ft,  efficiency " + FormatFixed(point.efficiency, 1) + " %";
}

AxisScale RoundAxis(double low, double high, double floor, double ceiling) {
    low = std::max(low, floor), high = std::min(high, ceiling);
    if (!(high > low)) high = low + 1;
    const double rough = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    AxisScale scale{std::floor(low / step) * step, std::ceil(high / step) * step, step};
    scale.min = std::max(scale.min, floor);
    scale.max = std::min(scale.max, ceiling);
    if (!(scale.max > scale.min)) scale.max = scale.min + step;
    return scale;
}

AxisScale AttenuationAxis(const BandPlot& plot) {
    double high = plot.marker.attenuation;
    for (const BandPoint& point : plot.points) high = std::max(high, point.attenuation);
    return RoundAxis(0, high, 0, std::numeric_limits<double>::infinity());
}

AxisScale EfficiencyAxis(const BandPlot& plot) {
    double low = plot.marker.efficiency, high = low;
    for (const BandPoint& point : plot.points)
        low = std::min(low, point.efficiency), high = std::max(high, point.efficiency);
    return RoundAxis(low, high, 0, 100);
}

}  // namespace quill
