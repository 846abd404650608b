#pragma once

#include <string>

#include "output/DrawingSurface.h"
#include "rf/BandPlot.h"

namespace quill {

struct PlotBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where the band plot's parts go within a frame: the curves' area between
// the axes and the round scales of the three axes. The frequency axis runs
// from the band's first to its last frequency; the attenuation axis is on
// the left, the efficiency axis on the right.
struct BandPlotLayout {
    PlotBox frame, area;
    double firstMHz = 0, lastMHz = 1;
    AxisScale frequency, attenuation, efficiency;
    int fontHeight = 12;
    // The right axis: the efficiency, or another figure in the points'
    // efficiency (a datasheet's insertion loss).
    std::string rightTitle = "Efficiency (%)";
    int rightDecimals = 1;

    int XOf(double mhz) const;
    double MhzAt(int x) const;
    int YOfAttenuation(double db) const;
    int YOfEfficiency(double percent) const;
};

// The frame shared out for a plot, its texts drawn at the font height given.
// The right axis is the efficiency's unless another is given.
struct RightAxis {
    std::string title;
    AxisScale scale;
    int decimals = 1;
};
BandPlotLayout LayOutBandPlot(DrawingSurface& surface, const BandPlot& plot, PlotBox frame,
                              int fontHeight, const RightAxis* right = nullptr);

// The title above; the grid, the axes with their round ticks and titles;
// the attenuation (blue) and efficiency (green) curves; the red marker at
// the mid frequency on both; and a legend below. The same drawing serves
// the screen, a picture, a printer and a PDF.
void DrawBandPlot(DrawingSurface& surface, const BandPlot& plot, const BandPlotLayout& layout,
                  const std::string& title);

// The texts of the plot's parts.
inline constexpr const char* kFrequencyAxisTitle = "Frequency (MHz)";
inline constexpr const char* kAttenuationAxisTitle = "Attenuation (dB/100 ft)";
inline constexpr const char* kEfficiencyAxisTitle = "Efficiency (%)";

}  // namespace quill
