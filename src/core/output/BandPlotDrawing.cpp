#include "output/BandPlotDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "text/Fields.h"

namespace quill {

namespace {

constexpr unsigned kBlack = 0x000000, kGrid = 0xDCDCDC, kAttenuationColor = 0x0046AA,
                   kEfficiencyColor = 0x008C3C, kMarkerColor = 0xC81E1E;

// The decimals a tick label needs so that neighbouring ticks differ.
int DecimalsFor(double step) {
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(scaled, 1.0)) return decimals;
    }
    return 6;
}

// The ticks of a scale that fall between `low` and `high`.
std::vector<double> Ticks(const AxisScale& scale, double low, double high) {
    std::vector<double> ticks;
    const double slack = scale.step * 1e-9;
    for (int i = 0;; ++i) {
        const double value = scale.min + i * scale.step;
        if (value > high + slack || i > 1000) break;
        if (value >= low - slack) ticks.push_back(value);
    }
    return ticks;
}

std::string FrequencyLabel(const BandPlotLayout& layout, double mhz) {
    return FormatFixed(mhz, DecimalsFor(layout.frequency.step));
}

int Scaled(double fraction, int from, int to) {
    return from + static_cast<int>(std::lround(fraction * (to - from)));
}

void Line(DrawingSurface& surface, int x1, int y1, int x2, int y2) {
    surface.MoveTo(x1, y1);
    surface.LineTo(x2, y2);
}

// A small square around a point.
void Marker(DrawingSurface& surface, int x, int y, int half) {
    surface.MoveTo(x - half, y - half);
    surface.LineTo(x + half, y - half);
    surface.LineTo(x + half, y + half);
    surface.LineTo(x - half, y + half);
    surface.LineTo(x - half, y - half);
}

}  // namespace

int BandPlotLayout::XOf(double mhz) const {
    return Scaled((mhz - firstMHz) / (lastMHz - firstMHz), area.left, area.right);
}

double BandPlotLayout::MhzAt(int x) const {
    return firstMHz + (lastMHz - firstMHz) * (x - area.left) / std::max(area.right - area.left, 1);
}

int BandPlotLayout::YOfAttenuation(double db) const {
    return Scaled((db - attenuation.min) / (attenuation.max - attenuation.min), area.bottom,
                  area.top);
}

int BandPlotLayout::YOfEfficiency(double percent) const {
    return Scaled((percent - efficiency.min) / (efficiency.max - efficiency.min), area.bottom,
                  area.top);
}

BandPlotLayout LayOutBandPlot(DrawingSurface& surface, const BandPlot& plot, PlotBox frame,
                              int fontHeight, const RightAxis* right) {
    BandPlotLayout layout;
    layout.frame = frame;
    layout.fontHeight = fontHeight;
    layout.firstMHz = plot.firstMHz;
    layout.lastMHz = plot.lastMHz > plot.firstMHz ? plot.lastMHz : plot.firstMHz + 1;
    layout.frequency = RoundAxis(layout.firstMHz, layout.lastMHz, 0, 1e12);
    layout.attenuation = AttenuationAxis(plot);
    layout.efficiency = right ? right->scale : EfficiencyAxis(plot);
    if (right) {
        layout.rightTitle = right->title;
        layout.rightDecimals = right->decimals;
    }

    surface.SetFont("Arial", fontHeight, false);
    int leftLabels = 0, rightLabels = 0;
    for (double db : Ticks(layout.attenuation, layout.attenuation.min, layout.attenuation.max))
        leftLabels = std::max(leftLabels, surface.TextWidth(FormatFixed(db, 2)));
    for (double percent : Ticks(layout.efficiency, layout.efficiency.min, layout.efficiency.max))
        rightLabels =
            std::max(rightLabels, surface.TextWidth(FormatFixed(percent, layout.rightDecimals)));
    const int line = fontHeight * 3 / 2, gap = std::max(fontHeight / 2, 2);
    // Half of the last frequency label may stand out beyond the area's edge.
    const int lastLabel = surface.TextWidth(FrequencyLabel(layout, layout.lastMHz)) / 2;
    layout.area.left = frame.left + leftLabels + 2 * gap;
    layout.area.right = frame.right - std::max(rightLabels + 2 * gap, lastLabel + gap);
    layout.area.top = frame.top + 2 * line + gap;        // the title, the axes' titles
    layout.area.bottom = frame.bottom - 3 * line - gap;  // tick labels, axis title, legend
    layout.area.right = std::max(layout.area.right, layout.area.left + 1);
    layout.area.bottom = std::max(layout.area.bottom, layout.area.top + 1);
    return layout;
}

