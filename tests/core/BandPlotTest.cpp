#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "RecordingSurface.h"
#include "output/BandPlotDrawing.h"
#include "results/ResultPages.h"
#include "rf/BandPlot.h"
#include "text/Error.h"

using namespace quill;

namespace {

TTransmissionLine Cable(const char* type, double k1, double k2, double low, double high) {
    TTransmissionLine cable;
    cable.cableType = type;
    cable.partNumber = "C1";
    cable.k1 = k1;
    cable.k2 = k2;
    cable.lowFrequency = low;
    cable.highFrequency = high;
    cable.powerConstant = 30;
    cable.maxPower = 40;
    return cable;
}

Selection Band(const char* begin, const char* end, const char* length, bool meters = false) {
    Selection selection;
    selection.beginText = begin;
    selection.endText = end;
    selection.lengthText = length;
    selection.meters = meters;
    return selection;
}

}  // namespace

TEST(BandPlot, TheMarkerShowsTheFiguresOfTheResultPage) {
    const TTransmissionLine foam = Cable("FOAM", 0.06, 0.0002, 1, 8800);
    for (const bool meters : {false, true}) {
        const Selection selection = Band("800", "2200", "10", meters);
        const BandPlot plot = ComputeBandPlot(selection, foam, false, 201);
        const auto figures = PerformanceFigures(selection, foam);
        EXPECT_EQ(FormatMoney(plot.marker.attenuation) + " dB", figures[0]);
        EXPECT_EQ(FormatMoney(plot.marker.efficiency) + "%", figures[4]);
        // With an odd count the middle point lies at the mid frequency itself.
        const BandPoint& middle = plot.points[100];
        EXPECT_DOUBLE_EQ(middle.mhz, 1500);
        EXPECT_DOUBLE_EQ(middle.attenuation, plot.marker.attenuation);
        EXPECT_DOUBLE_EQ(middle.efficiency, plot.marker.efficiency);
    }
}

TEST(BandPlot, PointsSpanTheChosenBandOrTheCablesWholeRange) {
    const TTransmissionLine foam = Cable("FOAM", 0.06, 0.0002, 1, 8800);
    Selection inGHz = Band("0.8", "2.2", "6");
    inGHz.ghz = true;
    const BandPlot band = ComputeBandPlot(inGHz, foam, false);
    ASSERT_EQ(band.points.size(), 200u);
    EXPECT_DOUBLE_EQ(band.points.front().mhz, 800);  // GHz are read as the pages read them
    EXPECT_DOUBLE_EQ(band.points.back().mhz, 2200);
    for (std::size_t i = 1; i < band.points.size(); ++i) {
        EXPECT_GT(band.points[i].mhz, band.points[i - 1].mhz);
        EXPECT_GT(band.points[i].attenuation, band.points[i - 1].attenuation);
        EXPECT_LT(band.points[i].efficiency, band.points[i - 1].efficiency);
    }
    const BandPlot whole = ComputeBandPlot(Band("800", "2200", "6"), foam, true);
    EXPECT_DOUBLE_EQ(whole.firstMHz, 1);
    EXPECT_DOUBLE_EQ(whole.lastMHz, 8800);
    EXPECT_DOUBLE_EQ(whole.marker.mhz, 1500);  // still the chosen band's middle
}

TEST(BandPlot, AWaveguideRisesTowardItsCutOffAndHasNoPointAtOrBelowIt) {
    const TTransmissionLine waveguide = Cable("EW", 1300, 1500, 1000, 2700);
    const BandPlot plot = ComputeBandPlot(Band("1700", "2100", "50"), waveguide, true);
    ASSERT_TRUE(plot.waveguide);
    ASSERT_FALSE(plot.points.empty());
    for (const BandPoint& point : plot.points) {
        EXPECT_GT(point.mhz, 1300);
        EXPECT_TRUE(std::isfinite(point.attenuation) && std::isfinite(point.efficiency));
    }
    EXPECT_GT(plot.points.front().attenuation, 3 * plot.marker.attenuation);
    EXPECT_NEAR(plot.marker.attenuation, 1.75786, 5e-6);
    // A band the result pages refuse is refused here too.
    EXPECT_THROW(ComputeBandPlot(Band("1000", "1200", "50"), waveguide, false), QuillError);
}

