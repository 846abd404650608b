#include "pricing/PriceList.h"

#include "rf/Rf.h"

namespace quill {

PriceList::PriceList(StringList lines) : lines_(std::move(lines)) {
    firstLine_.reserve(lines_.size());
    for (size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (line.empty() || IsCommentLineStart(line[0])) continue;
        firstLine_.emplace(FieldAt(line, 3), i);  // emplace keeps the first line of a part
    }
}

const std::string* PriceList::Find(const std::string& partNumber) const {
    const auto found = firstLine_.find(partNumber);
    return found == firstLine_.end() ? nullptr : &lines_[found->second];
}

namespace {

double PriceField(const std::string& line) { return FloatOrDefault(FieldAt(line, 6), "0"); }

void Convert(const ExchangeRates* rates, double price, ConvertedPrices& converted) {
    if (rates) converted = rates->Convert(price);
}

}  // namespace

void LookUpCablePrices(const PriceList& prices, const ExchangeRates* rates, bool meters,
                       TTransmissionLine& cable) {
    if (const std::string* line = prices.Find(cable.partNumber)) {
        cable.description = FieldAt(*line, 5);
        cable.price = PriceField(*line);
        if (meters) cable.price *= kFeetPerMeter;
        Convert(rates, cable.price, cable.convertedPrices);
    }
    if (cable.attachmentPartNumber.empty()) {
        cable.attachmentPrice = 0;
    } else if (const std::string* line = prices.Find(cable.attachmentPartNumber)) {
        cable.attachmentPrice = PriceField(*line);
        Convert(rates, cable.attachmentPrice, cable.attachmentConvertedPrices);
    }
}

void LookUpConnectorPrice(const PriceList& prices, const ExchangeRates* rates,
                          TConnector& connector) {
    if (const std::string* line = prices.Find(std::string(connector.PartNumber()))) {
        const double price = PriceField(*line);
        ConvertedPrices converted;
        Convert(rates, price, converted);
        connector.SetPrice(FieldAt(*line, 5), price, std::move(converted));
    }
}

bool LookUpJumperPrice(const PriceList& prices, const ExchangeRates* rates, TJumper& jumper) {
    jumper.description.clear();
    jumper.price = 0;
    jumper.convertedPrices = {};
    const std::string* line = prices.Find(jumper.partNumber);
    if (!line) return false;
    jumper.description = FieldAt(*line, 5);
    jumper.price = PriceField(*line);
    Convert(rates, jumper.price, jumper.convertedPrices);
    return true;
}

}  // namespace quill