void DrawBandPlot(DrawingSurface& surface, const BandPlot& plot, const BandPlotLayout& layout,
                  const std::string& title) {
    const PlotBox& frame = layout.frame;
    const PlotBox& area = layout.area;
    const int font = layout.fontHeight, line = font * 3 / 2, gap = std::max(font / 2, 2);
    const int thin = std::max(font / 12, 1), thick = std::max(font / 6, 2);

    surface.SetColor(kBlack);
    surface.SetFont("Arial", font * 5 / 4, true);
    surface.DrawText((frame.left + frame.right - surface.TextWidth(title)) / 2, frame.top, title);
    surface.SetFont("Arial", font, false);
    const int axisTitles = frame.top + line + gap / 2;
    surface.DrawText(frame.left, axisTitles, kAttenuationAxisTitle);
    surface.DrawText(frame.right - surface.TextWidth(layout.rightTitle), axisTitles,
                     layout.rightTitle);

    // The grid at the frequency and attenuation ticks, then the axes.
    surface.SetPenWidth(thin);
    surface.SetColor(kGrid);
    const std::vector<double> frequencies =
        Ticks(layout.frequency, layout.firstMHz, layout.lastMHz);
    for (double mhz : frequencies)
        Line(surface, layout.XOf(mhz), area.top, layout.XOf(mhz), area.bottom);
    const std::vector<double> dbs =
        Ticks(layout.attenuation, layout.attenuation.min, layout.attenuation.max);
    for (double db : dbs)
        Line(surface, area.left, layout.YOfAttenuation(db), area.right, layout.YOfAttenuation(db));
    surface.SetColor(kBlack);
    surface.MoveTo(area.left, area.top);
    surface.LineTo(area.left, area.bottom);
    surface.LineTo(area.right, area.bottom);
    surface.LineTo(area.right, area.top);

    const int tick = gap;
    for (double mhz : frequencies) {
        const int x = layout.XOf(mhz);
        Line(surface, x, area.bottom, x, area.bottom + tick);
        const std::string label = FrequencyLabel(layout, mhz);
        surface.DrawText(x - surface.TextWidth(label) / 2, area.bottom + tick, label);
    }
    surface.DrawText((area.left + area.right - surface.TextWidth(kFrequencyAxisTitle)) / 2,
                     area.bottom + tick + line, kFrequencyAxisTitle);
    for (double db : dbs) {
        const int y = layout.YOfAttenuation(db);
        Line(surface, area.left - tick, y, area.left, y);
        const std::string label = FormatFixed(db, 2);
        surface.DrawText(area.left - tick - surface.TextWidth(label) - thin, y - font / 2, label);
    }
    for (double percent : Ticks(layout.efficiency, layout.efficiency.min, layout.efficiency.max)) {
        const int y = layout.YOfEfficiency(percent);
        Line(surface, area.right, y, area.right + tick, y);
        surface.DrawText(area.right + tick + thin, y - font / 2,
                         FormatFixed(percent, layout.rightDecimals));
    }

    // The curves, then the marker on both.
    surface.SetPenWidth(thick);
    const auto curve = [&](unsigned color, auto y) {
        surface.SetColor(color);
        for (std::size_t i = 0; i < plot.points.size(); ++i) {
            const int x = layout.XOf(plot.points[i].mhz);
            if (i == 0)
                surface.MoveTo(x, y(plot.points[i]));
            else
                surface.LineTo(x, y(plot.points[i]));
        }
    };
    curve(kAttenuationColor,
          [&](const BandPoint& p) { return layout.YOfAttenuation(p.attenuation); });
    curve(kEfficiencyColor, [&](const BandPoint& p) { return layout.YOfEfficiency(p.efficiency); });
    surface.SetColor(kMarkerColor);
    const int x = layout.XOf(plot.marker.mhz), half = std::max(font / 3, 3);
    if (x >= area.left && x <= area.right) {
        Marker(surface, x, layout.YOfAttenuation(plot.marker.attenuation), half);
        Marker(surface, x, layout.YOfEfficiency(plot.marker.efficiency), half);
    }

    // The legend: a stroke of each colour before its name.
    struct Entry {
        unsigned color;
        std::string text;
    };
    const Entry entries[] = {
        {kAttenuationColor, kAttenuationAxisTitle},
        {kEfficiencyColor, layout.rightTitle},
        {kMarkerColor, "Mid frequency " + FloatToText(plot.marker.mhz) + " MHz"}};
    const int stroke = 2 * font;
    int width = 0;
    for (const Entry& entry : entries)
        width += stroke + gap + surface.TextWidth(entry.text) + 2 * font;
    int at = (frame.left + frame.right - width + 2 * font) / 2;
    const int legend = frame.bottom - line;
    for (const Entry& entry : entries) {
        surface.SetColor(entry.color);
        surface.SetPenWidth(thick);
        if (entry.color == kMarkerColor)
            Marker(surface, at + stroke / 2, legend + font / 2, half);
        else
            Line(surface, at, legend + font / 2, at + stroke, legend + font / 2);
        surface.SetColor(kBlack);
        surface.DrawText(at + stroke + gap, legend, entry.text);
        at += stroke + gap + surface.TextWidth(entry.text) + 2 * font;
    }
    surface.SetPenWidth(thin);
}

}  // namespace quill
