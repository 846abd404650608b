#include "output/DatasheetPage.h"

#include <algorithm>
#include <cmath>

#include "output/BandPlotDrawing.h"

namespace quill {

namespace {

constexpr int kPageWidth = 850, kMargin = 50, kRight = kPageWidth - kMargin;
constexpr const char* kMaker = "Orlenk Corporation";

// Logical units (a page 850 wide) to the surface's device units.
class Page {
  public:
    Page(DrawingSurface& surface, int pageWidth)
        : surface_(surface), scale_(pageWidth / static_cast<double>(kPageWidth)) {}

    int D(int logical) const { return static_cast<int>(std::lround(logical * scale_)); }
    int L(int device) const { return static_cast<int>(std::lround(device / scale_)); }
    DrawingSurface& S() { return surface_; }

    void Font(int height, bool bold) { surface_.SetFont("Arial", D(height), bold); }
    void Text(int x, int y, const std::string& text) { surface_.DrawText(D(x), D(y), text); }
    void RightText(int right, int y, const std::string& text) {
        surface_.DrawText(D(right) - surface_.TextWidth(text), D(y), text);
    }
    // Wrapped within left..right from y; answers the height taken.
    int Wrapped(int left, int right, int y, const std::string& text) {
        const int height = surface_.WrappedTextHeight(D(right - left), text);
        surface_.DrawTextInBox(D(left), D(y), D(right), D(y) + height, text, false);
        return L(height);
    }
    void Line(int x1, int y1, int x2, int y2) {
        surface_.MoveTo(D(x1), D(y1));
        surface_.LineTo(D(x2), D(y2));
    }

