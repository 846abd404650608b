#include <gtest/gtest.h>

#include "session/Datasheet.h"
#include "session/ProgramData.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

const fs::path kSample = fs::path(QUILLROUTE_SAMPLE_DATA);

Selection Jumper(const std::string& length) {
    Selection s;
    s.lengthText = length;
    s.cableText = "RVX4-50K";
    s.vellisk = s.platedGrade = true;
    s.topConnector = s.bottomConnector = "7-16 DIN Male";
    return s;
}

Selection FeederWithoutTop() {
    Selection s = Jumper("200");
    s.feeder = true;
    s.feederIndex = 2;
    s.topIncluded = false;
    s.vellisk = false;
    s.bottomInner = "Captivated";
    return s;
}

}  // namespace

// The datasheet says what the result page says, in the units and currency in
// force: the part number (or the parts of an assembly to order), both ends
// (a missing one named), the length in both units, the figures exactly as the
// page shows them, the band's edges, and the price only when asked for.
TEST(Datasheet, TellsWhatTheResultPageShows) {
    ProgramData data =
        LoadProgramData(kSample / "program", kSample / "shared",
                        [](const std::function<void()>& step) { return step(), true; });
    struct Row {
        const char* name;
        Selection selection;
        const char* currency;
        bool prices;
        const char* partNumber;
        const char* price;  // "(none)" without prices
        const char* top;    // the top end's connector
        const char* feet;
        const char* meters;
    };
    const Row rows[] = {
        {"listed jumper", Jumper("10"), "USD", true, "J4V-DMDM-10", "156.73", "7-16 DIN Male",
         "10.00 ft", "3.05 m"},
        {"assembled jumper, no prices", Jumper("20"), "USD", false, "J4V-DMDM-20", "",
         "7-16 DIN Male", "20.00 ft", "6.10 m"},
        {"feeder with one end, in euros", FeederWithoutTop(), "EUR", true, "Assembly to order", "",
         "None", "200.00 ft", "60.96 m"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QuoteSession session(data);
        session.SetCurrency(session.ChoosableCurrency(row.currency));
        ASSERT_TRUE(session.Resolve(row.selection).resolved);
        const QuoteResult& shown = *session.Result();
        const Datasheet sheet =
            MakeDatasheet(session, shown, {row.prices, "12/09/2026", "12/01/2026", {}});
        EXPECT_EQ(sheet.partNumber, row.partNumber);
        EXPECT_EQ(ValueOfLabel(sheet.ends[0].values, "Connector:"), row.top);
        EXPECT_EQ(ValueOfLabel(sheet.ends[1].values, "Connector:"), "7-16 DIN Male");
        EXPECT_EQ(sheet.ends[0].connectorPicture.empty(), !row.selection.topIncluded);
        EXPECT_EQ(sheet.lengthFeet, row.feet);
        EXPECT_EQ(sheet.lengthMeters, row.meters);
        EXPECT_EQ(sheet.band, "800 - 2200 MHz");
        ASSERT_EQ(sheet.figures.size(), 7u);
        ASSERT_EQ(sheet.edges.size(), 4u);
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_EQ(sheet.figures[i].second, shown.page == ResultKind::Final
                                                   ? shown.final.values[i + 3]
                                                   : shown.partsList.figures[i]);
        EXPECT_EQ(sheet.edges[0].first, "Attenuation at 800 MHz (dB/100 ft):");
        EXPECT_LT(std::stod(sheet.edges[0].second), std::stod(sheet.edges[2].second));
        EXPECT_EQ(sheet.description.find('\r'), std::string::npos);
        if (shown.page == ResultKind::Final) {
            EXPECT_EQ(sheet.price, row.price);
        }
        EXPECT_EQ(sheet.price.empty(), !row.prices);
        EXPECT_EQ(sheet.priceLabel, row.prices ? "Price (" + session.Currency().Code() + "):" : "");
        EXPECT_EQ(sheet.components.empty(), shown.page == ResultKind::Final);
        EXPECT_EQ(sheet.date, "12/09/2026");
    }
}
