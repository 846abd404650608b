#include <gtest/gtest.h>

#include "results/ResultPages.h"
#include "results/StandardLengths.h"

using namespace quill;

namespace {

// Jumper, 10 feet, one connector at both ends at 30.00, attachment charge
// 20.00, cable 2.00 per foot.
struct Fixture {
    TTransmissionLine cable;
    TConnector top{"1|716DM|7-16 DIN Male||7-16 DIN Female||S|S|"};
    TConnector bottom{"1|716DM|7-16 DIN Male||7-16 DIN Female||S|S|"};
    TJumper assembly;
    Selection selection;
    Fixture() {
        cable.partNumber = "RVX4-50K";
        cable.cableType = "FOAM";
        cable.k1 = 0.06;
        cable.k2 = 0.0002;
        cable.powerConstant = 30;
        cable.maxPower = 40;
        cable.price = 2;
        cable.attachmentPrice = 20;
        cable.attachmentPartNumber = "AC-50";
        cable.description = "1/2 in. foam cable";
        top.SetPrice(30);
        bottom.SetPrice(30);
        assembly.cable = &cable;
        assembly.topConnector = &top;
        assembly.bottomConnector = &bottom;
        selection.lengthText = "10";
        selection.cableText = "RVX4-50K";
        selection.diameterText = "1/2 in.";
        selection.topLabel = selection.bottomLabel = "7-16 DIN Male";
    }
};

const CurrencyInForce kDollars{false, 1};

}  // namespace

TEST(FinalPage, AssembledPriceFromTheComponents) {
    Fixture f;
    f.bottom = TConnector("2|716DF|7-16 DIN Female||7-16 DIN Male||S|S|");
    f.bottom.SetPrice(35);
    EXPECT_EQ(FinalPriceText(f.selection, f.assembly, kDollars), " 125.00");
    f.selection.vellisk = true;
    EXPECT_EQ(FinalPriceText(f.selection, f.assembly, kDollars), " 115.00");
}

TEST(FinalPage, ListPriceHasNoLeadingBlankAndFollowsTheCurrency) {
    Fixture f;
    f.assembly.hasListPrice = true;
    f.assembly.price = 110;
    f.assembly.convertedPrices[CurrencyIndex("EUR")] = 100;
    EXPECT_EQ(FinalPriceText(f.selection, f.assembly, kDollars), "110.00");
    EXPECT_EQ(FinalPriceText(f.selection, f.assembly, CurrencyInForce{true, 17}), "100.00");
    f.assembly.partNumber = "RJ716-10";
    const FinalPage page = BuildFinalPage(f.selection, f.assembly, CurrencyInForce{true, 17});
    EXPECT_EQ(page.priceLabel, "Price (EUR):");
    EXPECT_EQ(page.itemLine.Format(), "1|Each|RJ716-10|" + page.values[1] + "|100.00|1|");
}

TEST(FinalPage, DescriptionSpellsOutBothConnectors) {
    Fixture f;
    EXPECT_EQ(FinalDescription(f.selection),
              "10 foot cable assembly, RVX4-50K, (1/2 in.)\rSPECIAL INSTRUCTIONS: \r"
              "Connector1 = Standard 7-16 DIN Male with (N/A) inner contact attachment.  \r"
              "Connector2 = Standard 7-16 DIN Male with (N/A) inner contact attachment");
    f.selection.meters = true;
    f.selection.diameterShown = false;
    f.selection.platedGrade = true;
    f.selection.topSpecial = "RIGHT ANGLE";
    f.selection.bottomInner = "Captivated";
    EXPECT_EQ(
        FinalDescription(f.selection),
        "10 meter cable assembly, RVX4-50K, \rSPECIAL INSTRUCTIONS: \r"
        "Connector1 = Plated RIGHT ANGLE 7-16 DIN Male with (N/A) inner contact attachment.  \r"
        "Connector2 = Plated 7-16 DIN Male with Captivated inner contact attachment");
}

TEST(FinalPage, FiguresUseMegahertzAndTheLengthUnit) {
    Fixture f;
    const FinalPage feet = BuildFinalPage(f.selection, f.assembly, kDollars);
    EXPECT_EQ(feet.values[3], "2.62 dB");
    EXPECT_EQ(feet.values[4], "8.61 dB");
    EXPECT_EQ(feet.values[5], "0.26 dB");
    EXPECT_EQ(feet.values[6], "0.38 dB");
    EXPECT_EQ(feet.values[7], "91.52%");
    EXPECT_EQ(feet.values[8], "40.00 kW");
    EXPECT_EQ(feet.values[9], "11.43 kW");
    f.selection.meters = true;
    f.selection.ghz = true;
    f.selection.beginText = "0.8";
    f.selection.endText = "2.2";
    const FinalPage meters = BuildFinalPage(f.selection, f.assembly, kDollars);
    EXPECT_EQ(meters.values[3], "2.62 dB");
    EXPECT_EQ(meters.values[5], "0.86 dB");
    EXPECT_EQ(meters.values[7], "79.74%");
}