TEST(BandPlot, ThePointerFindsTheNearestPoint) {
    BandPlot plot;
    EXPECT_EQ(NearestPoint(plot, 5), nullptr);
    plot.points = {{100, 1, 99}, {200, 2, 98}, {300, 3, 97}};
    EXPECT_DOUBLE_EQ(NearestPoint(plot, 0)->mhz, 100);
    EXPECT_DOUBLE_EQ(NearestPoint(plot, 149)->mhz, 100);
    EXPECT_DOUBLE_EQ(NearestPoint(plot, 151)->mhz, 200);
    EXPECT_DOUBLE_EQ(NearestPoint(plot, 1e9)->mhz, 300);
}

// The readout rounds as the axes show; the axes run between round ticks, the
// attenuation from 0 and the efficiency within 0-100 %.
TEST(BandPlot, TheReadoutAndTheAxesAreRound) {
    EXPECT_EQ(PointReadout({1081.40703517588, 2.7849, 93.8499}),
              "1081.4 MHz:  2.78 dB/100 ft,  efficiency 93.8 %");
    const struct {
        double low, high, floor, ceiling;
        AxisScale scale;
    } cases[] = {
        {0, 2.78, 0, 1e9, {0, 3, 1}},        // attenuation of a band
        {0, 11.3, 0, 1e9, {0, 12.5, 2.5}},   // the whole range: 2.5-steps
        {92.1, 99.6, 0, 100, {92, 100, 2}},  // never above 100 %
        {30.2, 99.9, 0, 100, {20, 100, 20}}, {0.004, 0.018, 0, 1e9, {0, 0.02, 0.005}},
        {5, 5, 0, 100, {5, 6, 0.2}},  // a flat curve still has a span
    };
    for (const auto& c : cases) {
        const AxisScale scale = RoundAxis(c.low, c.high, c.floor, c.ceiling);
        EXPECT_NEAR(scale.min, c.scale.min, 1e-12) << c.low << ".." << c.high;
        EXPECT_NEAR(scale.max, c.scale.max, 1e-12) << c.low << ".." << c.high;
        EXPECT_NEAR(scale.step, c.scale.step, 1e-12) << c.low << ".." << c.high;
    }
}

// The drawing on any surface: the band's ends at the area's edges (the
// pointer maps back to the same frequency), every round tick labelled, each
// curve one stroke through all its points, and nothing outside the frame.
TEST(BandPlot, IsDrawnWithinItsFrameWithEveryTickAndBothCurves) {
    const TTransmissionLine foam = Cable("FOAM", 0.06, 0.0002, 1, 8800);
    const BandPlot plot = ComputeBandPlot(Band("800", "2200", "200"), foam, false, 50);
    fakes::RecordingSurface surface;
    const PlotBox frame{10, 5, 730, 395};
    const BandPlotLayout layout = LayOutBandPlot(surface, plot, frame, 12);
    EXPECT_EQ(layout.XOf(800), layout.area.left);
    EXPECT_EQ(layout.XOf(2200), layout.area.right);
    EXPECT_NEAR(layout.MhzAt(layout.XOf(1234)), 1234, 3);
    EXPECT_EQ(layout.YOfAttenuation(layout.attenuation.min), layout.area.bottom);
    EXPECT_EQ(layout.YOfEfficiency(layout.efficiency.max), layout.area.top);
    surface.calls.clear();
    DrawBandPlot(surface, plot, layout, "C1, 200 ft");

    std::string texts;
    int strokes = 0, longest = 0, run = 0;
    for (const std::string& call : surface.calls) {
        std::istringstream words(call);
        std::string verb;
        int x = 0, y = 0;
        words >> verb >> x >> y;
        if (verb == "text") texts += call.substr(call.find(' ', call.find(' ', 5) + 1) + 1) + ";";
        if (verb == "move" || verb == "line" || verb == "text") {
            EXPECT_GE(x, frame.left) << call;
            EXPECT_LE(x, frame.right) << call;
            EXPECT_GE(y, frame.top) << call;
            EXPECT_LE(y, frame.bottom) << call;
        }
        run = verb == "line" ? run + 1 : 0;
        longest = std::max(longest, run);
        strokes += verb == "move";
    }
    EXPECT_EQ(longest, 49);  // the curves: 50 points, 49 strokes each
    for (const char* text :
         {"C1, 200 ft", "Frequency (MHz)", "Attenuation (dB/100 ft)", "Efficiency (%)", "1000",
          "1500", "2000", "0.00", "Mid frequency 1500 MHz"})
        EXPECT_NE(texts.find(std::string(text) + ";"), std::string::npos)
            << text << " in " << texts;
    EXPECT_GT(strokes, 10);
}
