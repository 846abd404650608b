#include "session/QuoteSession.h"

#include "catalogue/ConnectorChoices.h"
#include "catalogue/Error.h"
#include "catalogue/Images.h"
#include "pricing/PriceList.h"
#include "results/StandardLengths.h"
#include "rf/Rf.h"

namespace quill {

namespace {

const char* const kGradeLetters[] = {"S", "P", "R"};
const char* const kNotNumeric = "This field must contain a numeric value.";

}  // namespace

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

QuoteSession::QuoteSession(ProgramData& data) : data_(data) {
    pageTwo_.top.label = "Top Connector Desc.";
    pageTwo_.bottom.label = "Bottom Connector Desc";
}

// ------------------------------------------------------------------ page 1

void QuoteSession::SetApplication(bool feeder) {
    if (feeder == feeder_) return;
    feeder_ = feeder;
    memory_.attachment = feeder ? 1 : 0;
}

// Every box must hold a number before anything is compared; then the band's
// order, then the cables of that band, type and length.
std::optional<Refusal> QuoteSession::CheckPageOne(const Selection& s) {
    const std::string* boxes[] = {&s.lengthText, &s.beginText, &s.endText};
    for (int field = 0; field < 3; ++field) {
        double value = 0;
        if (!TryStrToFloat(*boxes[field], value))
            return Refusal{kNotNumeric, false, WizardStep::Page1, field};
    }
    pageOne_ = s;
    const double begin = s.BeginMHz(), end = s.EndMHz();
    if (StrToFloat(s.beginText) > StrToFloat(s.endText))
        return Refusal{"Ending frequency must be greater than beginning frequency.", true,
                       WizardStep::Page1};
    CableFilter filter;
    filter.band = true;
    filter.beginFrequency = begin;
    filter.endFrequency = end;
    filter.lengthUnit = s.meters ? "Meters" : "Feet";
    filter.length = s.Length();
    filter.air = s.cableTypeIndex == 0;
    filter.foam = s.cableTypeIndex == 1;
    filter.waveguide = s.cableTypeIndex == 2;
    bandMatched_ = FilterCables(AllCables(data_.catalogue), filter);
    gradeMatched_ = bandMatched_;
    if (bandMatched_.empty())
        return Refusal{"Sorry, there are no items that match your selection criteria.", false,
                       WizardStep::Page1};
    return std::nullopt;
}

// ------------------------------------------------------------------ page 2

void QuoteSession::ShowPageTwo() {
    pageTwo_.diameterShown = pageOne_.cableTypeIndex != 2;
    pageTwo_.top.included = pageOne_.topIncluded;
    pageTwo_.bottom.included = pageOne_.bottomIncluded;
    for (EndState* end : {&pageTwo_.top, &pageTwo_.bottom}) {
        if (end->included) continue;
        end->connector.text = "None";
        end->special.text = "N/A";
        end->inner.text = "N/A";
        end->picture = "noconnectors.gif";
    }
    pageTwo_.connectorOptions = pageOne_.topIncluded || pageOne_.bottomIncluded;
    EnableCableGrades();
    CableGradeClick();
}

void QuoteSession::EnableCableGrades() {
    bool seen[3] = {false, false, false};
    for (const TTransmissionLine* cable : bandMatched_) {
        for (int i = 0; i < 3; ++i) seen[i] = seen[i] || cable->gradeCode == kGradeLetters[i];
        if (seen[0] && seen[1] && seen[2]) break;
    }
    for (int i = 0; i < 3; ++i) pageTwo_.cableGrade.enabled[i] = seen[i];
    if (memory_.cableGrade >= 0 && memory_.cableGrade < 3 && seen[memory_.cableGrade])
        return SelectCableGrade(memory_.cableGrade);
    for (int i = 0; i < 3; ++i)
        if (seen[i]) return SelectCableGrade(i);
}

// A radio item selected from code acts as the user's click when it changes
// the selection.
void QuoteSession::SelectCableGrade(int index) {
    if (pageTwo_.cableGrade.Select(index)) CableGradeClick();
}
void QuoteSession::SelectAttachment(int index) {
    if (pageTwo_.attachment.Select(index)) AttachmentClick();
}
void QuoteSession::SelectConnectorGrade(int index) {
    if (pageTwo_.connectorGrade.Select(index)) ConnectorGradeClick();
}

void QuoteSession::SetCableGrade(int index) { SelectCableGrade(index); }
void QuoteSession::SetAttachment(int index) { SelectAttachment(index); }
void QuoteSession::SetConnectorGrade(int index) { SelectConnectorGrade(index); }

void QuoteSession::CableGradeClick() {
    memory_.cableGrade = pageTwo_.cableGrade.index;
    CableFilter filter;
    if (memory_.cableGrade >= 0 && memory_.cableGrade < 3)
        filter.gradeCode = kGradeLetters[memory_.cableGrade];
    gradeMatched_ = FilterCables(bandMatched_, filter);
    FillCableSizeList();
    CableChange();
    for (EndState* end : {&pageTwo_.top, &pageTwo_.bottom})
        if (end->included) ConnectorChange(*end);
}

// The sizes of the grade, with the cable remembered from before chosen again
// when the grade has it.
void QuoteSession::FillCableSizeList() {
    StringList partNumbers;
    for (const TTransmissionLine* cable : gradeMatched_) partNumbers.push_back(cable->partNumber);
    ListChoice& sizes = pageTwo_.cable;
    sizes.items = SortedUnique(std::move(partNumbers));
    const int grade = pageTwo_.cableGrade.index;
    const std::string letter = grade >= 0 && grade < 3 ? kGradeLetters[grade] : "";
    if (!memory_.cableModelName.empty()) {
        for (const TTransmissionLine* cable : gradeMatched_) {
            if (cable->modelName == memory_.cableModelName && cable->gradeCode == letter)
                return sizes.Select(sizes.IndexOf(cable->partNumber));
        }
    }
    sizes.Select(0);
}

void QuoteSession::ChooseCable(const std::string& partNumber) {
    pageTwo_.cable.text = partNumber;
    CableChange();
}

void QuoteSession::CableChange() {
    if (!gradeMatched_.empty()) {
        currentCable_ = gradeMatched_.back();
        for (TTransmissionLine* cable : gradeMatched_) {
            if (cable->partNumber == pageTwo_.cable.text) {
                currentCable_ = cable;
                break;
            }
        }
    }
    if (!currentCable_) return;
    memory_.cableModelName = currentCable_->modelName;
    pageTwo_.diameter = currentCable_->diameter + " in.";
    pageTwo_.cablePicture = currentCable_->modelName + ".gif";
    const bool anyEnd = pageTwo_.top.included || pageTwo_.bottom.included;
    if (anyEnd) {
        EnableConnectorOptions();
        FillConnectorLists();
    }
    for (EndState* end : {&pageTwo_.top, &pageTwo_.bottom})
        if (end->included) ConnectorChange(*end);
    if (anyEnd) {
        ConnectorGradeClick();
        AttachmentClick();
    }
}

// The Vellisk attachment is for jumpers of cables that allow it; plated and
// standard connectors as the cable allows, standard ones only attached regularly.
void QuoteSession::EnableConnectorOptions() {
    RadioChoice& attachment = pageTwo_.attachment;
    const bool vellisk = !currentCable_->firstAttachmentFlag.empty() && !feeder_;
    attachment.enabled = {vellisk, true};
    SelectAttachment(attachment.Enabled(memory_.attachment) ? memory_.attachment
                                                            : (vellisk ? 0 : 1));
    RadioChoice& grade = pageTwo_.connectorGrade;
    grade.enabled = {!currentCable_->platedFlag.empty(),
                     !currentCable_->standardFlag.empty() && attachment.index == 1};
    SelectConnectorGrade(grade.Enabled(memory_.connectorGrade) ? memory_.connectorGrade
                                                               : (grade.Enabled(0) ? 0 : 1));
}

void QuoteSession::AttachmentClick() {
    memory_.attachment = pageTwo_.attachment.index;
    if (memory_.attachment != 0) {
        if (currentCable_) EnableConnectorOptions();
        pageTwo_.velliskPicture = false;
    } else {
        pageTwo_.connectorGrade.enabled[1] = false;
        SelectConnectorGrade(0);
        pageTwo_.velliskPicture = true;
    }
    ConnectorGradeClick();
}

void QuoteSession::ConnectorGradeClick() {
    memory_.connectorGrade = pageTwo_.connectorGrade.index;
    FillConnectorLists();
    for (EndState* end : {&pageTwo_.top, &pageTwo_.bottom})
        if (end->included) ConnectorChange(*end);
}

std::string QuoteSession::GradeLetter() const {
    return pageTwo_.connectorGrade.index == 0 ? "P" : "S";
}

std::string QuoteSession::AttachmentLetter() const {
    return pageTwo_.attachment.index == 0 ? "S" : "R";
}

EndChoice QuoteSession::ChoiceOf(const EndState& end) const {
    return EndChoice{end.connector.text, end.actual,         end.special.text,
                     end.inner.text,     AttachmentLetter(), GradeLetter()};
}

void QuoteSession::FillConnectorLists() {
    if (!currentCable_) return;
    for (EndState* end : {&pageTwo_.top, &pageTwo_.bottom}) {
        if (!end->included) continue;
        end->connector.Fill(
            ConnectorKeys(*currentCable_, GradeLetter(), AttachmentLetter(), end->actual),
            end->connectorName);
    }
}

void QuoteSession::SetEndMode(bool top, bool actual) {
    EndState& end = End(top);
    if (end.actual == actual) return;
    end.actual = actual;
    FillConnectorLists();
    ConnectorChange(end);
}

void QuoteSession::ChooseConnector(bool top, const std::string& text) {
    End(top).connector.text = text;
    ConnectorChange(End(top));
}

void QuoteSession::ChooseSpecial(bool top, const std::string& text) {
    End(top).special.text = text;
    DescriptionChange(End(top));
}

void QuoteSession::ChooseInner(bool top, const std::string& text) {
    End(top).inner.text = text;
    InnerChange(End(top));
}

void QuoteSession::ConnectorChange(EndState& end) {
    end.connectorName = end.connector.text;
    if (currentCable_)
        end.special.Fill(SpecialChoices(*currentCable_, ChoiceOf(end)), end.specialName);
    DescriptionChange(end);
}

void QuoteSession::DescriptionChange(EndState& end) {
    end.specialName = end.special.text;
    if (currentCable_) end.inner.Fill(InnerChoices(*currentCable_, ChoiceOf(end)), end.innerName);
    ShowConnector(end);
}

void QuoteSession::InnerChange(EndState& end) {
    end.innerName = end.inner.text;
    ShowConnector(end);
}

// The label under the box names the connector itself. Chosen by its own name,
// that is the name; chosen by what it mates with, it is the first connector
// that fits everything chosen for the end, so that the label, the picture and
// the part priced later all agree. The picture follows the label.
void QuoteSession::ShowConnector(EndState& end) {
    if (currentCable_) {
        const EndChoice choice = ChoiceOf(end);
        const TConnector* connector =
            choice.byName ? nullptr : FittingConnector(*currentCable_, choice);
        if (!connector) connector = ConnectorWithKey(*currentCable_, choice);
        if (connector) end.label = std::string(connector->Name());
    }
    end.picture =
        ConnectorPictureFile(data_.imageLines, end.label, IsRightAngleText(end.special.text),
                             pageTwo_.attachment.index == 0);
}

Selection QuoteSession::ShownSelection() const {
    Selection s = pageOne_;
    const PageTwoState& p = pageTwo_;
    s.cableText = p.cable.text;
    s.cableGradeIndex = p.cableGrade.index;
    s.diameterText = p.diameter;
    s.diameterShown = p.diameterShown;
    s.topLabel = p.top.label;
    s.bottomLabel = p.bottom.label;
    s.topActual = p.top.actual;
    s.bottomActual = p.bottom.actual;
    s.topConnector = p.top.connector.text;
    s.bottomConnector = p.bottom.connector.text;
    s.topSpecial = p.top.special.text;
    s.bottomSpecial = p.bottom.special.text;
    s.topInner = p.top.inner.text;
    s.bottomInner = p.bottom.inner.text;
    s.vellisk = p.attachment.index == 0;
    s.platedGrade = p.connectorGrade.index == 0;
    s.standardLengthItem = -1;
    return s;
}

// ------------------------------------------------------------------ results

// Each included end takes the first connector of the cable that fits its
// name, special characteristic, inner attachment, attachment and grade. An
// end that nothing fits is refused here rather than priced without a connector.
std::optional<Refusal> QuoteSession::PickConnectors() {
    assembly_.cable = currentCable_;
    for (bool top : {true, false}) {
        EndState& end = End(top);
        TConnector*& chosen = top ? assembly_.topConnector : assembly_.bottomConnector;
        chosen = nullptr;
        if (!end.included) continue;
        EndChoice choice = ChoiceOf(end);
        choice.key = end.label;
        choice.byName = true;
        chosen = FittingConnector(*currentCable_, choice);
        if (!chosen)
            return Refusal{"No connector of the cable " + currentCable_->partNumber +
                               " fits the choices made for the " + (top ? "top" : "bottom") +
                               " connector. Please choose that connector again.",
                           false, WizardStep::Page2};
    }
    return std::nullopt;
}

NextOutcome QuoteSession::ResolvePageTwo() {
    NextOutcome outcome;
    if (!currentCable_) return outcome;
    if ((outcome.refusal = PickConnectors())) return outcome;
    const Selection selection = ShownSelection();
    // Figures that cannot be computed (a waveguide band at or below its
    // cut-off) are reported before any page changes.
    PerformanceFigures(selection, *currentCable_);

    const ExchangeRates* rates = data_.ConvertingRates();
    LookUpCablePrices(data_.priceList, rates, selection.meters, *currentCable_);
    for (TConnector* connector : {assembly_.topConnector, assembly_.bottomConnector})
        if (connector) LookUpConnectorPrice(data_.priceList, rates, *connector);
    outcome.resolved = true;

    if (selection.feeder || !FindStandardJumper(data_.JumpersFile(), assembly_)) {
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

int QuoteSession::ChoosableCurrency(const std::string& code) const {
    if (!data_.hasExchangeRates && code != "USD") return 0;
    for (const CurrencyItem& item : kCurrencyItems) {
        if (item.shownCode != code) continue;
        if (!*item.rateCode || !data_.hasExchangeRates ||
            data_.exchangeRates.Available(item.rateCode))
            return item.tag;
    }
    return 0;
}

// ------------------------------------------------------------------ at once

namespace {

void Require(const ListChoice& list, const std::string& value, const char* what) {
    if (!list.Offers(value))
        throw QuillError(std::string("The ") + what + " '" + value + "' is not among the choices.");
}

void Require(const RadioChoice& radio, int item, const char* what) {
    if (!radio.Enabled(item))
        throw QuillError(std::string("The ") + what + " " + std::to_string(item) +
                         " cannot be chosen.");
}

}  // namespace

NextOutcome QuoteSession::Resolve(const Selection& s) {
    result_.reset();
    SetApplication(s.feeder);
    NextOutcome outcome;
    if ((outcome.refusal = CheckPageOne(s))) return outcome;
    ShowPageTwo();
    Require(pageTwo_.cableGrade, s.cableGradeIndex, "cable grade");
    SetCableGrade(s.cableGradeIndex);
    Require(pageTwo_.cable, s.cableText, "cable");
    ChooseCable(s.cableText);
    if (pageTwo_.connectorOptions) {
        Require(pageTwo_.attachment, s.vellisk ? 0 : 1, "connector attachment");
        SetAttachment(s.vellisk ? 0 : 1);
        Require(pageTwo_.connectorGrade, s.platedGrade ? 0 : 1, "connector grade");
        SetConnectorGrade(s.platedGrade ? 0 : 1);
    }
    for (bool top : {true, false}) {
        if (!End(top).included) continue;
        SetEndMode(top, top ? s.topActual : s.bottomActual);
        Require(End(top).connector, top ? s.topConnector : s.bottomConnector, "connector");
        ChooseConnector(top, top ? s.topConnector : s.bottomConnector);
        Require(End(top).special, top ? s.topSpecial : s.bottomSpecial, "special characteristic");
        ChooseSpecial(top, top ? s.topSpecial : s.bottomSpecial);
        Require(End(top).inner, top ? s.topInner : s.bottomInner, "inner attachment");
        ChooseInner(top, top ? s.topInner : s.bottomInner);
    }
    outcome = ResolvePageTwo();
    if (outcome.resolved && result_->page == ResultKind::StandardLengths &&
        s.standardLengthItem >= 0) {
        if (s.standardLengthItem > 2 || !result_->lengths.enabled[s.standardLengthItem])
            throw QuillError("The standard length row " + std::to_string(s.standardLengthItem) +
                             " cannot be taken.");
        AcceptStandardLength(s.standardLengthItem);
    }
    return outcome;
}

}  // namespace quill
