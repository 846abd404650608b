#include "pricing/PriceList.h"

#include <algorithm>

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

PriceList::State PriceList::StateOf(const std::string& partNumber) const {
    const std::string* line = Find(partNumber);
    if (!line) return State::Missing;
    double ignored = 0;
    return TryStrToFloat(FieldAt(*line, 6), ignored) ? State::Priced : State::NotANumber;
}

std::string PriceNotice(const PriceList& prices, const StringList& partNumbers) {
    StringList missing, unpriced;
    const auto add = [](StringList& list, const std::string& entry) {
        if (std::find(list.begin(), list.end(), entry) == list.end()) list.push_back(entry);
    };
    for (const std::string& partNumber : partNumbers) {
        if (partNumber.empty()) continue;
        switch (prices.StateOf(partNumber)) {
            case PriceList::State::Priced:
                break;
            case PriceList::State::Missing:
                add(missing, partNumber);
                break;
            case PriceList::State::NotANumber:
                add(unpriced, partNumber + " ('" + FieldAt(*prices.Find(partNumber), 6) + "')");
                break;
        }
    }
    const auto joined = [](const StringList& list) {
        std::string text;
        for (const std::string& entry : list) text += (text.empty() ? "" : ", ") + entry;
        return text;
    };
    std::string notice;
    if (!missing.empty()) notice += "Not in the price list: " + joined(missing) + ". ";
    if (!unpriced.empty())
        notice += "No price that is a number in the price list for: " + joined(unpriced) + ". ";
    if (!notice.empty()) notice += "Shown as 0.00; please ask Orlenk for a quotation.";
    return notice;
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
