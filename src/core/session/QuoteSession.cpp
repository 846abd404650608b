#include "session/QuoteSession.h"

#include <algorithm>

#include "catalogue/ConnectorChoices.h"
#include "catalogue/Images.h"

namespace quill {

namespace {

const char* const kGradeLetters[] = {"S", "P", "R"};

SharedList Shared(StringList list) { return std::make_shared<const StringList>(std::move(list)); }

}  // namespace

int CableGradeIndex(const std::string& gradeCode) {
    return gradeCode == kGradeLetters[1] ? 1 : gradeCode == kGradeLetters[2] ? 2 : 0;
}

QuoteSession::QuoteSession(ProgramData& data) : data_(data) {
    pageTwo_.top.label = "Top Connector Desc.";
    pageTwo_.bottom.label = "Bottom Connector Desc";
}

QuoteSession QuoteSession::Restarted() const {
    QuoteSession fresh(data_);
    fresh.lookups_ = lookups_;
    fresh.currencyTag_ = currencyTag_;
    return fresh;
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
    // The band of this session, else the one a copy matched last (a request's
    // rows, each on a fresh start, mostly ask for the same band).
    const auto same = [&](const std::shared_ptr<const BandCables>& band) {
        return band && band->begin == begin && band->end == end &&
               band->cableType == s.cableTypeIndex;
    };
    if (!same(band_))
        band_ = same(lookups_->band)
                    ? lookups_->band
                    : (lookups_->band = MatchBand(data_.catalogue, begin, end, s.cableTypeIndex));
    gradeSlot_ = 3;
    if (band_->all.empty())
        return Refusal{"Sorry, there are no items that match your selection criteria." +
                           WaveguideCutOffNote(s.cableTypeIndex == 2, begin),
                       false, WizardStep::Page1, SelectionField::CableType};
    return std::nullopt;
}

std::shared_ptr<const QuoteSession::BandCables> QuoteSession::MatchBand(
    const CableCatalogue& catalogue, double begin, double end, int cableType) {
    auto band = std::make_shared<BandCables>();
    band->begin = begin;
    band->end = end;
    band->cableType = cableType;
    CableFilter filter;
    filter.band = true;
    filter.beginFrequency = begin;
    filter.endFrequency = end;
    filter.air = cableType == 0;
    filter.foam = cableType == 1;
    filter.waveguide = cableType == 2;
    band->all = FilterCables(AllCables(catalogue), filter);
    for (int grade = 0; grade < 3; ++grade) {
        CableFilter ofGrade;
        ofGrade.gradeCode = kGradeLetters[grade];
        band->grades[grade] = ListGrade(FilterCables(band->all, ofGrade), kGradeLetters[grade]);
    }
    // No grade chosen: every cable, a model remembered only from a cable of no known grade.
    band->grades[3] = ListGrade(band->all, "");
    return band;
}

QuoteSession::GradeCables QuoteSession::ListGrade(CableList cables, const std::string& letter) {
    GradeCables grade;
    StringList partNumbers;
    for (const TTransmissionLine* cable : cables) partNumbers.push_back(cable->partNumber);
    const StringList sizes = SortedUnique(std::move(partNumbers));
    std::unordered_map<std::string, int> sizeAt;
    for (std::size_t i = 0; i < sizes.size(); ++i) sizeAt.emplace(sizes[i], static_cast<int>(i));
    for (const TTransmissionLine* cable : cables) {
        if (cable->gradeCode != letter) continue;
        const auto at = sizeAt.find(cable->partNumber);
        grade.modelAt.emplace(cable->modelName, at == sizeAt.end() ? -1 : at->second);
    }
    grade.cables = std::move(cables);
    grade.sizes = Shared(sizes);
    return grade;
}

const CableList& QuoteSession::BandMatchedCables() const {
    static const CableList kNone;
    return band_ ? band_->all : kNone;
}

const CableList& QuoteSession::GradeMatchedCables() const {
    static const CableList kNone;
    return band_ ? band_->grades[gradeSlot_].cables : kNone;
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
    bool seen[3];
    for (int i = 0; i < 3; ++i) seen[i] = band_ && !band_->grades[i].cables.empty();
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
    gradeSlot_ = memory_.cableGrade >= 0 && memory_.cableGrade < 3 ? memory_.cableGrade : 3;
    FillCableSizeList();
    CableChange();
    for (EndState* end : {&pageTwo_.top, &pageTwo_.bottom})
        if (end->included) ConnectorChange(*end);
}

// The sizes of the grade, with the cable remembered from before chosen again
// when the grade has it.
void QuoteSession::FillCableSizeList() {
    ListChoice& sizes = pageTwo_.cable;
    sizes.SetItems(band_ ? band_->grades[gradeSlot_].sizes : nullptr);
    if (band_ && !memory_.cableModelName.empty()) {
        const auto& modelAt = band_->grades[gradeSlot_].modelAt;
        if (const auto found = modelAt.find(memory_.cableModelName); found != modelAt.end())
            return sizes.Select(found->second);
    }
    sizes.Select(0);
}

void QuoteSession::ChooseCable(const std::string& partNumber) {
    pageTwo_.cable.text = partNumber;
    CableChange();
}

void QuoteSession::CableChange() {
    if (const CableList& cables = GradeMatchedCables(); !cables.empty()) {
        currentCable_ = cables.back();
        for (TTransmissionLine* cable : cables) {
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
        const std::string grade = GradeLetter(), attachment = AttachmentLetter();
        end->connector.Fill(
            lookups_->connectors.For({currentCable_, grade, attachment, end->actual},
                                     [&] {
                                         return Shared(ConnectorKeys(*currentCable_, grade,
                                                                     attachment, end->actual));
                                     }),
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
    if (currentCable_) {
        EndChoice choice = ChoiceOf(end);
        choice.special.clear();  // the specials depend on the rest alone
        choice.inner.clear();
        end.special.Fill(
            lookups_->specials.For({currentCable_, choice},
                                   [&] { return Shared(SpecialChoices(*currentCable_, choice)); }),
            end.specialName);
    }
    DescriptionChange(end);
}

void QuoteSession::DescriptionChange(EndState& end) {
    end.specialName = end.special.text;
    if (currentCable_) {
        EndChoice choice = ChoiceOf(end);
        choice.inner.clear();  // the inners depend on the rest alone
        end.inner.Fill(
            lookups_->inners.For({currentCable_, choice},
                                 [&] { return Shared(InnerChoices(*currentCable_, choice)); }),
            end.innerName);
    }
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
    const bool rightAngle = IsRightAngleText(end.special.text);
    const bool attached = pageTwo_.attachment.index == 0;
    end.picture = lookups_->pictures.For({end.label, rightAngle, attached}, [&] {
        return ConnectorPictureFile(data_.imageLines, end.label, rightAngle, attached);
    });
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

}  // namespace quill
