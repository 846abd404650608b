#include <gtest/gtest.h>

#include "pricing/PriceList.h"

using namespace quill;

namespace {

TTransmissionLine Cable(const char* partNumber, const char* attachment = "") {
    TTransmissionLine cable;
    cable.partNumber = partNumber;
    cable.attachmentPartNumber = attachment;
    return cable;
}

}  // namespace

TEST(PriceList, FirstPriceLineWinsAndCommentsAreSkipped) {
    const PriceList prices({"#|x|RVX4-50K|y|z|9|", " |x|RVX4-50K|y|z|8|", "",
                            "C|x|RVX4-50K|y|Foam cable|2.5|", "C|x|RVX4-50K|y|Second|3|",
                            "C|x|rvx4-50k|y|lower|4|"});
    TTransmissionLine cable = Cable("RVX4-50K");
    LookUpCablePrices(prices, nullptr, false, cable);
    EXPECT_EQ(cable.description, "Foam cable");
    EXPECT_DOUBLE_EQ(cable.price, 2.5);
    LookUpCablePrices(prices, nullptr, true, cable);
    EXPECT_DOUBLE_EQ(cable.price, 2.5 * 3.2808);
    EXPECT_EQ(FormatMoney(cable.price), "8.20");
}

TEST(PriceList, EveryCommentOpenerHidesTheLine) {
    for (char opener : std::string(" #;[^`{~")) {
        const PriceList prices({std::string(1, opener) + "|x|PN|y|z|9|"});
        EXPECT_EQ(prices.Find("PN"), nullptr) << opener;
    }
}

TEST(PriceList, BadOrMissingPriceFieldsGiveZero) {
    const PriceList prices({"C|x|A|y|a|abc|", "C|x|B|y|b||", "C|x|C|y|c"});
    for (const char* pn : {"A", "B", "C"}) {
        TConnector connector(std::string("1|") + pn + "||||||");
        connector.SetPrice(99);
        LookUpConnectorPrice(prices, nullptr, connector);
        EXPECT_EQ(connector.Price(), 0) << pn;
    }
}

TEST(PriceList, UnknownPartKeepsItsRecordButAJumperIsCleared) {
    const PriceList prices({"C|x|KNOWN|y|Known jumper|50|"});
    TConnector connector("1|MISSING||||||");
    connector.SetPrice("kept", 12, {});
    LookUpConnectorPrice(prices, nullptr, connector);
    EXPECT_EQ(connector.Description(), "kept");
    EXPECT_EQ(connector.Price(), 12);

    TJumper jumper;
    jumper.partNumber = "KNOWN";
    EXPECT_TRUE(LookUpJumperPrice(prices, nullptr, jumper));
    EXPECT_EQ(jumper.price, 50);
    jumper.partNumber = "MISSING";
    EXPECT_FALSE(LookUpJumperPrice(prices, nullptr, jumper));
    EXPECT_EQ(jumper.price, 0);
    EXPECT_EQ(jumper.description, "");
}

TEST(PriceList, AttachmentChargeIsNeverPerMeter) {
    const PriceList prices({"C|x|AC|y|charge|20|", "C|x|CAB|y|cable|2|"});
    TTransmissionLine cable = Cable("CAB", "AC");
    LookUpCablePrices(prices, nullptr, true, cable);
    EXPECT_DOUBLE_EQ(cable.attachmentPrice, 20);
    TTransmissionLine noCharge = Cable("CAB");
    noCharge.attachmentPrice = 7;
    LookUpCablePrices(prices, nullptr, false, noCharge);
    EXPECT_EQ(noCharge.attachmentPrice, 0);
    TTransmissionLine same = Cable("AC", "AC");
    LookUpCablePrices(prices, nullptr, false, same);
    EXPECT_EQ(same.price, 20);
    EXPECT_EQ(same.attachmentPrice, 20);
}

TEST(PriceList, ConvertedPricesOnlyWithRates) {
    const PriceList prices({"C|x|PN|y|part|110|"});
    const ExchangeRates rates({"EUR|1.1|", "GBP|1.5|"});
    TConnector connector("1|PN||||||");
    LookUpConnectorPrice(prices, nullptr, connector);
    EXPECT_EQ(connector.Converted()[CurrencyIndex("EUR")], 0);
    LookUpConnectorPrice(prices, &rates, connector);
    EXPECT_EQ(FormatMoney(connector.Converted()[CurrencyIndex("EUR")]), "100.00");
    EXPECT_EQ(FormatMoney(connector.Converted()[CurrencyIndex("JPY")]), "110.00");
}

TEST(PriceNotice, ListsMissingPartsAndPricesThatAreNoNumber) {
    const PriceList prices({"C|x|A|y|a|12.50|", "C|x|B|y|b|abc|", "C|x|C|y|c||"});
    EXPECT_EQ(PriceNotice(prices, {"A", ""}), "");
    EXPECT_EQ(PriceNotice(prices, {"A", "B", "Z", "C", "Z", "B"}),
              "Not in the price list: Z. No price that is a number in the price list for: "
              "B ('abc'), C (''). Shown as 0.00; please ask Orlenk for a quotation.");
}