TEST(PartsList, JumperWithTheSameConnectorAtBothEnds) {
    Fixture f;
    const PartsListPage page = BuildPartsList(f.selection, f.assembly, kDollars);
    ASSERT_EQ(page.rows.size(), 3u);
    const PartsRow& cable = page.rows[0];
    EXPECT_EQ(std::make_tuple(cable.qty, cable.uom, cable.price, cable.extended, cable.type),
              std::make_tuple("10", "Feet", " 2.00", " 20.00", "3"));
    const PartsRow& connector = page.rows[1];
    EXPECT_EQ(std::make_tuple(connector.qty, connector.uom, connector.price, connector.extended,
                              connector.type),
              std::make_tuple("2", "Each", " 30.00", " 60.00", "4"));
    const PartsRow& charge = page.rows[2];
    EXPECT_EQ(std::make_tuple(charge.qty, charge.partNumber, charge.description, charge.price,
                              charge.extended, charge.type),
              std::make_tuple("2", "AC-50", "Factory attachment charge for RVX4-50K connectors",
                              " 20.00", " 40.00", "7"));
    EXPECT_EQ(page.total, " 120.00");
    EXPECT_EQ(page.totalLabel, "Total (USD):");
    EXPECT_EQ(page.priceHeading, "Price (USD)");
    StringList lines;
    for (const ItemLine& line : page.itemLines) lines.push_back(line.Format());
    EXPECT_EQ(
        lines,
        (StringList{"10|Feet|RVX4-50K|1/2 in. foam cable| 2.00|3|", "2|Each|716DM|| 30.00|4|",
                    "2|Each|AC-50|Factory attachment charge for RVX4-50K connectors| 20.00|7|"}));
    EXPECT_EQ(page.figures[0], "2.62 dB");
    EXPECT_EQ(page.figures[1], "8.61 dB");
}

