#include "results/ResultPages.h"

#include "orders/Decimal.h"
#include "rf/Rf.h"

namespace quill {

namespace {

std::string Decibels(double value) { return FormatMoney(value) + " dB"; }
std::string Kilowatts(double value) { return FormatMoney(value) + " kW"; }
std::string BlankMoney(double value) { return " " + FormatMoney(value); }

std::string SpecialPart(const std::string& special) {
    return special == "(none)" ? std::string() : special + " ";
}

}  // namespace

std::array<std::string, 7> PerformanceFigures(const Selection& s, const TTransmissionLine& cable) {
    const double f1 = s.BeginMHz(), f2 = s.EndMHz(), length = s.Length();
    const bool feet = !s.meters;
    const double attenuation = Attenuation(cable, f1, f2);
    return {Decibels(attenuation),
            Decibels(attenuation * kFeetPerMeter),
            Decibels(CableLoss(cable, feet, length, f1, f2)),
            Decibels(InsertionLoss(cable, feet, length, f1, f2)),
            FormatMoney(Efficiency(cable, feet, length, f1, f2)) + "%",
            Kilowatts(cable.maxPower),
            Kilowatts(AveragePower(cable, f1, f2))};
}

CablePrice CablePriceInCurrency(const TTransmissionLine& cable, const CurrencyInForce& currency,
                                bool vellisk) {
    CablePrice price{currency.Pick(cable.price, cable.convertedPrices),
                     currency.Pick(cable.attachmentPrice, cable.attachmentConvertedPrices)};
    if (vellisk) price.attachment *= 0.75;
    return price;
}

double ConnectorPriceInCurrency(const TConnector& connector, const CurrencyInForce& currency) {
    return currency.Pick(connector.Price(), connector.Converted());
}

std::string JumperPriceText(const TJumper& jumper, const CurrencyInForce& currency) {
    return FormatMoney(currency.Pick(jumper.price, jumper.convertedPrices));
}

std::string FinalDescription(const Selection& s) {
    std::string text =
        s.lengthText + (s.meters ? " meter cable assembly, " : " foot cable assembly, ");
    text += s.cableText + ", ";
    if (s.diameterShown) text += "(" + s.diameterText + ")";
    const std::string grade = s.platedGrade ? "Plated" : "Standard";
    text += "\rSPECIAL INSTRUCTIONS: \r";
    text += "Connector1 = " + grade + " " + SpecialPart(s.topSpecial) + s.topLabel + " with " +
            s.topInner + " inner contact attachment.  ";
    text += "\r";
    text += "Connector2 = " + grade + " " + SpecialPart(s.bottomSpecial) + s.bottomLabel +
            " with " + s.bottomInner + " inner contact attachment";
    return text;
}

namespace {

// The rows of the parts list with their quantities and shown prices; the
// extended prices follow from these.
std::vector<PartsRow> PartsRows(const Selection& s, const TJumper& assembly,
                                const CurrencyInForce& currency) {
    const TTransmissionLine& cable = *assembly.cable;
    const CablePrice cablePrice = CablePriceInCurrency(cable, currency, s.vellisk);
    static const char* const kCableTypes[] = {"2", "3", "5"};
    std::vector<PartsRow> rows;
    rows.push_back(
        {s.lengthText, s.meters ? "Meters" : "Feet", cable.partNumber, cable.description,
         BlankMoney(cablePrice.unit), "",
         s.cableTypeIndex >= 0 && s.cableTypeIndex <= 2 ? kCableTypes[s.cableTypeIndex] : ""});

    const std::string connectorType = s.cableTypeIndex == 2 ? "6" : "4";
    const auto connectorRow = [&](const TConnector& c) {
        return PartsRow{"1",
                        "Each",
                        std::string(c.PartNumber()),
                        c.Description(),
                        BlankMoney(ConnectorPriceInCurrency(c, currency)),
                        "",
                        connectorType};
    };
    const TConnector* top = s.topIncluded ? assembly.topConnector : nullptr;
    const TConnector* bottom = s.bottomIncluded ? assembly.bottomConnector : nullptr;
    if (top) rows.push_back(connectorRow(*top));
    if (bottom) {
        if (top && bottom->PartNumber() == top->PartNumber())
            rows[1].qty = "2";
        else
            rows.push_back(connectorRow(*bottom));
    }
    if (!s.feeder || (s.feederIndex >= 0 && s.feederIndex < 3)) {
        rows.push_back({!s.feeder || s.feederIndex == 0 ? "2" : "1", "Each",
                        cable.attachmentPartNumber,
                        "Factory attachment charge for " + cable.partNumber + " connectors",
                        BlankMoney(cablePrice.attachment), "", "7"});
    }
    return rows;
}

// One money rule, as the order has it: the extended price is the shown unit
// price times the quantity, exactly, rounded to cents half away from zero;
// the total is the sum of the shown extended prices. Fills each row's
// extended price and answers the total.
Decimal PriceRows(std::vector<PartsRow>& rows) {
    Decimal total;
    for (PartsRow& row : rows) {
        Decimal quantity, price, product, sum;
        if (ParseDecimal(row.qty, quantity) && ParseDecimal(row.price, price) &&
            MultiplyDecimals(quantity, price, product)) {
            const Decimal extended = RoundToCents(product);
            row.extended = " " + DecimalMoneyText(extended);
            if (AddDecimals(total, extended, sum)) total = sum;
        } else {
            // A length no decimal can hold: as binary arithmetic has it.
            const double extended = StrToFloat(row.qty) * StrToFloat(row.price);
            row.extended = BlankMoney(extended);
            Decimal value;
            if (DecimalFromLongDouble(extended, value) && AddDecimals(total, value, sum))
                total = sum;
        }
    }
    return total;
}

}  // namespace

std::string FinalPriceText(const Selection& s, const TJumper& assembly,
                           const CurrencyInForce& currency) {
    if (assembly.hasListPrice) return JumperPriceText(assembly, currency);
    // Assembled from its parts: the total the parts list shows for them.
    std::vector<PartsRow> rows = PartsRows(s, assembly, currency);
    return " " + DecimalMoneyText(PriceRows(rows));
}

ItemLine FinalItemLine(const std::string& partNumber, const std::string& description,
                       const std::string& price) {
    return ItemLine{"1", "Each", partNumber, description, price, ItemKind::StandardPart};
}

FinalPage BuildFinalPage(const Selection& s, const TJumper& assembly,
                         const CurrencyInForce& currency) {
    FinalPage page;
    page.values[0] = assembly.partNumber;
    page.values[1] = FinalDescription(s);
    page.values[2] = FinalPriceText(s, assembly, currency);
    page.priceLabel = "Price " + currency.Label() + ":";
    const auto figures = PerformanceFigures(s, *assembly.cable);
    std::copy(figures.begin(), figures.end(), page.values.begin() + 3);
    page.itemLine = FinalItemLine(page.values[0], page.values[1], page.values[2]);
    return page;
}

PartsListPage BuildPartsList(const Selection& s, const TJumper& assembly,
                             const CurrencyInForce& currency) {
    PartsListPage page;
    if (s.feeder)
        page.explanation =
            "Below is a list of the part numbers that correspond to your specifications:";
    else
        page.explanation =
            "There is no standard part number that matches your selections.\r\rBelow is a list of "
            "the individual components that will make up your cable assembly,\ralong with the "
            "charges to have the connectors attached to the cable (if applicable).";
    page.currencyLabel = currency.Label();
    page.priceHeading = "Price " + currency.Label();
    page.rows = PartsRows(s, assembly, currency);
    page.totalLabel = "Total " + currency.Label() + ":";
    page.total = " " + DecimalMoneyText(PriceRows(page.rows));
    page.figures = PerformanceFigures(s, *assembly.cable);
    for (const PartsRow& row : page.rows)
        page.itemLines.push_back(ItemLine{row.qty, row.uom, row.partNumber, row.description,
                                          row.price, KindFromCode(row.type)});
    return page;
}

const std::array<std::string, 10>& FinalPageLabels() {
    static const std::array<std::string, 10> labels = {"Part Number:",
                                                       "Description:",
                                                       "Price:",
                                                       "Attenuation (dB/100 ft):",
                                                       "Attenuation (dB/100 m):",
                                                       "Total Attenuation (dB):",
                                                       "Insertion Loss (dB):",
                                                       "Efficiency (%):",
                                                       "Max Power (kW):",
                                                       "Average Power (kW):"};
    return labels;
}

const std::array<std::string, 7>& FigureLabels() {
    static const std::array<std::string, 7> labels = {
        "Attenuation (dB/100 ft):", "Attenuation (dB/100m):", "Total Attenuation (dB):",
        "Insertion Loss (dB):",     "Efficiency (%):",        "Max Power (kW):",
        "Average Power (kW):"};
    return labels;
}

StringList PartsListHeadings(const PartsListPage& page) {
    return {"Qty",
            "UOM",
            "Part Number",
            "Description",
            page.priceHeading,
            "Extended " + page.currencyLabel};
}

}  // namespace quill