  private:
    DrawingSurface& surface_;
    double scale_;
};

constexpr int kRow = 16;

// A heading and its rows, labels at `left` and values from `valueAt` to
// `right`; answers the next free line.
int Table(Page& page, int left, int valueAt, int right, int y, const std::string& heading,
          const LabelledValues& rows) {
    page.Font(11, true);
    page.Text(left, y, heading);
    y += kRow + 2;
    for (const auto& [label, value] : rows) {
        page.Font(9, false);
        page.Text(left, y, label);
        page.Font(9, true);
        y += std::max(kRow, page.Wrapped(valueAt, right, y, value));
    }
    return y + 6;
}

// The assembly between its two ends: pictures in boxes, the cable between
// them with its length above and its size below. Answers the height.
int DrawAssembly(Page& page, int top, const Datasheet& sheet, const std::filesystem::path& images) {
    const int box = 110, height = 90, middle = top + 20 + height / 2;
    const int leftBox = kMargin, rightBox = kRight - box;
    for (int end = 0; end < 2; ++end) {
        const int left = end == 0 ? leftBox : rightBox;
        const Datasheet::End& shown = sheet.ends[static_cast<std::size_t>(end)];
        page.Font(9, true);
        page.Text(left, top, shown.title);
        if (shown.connectorPicture.empty()) {
            page.Font(9, false);
            page.Text(left + 10, middle - 6, "No connector");
        } else {
            page.S().DrawPicture(page.D(left), page.D(top + 20), page.D(left + box),
                                 page.D(top + 20 + height), images / shown.connectorPicture);
        }
        page.Font(9, false);
        page.Wrapped(left, left + box, top + 25 + height, shown.values.front().second);
    }
    // The cable: two lines and the ends' edges, not to scale.
    const int from = leftBox + box + 10, to = rightBox - 10, half = 7;
    page.S().SetPenWidth(page.D(2));
    page.Line(from, middle - half, to, middle - half);
    page.Line(from, middle + half, to, middle + half);
    page.Line(from, middle - half, from, middle + half);
    page.Line(to, middle - half, to, middle + half);
    page.S().SetPenWidth(page.D(1));
    const std::string length = sheet.lengthFeet + " (" + sheet.lengthMeters + ")";
    std::string size = ValueOfLabel(sheet.cable, "Size:");
    if (const std::string diameter = ValueOfLabel(sheet.cable, "Diameter:"); !diameter.empty())
        size += ", " + diameter;
    page.Font(11, true);
    const int centre = (from + to) / 2;
    page.Text(centre - page.L(page.S().TextWidth(length)) / 2, middle - half - 20, length);
    page.Font(10, false);
    page.Text(centre - page.L(page.S().TextWidth(size)) / 2, middle + half + 6, size);
    page.Font(8, false);
    page.RightText(to, middle + half + 24, "Not to scale");
    return 20 + height + 45;
}

}  // namespace

std::string ValueOfLabel(const LabelledValues& values, const std::string& label) {
    for (const auto& [name, value] : values)
        if (name == label) return value;
    return {};
}

void DrawDatasheet(DrawingSurface& surface, int pageWidth, int pageHeight, const Datasheet& sheet,
                   const std::filesystem::path& images) {
    Page page(surface, pageWidth);
    const int bottom = page.L(pageHeight) - kMargin;
    surface.SetColor(0x000000);
    surface.SetPenWidth(page.D(1));

    // The maker, the title and the date.
    page.Font(20, true);
    page.Text(kMargin, kMargin, kMaker);
    page.Font(14, true);
    page.RightText(kRight, kMargin, kDatasheetTitle);
    page.Font(9, false);
    page.RightText(kRight, kMargin + 22, "Date: " + sheet.date);
    int y = kMargin + 40;
    page.Line(kMargin, y, kRight, y);
    y += 10;

    // What it is.
    page.Font(16, true);
    page.Text(kMargin, y, sheet.partNumber);
    y += 24;
    page.Font(10, false);
    if (!sheet.components.empty()) {
        std::string parts = "Parts:";
        for (const std::string& part : sheet.components) parts += " " + part;
        y += page.Wrapped(kMargin, kRight, y, parts) + 4;
    }
    y += page.Wrapped(kMargin, kRight, y, sheet.description) + 6;
    if (!sheet.details.Empty()) {
        std::string customer;
        for (std::size_t i = 0; i < OrderDetails::kCount; ++i)
            if (!sheet.details.values[i].empty())
                customer += std::string(customer.empty() ? "" : "   ") +
                            std::string(OrderDetails::kKeys[i]) + ": " + sheet.details.values[i];
        page.Font(9, false);
        y += page.Wrapped(kMargin, kRight, y, customer) + 6;
    }
    y += 8;

    y += DrawAssembly(page, y, sheet, images);

    // How it is built, and how it performs.
    const int middle = kPageWidth / 2;
    int left = Table(page, kMargin, kMargin + 110, middle - 15, y, "Cable", sheet.cable);
    for (const Datasheet::End& end : sheet.ends)
        left = Table(page, kMargin, kMargin + 110, middle - 15, left, end.title, end.values);
    LabelledValues performance = {{"Band:", sheet.band}};
    performance.insert(performance.end(), sheet.figures.begin(), sheet.figures.end());
    performance.insert(performance.end(), sheet.edges.begin(), sheet.edges.end());
    int right = Table(page, middle + 5, middle + 230, kRight, y,
                      "Performance (figures at the band's middle)", performance);
    if (!sheet.price.empty()) {
        LabelledValues price = {{sheet.priceLabel, sheet.price}};
        if (!sheet.pricingDate.empty()) price.push_back({"Pricing date:", sheet.pricingDate});
        right = Table(page, middle + 5, middle + 230, kRight, right, "Price", price);
    }
    y = std::max(left, right) + 6;

    // The curves over the band, down to the footer.
    const int footer = bottom - 14;
    if (!sheet.curves.points.empty() && footer - y > 200) {
        double highest = 0;
        for (const BandPoint& point : sheet.curves.points)
            highest = std::max(highest, point.efficiency);
        const RightAxis loss{"Insertion Loss (dB)", RoundAxis(0, highest, 0, 1e12), 2};
        const PlotBox frame{page.D(kMargin), page.D(y), page.D(kRight), page.D(footer - 10)};
        const BandPlotLayout layout =
            LayOutBandPlot(surface, sheet.curves, frame, page.D(9), &loss);
        DrawBandPlot(surface, sheet.curves, layout, "Attenuation and Insertion Loss over the Band");
    }
    surface.SetColor(0x000000);
    page.Line(kMargin, footer, kRight, footer);
    page.Font(8, false);
    page.Text(kMargin, footer + 3, kMaker);
    page.RightText(kRight, footer + 3, "Quillroute(TM) " + std::string(kDatasheetTitle));
}

}  // namespace quill