// One money rule: a unit price is rounded to cents as shown, the extended
// price is the shown price times the quantity exactly, to cents half away from
// zero, and the total is the sum of the shown extended prices; an assembled
// final price is the parts list's total.
TEST(PartsList, ExtendedPricesAreTheShownPriceTimesTheQuantity) {
    struct Case {
        const char* length;
        double cablePrice, connectorPrice, charge;
        const char* cableExtended;
        const char* connectorExtended;
        const char* total;
    };
    const Case cases[] = {
        // 3 x 3.22 (3.2249 shown as 3.22) is 9.66, not 9.67 from the unrounded
        // price; 2 x 9.38 (9.375 shown) is 18.76, not 18.75.
        {"3", 3.2249, 9.375, 0, " 9.66", " 18.76", " 28.42"},
        {"7.5", 2.05, 30, 0, " 15.38", " 60.00", " 75.38"},
        {"200", 2.4149, 30, 0.1251, " 482.00", " 60.00", " 542.26"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        Fixture f;
        f.selection.lengthText = c.length;
        f.cable.price = c.cablePrice;
        f.cable.attachmentPrice = c.charge;
        f.top.SetPrice(c.connectorPrice);
        f.bottom.SetPrice(c.connectorPrice);
        const PartsListPage page = BuildPartsList(f.selection, f.assembly, kDollars);
        EXPECT_EQ(page.rows[0].extended, c.cableExtended);
        EXPECT_EQ(page.rows[1].extended, c.connectorExtended);
        EXPECT_EQ(page.total, c.total);
        EXPECT_EQ(FinalPriceText(f.selection, f.assembly, kDollars), c.total);
    }
}

TEST(PartsList, VelliskChargeIsThreeQuarters) {
    Fixture f;
    f.selection.vellisk = true;
    const PartsListPage page = BuildPartsList(f.selection, f.assembly, kDollars);
    EXPECT_EQ(page.rows[2].price, " 15.00");
    EXPECT_EQ(page.rows[2].extended, " 30.00");
    EXPECT_EQ(page.total, " 110.00");
}

TEST(PartsList, FeederEnds) {
    Fixture f;
    f.selection.feeder = true;
    f.selection.feederIndex = 2;
    f.selection.topIncluded = false;
    PartsListPage page = BuildPartsList(f.selection, f.assembly, kDollars);
    ASSERT_EQ(page.rows.size(), 3u);
    EXPECT_EQ(page.rows[1].qty, "1");
    EXPECT_EQ(page.rows[2].qty, "1");
    EXPECT_EQ(page.total, " 70.00");
    EXPECT_EQ(page.explanation,
              "Below is a list of the part numbers that correspond to your specifications:");

    f.selection.feederIndex = 3;
    f.selection.bottomIncluded = false;
    page = BuildPartsList(f.selection, f.assembly, kDollars);
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(page.total, " 20.00");
}

TEST(PartsList, DifferentConnectorsKeepTheirOwnRows) {
    Fixture f;
    f.bottom = TConnector("2|NM|N Male||N Female||S|S|");
    f.bottom.SetPrice(35);
    const PartsListPage page = BuildPartsList(f.selection, f.assembly, kDollars);
    ASSERT_EQ(page.rows.size(), 4u);
    EXPECT_EQ(page.rows[2].partNumber, "NM");
    EXPECT_EQ(page.total, " 125.00");
}

TEST(PartsList, WaveguideTypeCodesAndMeters) {
    Fixture f;
    f.cable.cableType = "EW";
    f.cable.k1 = 1300;
    f.cable.k2 = 1500;
    f.selection.cableTypeIndex = 2;
    f.selection.beginText = "1700";
    f.selection.endText = "2100";
    f.selection.meters = true;
    f.cable.price = 2 * 3.2808;  // as looked up for meters
    const PartsListPage page = BuildPartsList(f.selection, f.assembly, kDollars);
    EXPECT_EQ(page.rows[0].type, "5");
    EXPECT_EQ(page.rows[0].uom, "Meters");
    EXPECT_EQ(page.rows[0].price, " 6.56");
    EXPECT_EQ(page.rows[1].type, "6");
}

TEST(PartsList, ForeignCurrencyLabelsAndPrices) {
    Fixture f;
    f.cable.convertedPrices[CurrencyIndex("EUR")] = 1;
    f.cable.attachmentConvertedPrices[CurrencyIndex("EUR")] = 10;
    ConvertedPrices connectorInEuros;
    connectorInEuros[CurrencyIndex("EUR")] = 15;
    f.top.SetPrice(f.top.Description(), f.top.Price(), connectorInEuros);
    f.bottom.SetPrice(f.bottom.Description(), f.bottom.Price(), connectorInEuros);
    const PartsListPage page = BuildPartsList(f.selection, f.assembly, CurrencyInForce{true, 17});
    EXPECT_EQ(page.priceHeading, "Price (EUR)");
    EXPECT_EQ(page.total, " 60.00");
}

TEST(StandardLengthList, FeetThenMeters) {
    EXPECT_EQ(BuildStandardLengthList("3,6", "2,1.5"),
              (StringList{"3|3|0.91|", "6|6|1.83|", "2M|6.56|2|", "1M5|4.92|1.5|"}));
    // A length that is no number is left out and named; the rest stay.
    StringList rejected;
    EXPECT_EQ(BuildStandardLengthList("3,six,10,15", "1,x,2", &rejected),
              (StringList{"3|3|0.91|", "10|10|3.05|", "15|15|4.57|", "1M|3.28|1|", "2M|6.56|2|"}));
    EXPECT_EQ(rejected, (StringList{"six", "x"}));
    rejected.clear();
    EXPECT_EQ(BuildStandardLengthList("0,-3,4", "", &rejected), StringList{"4|4|1.22|"});
    EXPECT_EQ(rejected, (StringList{"0", "-3"}));
    // Found by fuzzing: a length that shows as 0.00 in the other unit is none.
    rejected.clear();
    EXPECT_EQ(BuildStandardLengthList(".0012,0.02", "0.001", &rejected),
              StringList{"0.02|0.02|0.01|"});
    EXPECT_EQ(rejected, (StringList{".0012", "0.001"}));
    EXPECT_TRUE(BuildStandardLengthList("", "").empty());
}

TEST(StandardLengthList, TypedLengthMatchesAsText) {
    const StringList lines = BuildStandardLengthList("3,6,10", "2,3");
    EXPECT_TRUE(MatchStandardLength(lines, "10", false));
    EXPECT_FALSE(MatchStandardLength(lines, "10.0", false));
    EXPECT_TRUE(MatchStandardLength(lines, "3", true));
    EXPECT_TRUE(MatchStandardLength(lines, "1.83", true));
    EXPECT_FALSE(MatchStandardLength(lines, "7", false));
    EXPECT_EQ(ComposePartNumber("RJ-", "3", true), "RJ-3M");
    EXPECT_EQ(ComposePartNumber("RJ-", "1.5", true), "RJ-1M5");
    EXPECT_EQ(ComposePartNumber("RJ-", "0.5", true), "RJ-M5");
    EXPECT_EQ(ComposePartNumber("RJ-", "10", false), "RJ-10");
}

TEST(StandardLengthList, NearestWithinFourFeetOnly) {
    const StringList lines = BuildStandardLengthList("3,6,10", "");
    NearestLengths near = FindNearestStandardLengths(lines, 7, false);
    EXPECT_EQ(near.shorter, 1);
    EXPECT_EQ(near.longer, 2);
    EXPECT_FALSE(FindNearestStandardLengths(lines, 20, false).Any());
    near = FindNearestStandardLengths(BuildStandardLengthList("6,12", ""), 10, false);
    EXPECT_EQ(near.shorter, -1);  // exactly 4 feet shorter
    EXPECT_EQ(near.longer, 1);
    near = FindNearestStandardLengths(BuildStandardLengthList("", "2.5,4"), 3, true);
    EXPECT_EQ(near.shorter, 0);
    EXPECT_EQ(near.longer, 1);
}
