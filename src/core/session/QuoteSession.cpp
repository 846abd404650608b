#include "session/QuoteSession.h"

#include <algorithm>

#include "catalogue/ConnectorChoices.h"
#include "pricing/PriceList.h"
#include "results/StandardLengths.h"
#include "rf/Rf.h"
#include "text/Error.h"

// The wizard's flow: page 1 checked, page 2 shown, Next on page 2 and the
// result pages it leads to, the currency they are shown in, and the whole
// wizard at once.

namespace quill {

QuoteSession::QuoteSession(ProgramData& data) : data_(data), pageTwo_(data) {}

QuoteSession QuoteSession::Restarted() const {
    QuoteSession fresh(data_);
    fresh.pageTwo_ = pageTwo_.Restarted();
    fresh.currencyTag_ = currencyTag_;
    return fresh;
}

// ------------------------------------------------------------------ page 1

// Every box must hold a number before anything is compared; then the band's
// order, then the cables of that band, type and length.
std::optional<Refusal> QuoteSession::CheckPageOne(const Selection& s) {
    const std::string* boxes[] = {&s.lengthText, &s.beginText, &s.endText};
    for (int field = 0; field < 3; ++field) {
        double value = 0;
        if (!TryStrToFloat(*boxes[field], value))
            return Refusal{kNotNumericMessage, false, WizardStep::Page1,
                           static_cast<SelectionField>(field)};
    }
    // A length of nothing or less can be typed but not built.
    if (!(StrToFloat(s.lengthText) > 0))
        return Refusal{"The length must be greater than 0.", false, WizardStep::Page1,
                       SelectionField::Length};
    pageOne_ = s;
    const double begin = s.BeginMHz(), end = s.EndMHz();
    if (StrToFloat(s.beginText) > StrToFloat(s.endText))
        return Refusal{"Ending frequency must be greater than beginning frequency.", true,
                       WizardStep::Page1, SelectionField::End};
    pageTwo_.SetBand(begin, end, s.cableTypeIndex);
    if (pageTwo_.BandMatchedCables().empty())
        return Refusal{"Sorry, there are no items that match your selection criteria." +
                           WaveguideCutOffNote(s.cableTypeIndex == 2, begin),
                       false, WizardStep::Page1, SelectionField::CableType};
    return std::nullopt;
}

// A waveguide carries only frequencies above its cut-off: a band that begins
// at or below the lowest cut-off of the listed waveguides is told why none fits.
std::string QuoteSession::WaveguideCutOffNote(bool waveguide, double beginMHz) const {
    if (!waveguide) return {};
    double lowest = 0;
    bool any = false;
    for (const TTransmissionLine* cable : AllCables(data_.catalogue)) {
        if (cable->cableType != "EW") continue;
        lowest = any ? std::min(lowest, cable->k1) : cable->k1;
        any = true;
    }
    if (!any || beginMHz > lowest) return {};
    return "\r\rElliptical waveguide carries only frequencies above its cut-off frequency. The "
           "lowest cut-off of the listed waveguides is " +
           FloatToText(lowest) + " MHz; this band begins at " + FloatToText(beginMHz) + " MHz.";
}

void QuoteSession::ShowPageTwo() {
    pageTwo_.Show(pageOne_.topIncluded, pageOne_.bottomIncluded, pageOne_.cableTypeIndex == 2);
}

Selection QuoteSession::ShownSelection() const {
    Selection s = pageOne_;
    pageTwo_.Describe(s);
    s.standardLengthItem = -1;
    return s;
}

const char* ResultPageName(ResultKind kind) {
    switch (kind) {
        case ResultKind::PartsList:
            return "tsNoPN";
        case ResultKind::StandardLengths:
            return "tsNoLength";
        case ResultKind::Final:
            break;
    }
    return "tsFinal";
}

// ------------------------------------------------------------------ results

// Each included end takes the first connector of the cable that fits its
// name, special characteristic, inner attachment, attachment and grade. An
// end that nothing fits is refused here rather than priced without a connector.
std::optional<Refusal> QuoteSession::PickConnectors() {
    TTransmissionLine* cable = pageTwo_.CurrentCable();
    assembly_.cable = cable;
    for (bool top : {true, false}) {
        const EndState& end = pageTwo_.End(top);
        TConnector*& chosen = top ? assembly_.topConnector : assembly_.bottomConnector;
        chosen = nullptr;
        if (!end.included) continue;
        EndChoice choice = pageTwo_.ChoiceOf(end);
        choice.key = end.label;
        choice.byName = true;
        chosen = FittingConnector(*cable, choice);
        if (!chosen)
            return Refusal{"No connector of the cable " + cable->partNumber +
                               " fits the choices made for the " + (top ? "top" : "bottom") +
                               " connector. Please choose that connector again.",
                           false, WizardStep::Page2,
                           top ? SelectionField::TopConnector : SelectionField::BottomConnector};
    }
    return std::nullopt;
}

NextOutcome QuoteSession::ResolvePageTwo() {
    NextOutcome outcome;
    TTransmissionLine* cable = pageTwo_.CurrentCable();
    if (!cable) return outcome;
    if ((outcome.refusal = PickConnectors())) return outcome;
    const Selection selection = ShownSelection();
    // Figures that cannot be computed (a waveguide band at or below its
    // cut-off) are reported before any page changes.
    PerformanceFigures(selection, *cable);

    const ExchangeRates* rates = data_.ConvertingRates();
    LookUpCablePrices(data_.priceList, rates, selection.meters, *cable);
    for (TConnector* connector : {assembly_.topConnector, assembly_.bottomConnector})
        if (connector) LookUpConnectorPrice(data_.priceList, rates, *connector);
    outcome.resolved = true;

    if (selection.feeder || !data_.Jumpers()->Find(assembly_)) {
        ShowPartsList();
        return outcome;
    }
    StringList rejected;
    const StringList lines =
        BuildStandardLengthList(assembly_.feetLengths, assembly_.meterLengths, &rejected);
    if (!rejected.empty()) {
        std::string named;
        for (const std::string& entry : rejected)
            named += (named.empty() ? "'" : ", '") + entry + "'";
        outcome.warnings.push_back(assembly_.source + ": the standard lengths " + named + " of " +
                                   assembly_.basePartNumber + " are not lengths and are left out.");
    }
    const std::string partNumber =
        ComposePartNumber(assembly_.basePartNumber, selection.lengthText, selection.meters);
    if (MatchStandardLength(lines, selection.lengthText, selection.meters)) {
        ShowFinal(partNumber, true, {});
        return outcome;
    }
    const NearestLengths nearest =
        FindNearestStandardLengths(lines, selection.Length(), selection.meters);
    if (nearest.Any())
        ShowStandardLengths(lines, nearest.shorter, nearest.longer);
    else
        ShowFinal(partNumber, false, {});
    return outcome;
}

void QuoteSession::ShowFinal(const std::string& partNumber, bool hasListPrice,
                             const std::string& standardLength) {
    QuoteResult result;
    result.page = ResultKind::Final;
    result.selection = ShownSelection();
    // A standard row taken on the lengths page is described and measured at its
    // own length, so that the figures agree with the part number.
    if (!standardLength.empty()) result.selection.lengthText = standardLength;
    assembly_.partNumber = partNumber;
    assembly_.hasListPrice = hasListPrice;
    // A listed jumper is priced as a whole; any other from its components.
    StringList priced;
    if (hasListPrice) {
        LookUpJumperPrice(data_.priceList, data_.ConvertingRates(), assembly_);
        priced.push_back(partNumber);
    } else if (assembly_.cable) {
        priced = {assembly_.cable->partNumber, assembly_.cable->attachmentPartNumber};
        for (const TConnector* connector : {assembly_.topConnector, assembly_.bottomConnector})
            if (connector) priced.emplace_back(connector->PartNumber());
    }
    result.priceNotice = PriceNotice(data_.priceList, priced);
    result.final = BuildFinalPage(result.selection, assembly_, Currency());
    result.itemLines = {result.final.itemLine};
    result_ = std::move(result);
}

void QuoteSession::ShowStandardLengths(const StringList& lines, int shorter, int longer) {
    QuoteResult result;
    result.page = ResultKind::StandardLengths;
    const Selection s = result.selection = ShownSelection();
    StandardLengthsPage& page = result.lengths;
    const double length = s.Length();
    const std::string& base = assembly_.basePartNumber;
    if (s.meters)
        page.cells[0] = {"Your Selection:", ComposePartNumber(base, s.lengthText, true),
                         FormatMoney(length * kFeetPerMeter), s.lengthText, "0"};
    else
        page.cells[0] = {"Your Selection:", ComposePartNumber(base, s.lengthText, false),
                         s.lengthText, FormatMoney(length / kFeetPerMeter), "0"};
    const auto offer = [&](int item, const char* caption, const std::string& line) {
        page.enabled[item] = true;
        const std::string standard = FieldAt(line, s.meters ? 3 : 2);
        const std::string difference =
            FloatToText(StrToFloat(standard) - length) + (s.meters ? " Meters" : " Feet");
        page.cells[item] = {caption, base + FieldAt(line, 1), FieldAt(line, 2), FieldAt(line, 3),
                            difference};
    };
    int row = 1;
    if (shorter >= 0) offer(row++, "A little shorter:", lines[shorter]);
    if (longer >= 0) offer(row, "A little longer:", lines[longer]);
    result_ = std::move(result);
}

void QuoteSession::AcceptStandardLength(int item) {
    if (!result_ || result_->page != ResultKind::StandardLengths) return;
    const StandardLengthsPage page = result_->lengths;
    const int row = std::max(0, item);
    const std::string standardLength =
        row > 0 ? page.cells[row][pageOne_.meters ? 3 : 2] : std::string();
    ShowFinal(page.cells[row][1], row > 0, standardLength);
}

void QuoteSession::ShowPartsList() {
    QuoteResult result;
    result.page = ResultKind::PartsList;
    result.selection = ShownSelection();
    result.partsList = BuildPartsList(result.selection, assembly_, Currency());
    result.itemLines = result.partsList.itemLines;
    StringList partNumbers;
    for (const PartsRow& row : result.partsList.rows) partNumbers.push_back(row.partNumber);
    result.priceNotice = PriceNotice(data_.priceList, partNumbers);
    result_ = std::move(result);
}

// ------------------------------------------------------------------ currency

void QuoteSession::SetCurrency(int tag) {
    currencyTag_ = tag;
    if (!result_) return;
    if (result_->page == ResultKind::Final) {
        FinalPage& page = result_->final;
        page.values[2] = FinalPriceText(result_->selection, assembly_, Currency());
        page.priceLabel = "Price " + Currency().Label() + ":";
        page.itemLine = FinalItemLine(page.values[0], page.values[1], page.values[2]);
        result_->itemLines = {page.itemLine};
    } else if (result_->page == ResultKind::PartsList) {
        ShowPartsList();
    }
}

bool QuoteSession::Choosable(const CurrencyItem& currency) const {
    return !*currency.rateCode ||
           (data_.hasExchangeRates && data_.exchangeRates.Available(currency.rateCode));
}

int QuoteSession::ChoosableCurrency(const std::string& code) const {
    for (const CurrencyItem& item : kCurrencyItems)
        if (item.shownCode == code && Choosable(item)) return item.tag;
    return 0;
}

// ------------------------------------------------------------------ at once

namespace {

void Require(bool offered, const std::string& value, SelectionField field, const char* what) {
    if (!offered)
        throw ChoiceError(
            field, std::string("The ") + what + " '" + value + "' is not among the choices.");
}

void Require(const ListChoice& list, const std::string& value, SelectionField field,
             const char* what) {
    Require(list.Offers(value), value, field, what);
}

// A button is named by its caption: "The connector attachment 'Vellisk' is
// not offered for the cable RVX4-50K."
void Require(const RadioChoice& radio, int item, SelectionField field, const char* what,
             std::initializer_list<const char*> captions, const std::string& where) {
    if (radio.Enabled(item)) return;
    const bool named = item >= 0 && item < static_cast<int>(captions.size());
    throw ChoiceError(field, std::string("The ") + what + " " +
                                 (named ? "'" + std::string(captions.begin()[item]) + "'"
                                        : std::to_string(item)) +
                                 " is not offered " + where + ".");
}

}  // namespace

NextOutcome QuoteSession::Resolve(const Selection& s) {
    result_.reset();
    pageTwo_.SetApplication(s.feeder);
    NextOutcome outcome;
    if ((outcome.refusal = CheckPageOne(s))) return outcome;
    ShowPageTwo();
    Require(pageTwo_.State().cableGrade, s.cableGradeIndex, SelectionField::CableGrade,
            "cable grade", {"Standard Cable", "Premium Cable", "Flame Retardant Cable"},
            "for this band and cable type");
    pageTwo_.SetCableGrade(s.cableGradeIndex);
    Require(pageTwo_.OffersSize(s.cableText), s.cableText, SelectionField::Cable, "cable");
    pageTwo_.ChooseCable(s.cableText);
    if (pageTwo_.State().connectorOptions) {
        if (!s.pageAttachment) {
            Require(pageTwo_.State().attachment, s.vellisk ? 0 : 1, SelectionField::Attachment,
                    "connector attachment", {"Vellisk", "Regular"}, "for the cable " + s.cableText);
            pageTwo_.SetAttachment(s.vellisk ? 0 : 1);
        }
        if (!s.pageConnectorGrade) {
            Require(pageTwo_.State().connectorGrade, s.platedGrade ? 0 : 1,
                    SelectionField::ConnectorGrade, "connector grade", {"Plated", "Standard"},
                    "for the cable " + s.cableText);
            pageTwo_.SetConnectorGrade(s.platedGrade ? 0 : 1);
        }
    }
    for (bool top : {true, false}) {
        if (!pageTwo_.End(top).included) continue;
        pageTwo_.SetEndMode(top, top ? s.topActual : s.bottomActual);
        Require(pageTwo_.End(top).connector, top ? s.topConnector : s.bottomConnector,
                top ? SelectionField::TopConnector : SelectionField::BottomConnector,
                top ? "top connector" : "bottom connector");
        pageTwo_.ChooseConnector(top, top ? s.topConnector : s.bottomConnector);
        // An empty special characteristic or inner attachment keeps the page's own.
        if (const std::string& special = top ? s.topSpecial : s.bottomSpecial; !special.empty()) {
            Require(pageTwo_.End(top).special, special,
                    top ? SelectionField::TopSpecial : SelectionField::BottomSpecial,
                    top ? "top special characteristic" : "bottom special characteristic");
            pageTwo_.ChooseSpecial(top, special);
        }
        if (const std::string& inner = top ? s.topInner : s.bottomInner; !inner.empty()) {
            Require(pageTwo_.End(top).inner, inner,
                    top ? SelectionField::TopInner : SelectionField::BottomInner,
                    top ? "top inner attachment" : "bottom inner attachment");
            pageTwo_.ChooseInner(top, inner);
        }
    }
    outcome = ResolvePageTwo();
    if (outcome.resolved && result_->page == ResultKind::StandardLengths &&
        s.standardLengthItem >= 0) {
        if (s.standardLengthItem > 2 || !result_->lengths.enabled[s.standardLengthItem])
            throw ChoiceError(SelectionField::StandardLength,
                              "The standard length row " + std::to_string(s.standardLengthItem) +
                                  " cannot be taken.");
        AcceptStandardLength(s.standardLengthItem);
    }
    return outcome;
}

}  // namespace quill
