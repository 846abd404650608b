#include "session/PageTwoChoices.h"

#include "catalogue/Images.h"

namespace quill {

namespace {

const char* const kGradeLetters[] = {"S", "P", "R"};

SharedList Shared(StringList list) { return std::make_shared<const StringList>(std::move(list)); }

}  // namespace

int CableGradeIndex(const std::string& gradeCode) {
    return gradeCode == kGradeLetters[1] ? 1 : gradeCode == kGradeLetters[2] ? 2 : 0;
}

PageTwoChoices::PageTwoChoices(const ProgramData& data) : data_(&data) {
    state_.top.label = "Top Connector Desc.";
    state_.bottom.label = "Bottom Connector Desc";
}

PageTwoChoices PageTwoChoices::Restarted() const {
    PageTwoChoices fresh(*data_);
    fresh.lookups_ = lookups_;
    return fresh;
}

void PageTwoChoices::SetApplication(bool feeder) {
    if (feeder == feeder_) return;
    feeder_ = feeder;
    memory_.attachment = feeder ? 1 : 0;
}

// The band of these choices, else the one a copy matched last (a request's
// rows, each on a fresh start, mostly ask for the same band).
void PageTwoChoices::SetBand(double begin, double end, int cableType) {
    const auto same = [&](const std::shared_ptr<const BandCables>& band) {
        return band && band->begin == begin && band->end == end && band->cableType == cableType;
    };
    if (!same(band_))
        band_ = same(lookups_->band)
                    ? lookups_->band
                    : (lookups_->band = MatchBand(data_->catalogue, begin, end, cableType));
    gradeSlot_ = 3;
}

std::shared_ptr<const PageTwoChoices::BandCables> PageTwoChoices::MatchBand(
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

PageTwoChoices::GradeCables PageTwoChoices::ListGrade(CableList cables, const std::string& letter) {
    GradeCables grade;
    StringList partNumbers;
    for (const TTransmissionLine* cable : cables) partNumbers.push_back(cable->partNumber);
    const StringList sizes = SortedUnique(std::move(partNumbers));
    for (std::size_t i = 0; i < sizes.size(); ++i)
        grade.sizeAt.emplace(sizes[i], static_cast<int>(i));
    for (const TTransmissionLine* cable : cables) {
        if (cable->gradeCode != letter) continue;
        const auto at = grade.sizeAt.find(cable->partNumber);
        grade.modelAt.emplace(cable->modelName, at == grade.sizeAt.end() ? -1 : at->second);
    }
    for (TTransmissionLine* cable : cables) grade.cableNamed.emplace(cable->partNumber, cable);
    grade.cables = std::move(cables);
    grade.sizes = Shared(sizes);
    return grade;
}

const CableList& PageTwoChoices::BandMatchedCables() const {
    static const CableList kNone;
    return band_ ? band_->all : kNone;
}

const CableList& PageTwoChoices::GradeMatchedCables() const {
    static const CableList kNone;
    return band_ ? band_->grades[gradeSlot_].cables : kNone;
}

bool PageTwoChoices::OffersSize(const std::string& partNumber) const {
    return band_ && band_->grades[gradeSlot_].sizeAt.contains(partNumber);
}

void PageTwoChoices::Show(bool topIncluded, bool bottomIncluded, bool waveguide) {
    state_.diameterShown = !waveguide;
    state_.top.included = topIncluded;
    state_.bottom.included = bottomIncluded;
    for (EndState* end : {&state_.top, &state_.bottom}) {
        if (end->included) continue;
        end->connector.text = "None";
        end->special.text = "N/A";
        end->inner.text = "N/A";
        end->picture = "noconnectors.gif";
    }
    state_.connectorOptions = topIncluded || bottomIncluded;
    EnableCableGrades();
    CableGradeClick();
}

void PageTwoChoices::EnableCableGrades() {
    bool seen[3];
    for (int i = 0; i < 3; ++i) seen[i] = band_ && !band_->grades[i].cables.empty();
    for (int i = 0; i < 3; ++i) state_.cableGrade.enabled[i] = seen[i];
    if (memory_.cableGrade >= 0 && memory_.cableGrade < 3 && seen[memory_.cableGrade])
        return SelectCableGrade(memory_.cableGrade);
    for (int i = 0; i < 3; ++i)
        if (seen[i]) return SelectCableGrade(i);
}

// A radio item selected from code acts as the user's click when it changes
// the selection.
void PageTwoChoices::SelectCableGrade(int index) {
    if (state_.cableGrade.Select(index)) CableGradeClick();
}
void PageTwoChoices::SelectAttachment(int index) {
    if (state_.attachment.Select(index)) AttachmentClick();
}
void PageTwoChoices::SelectConnectorGrade(int index) {
    if (state_.connectorGrade.Select(index)) ConnectorGradeClick();
}

void PageTwoChoices::SetCableGrade(int index) { SelectCableGrade(index); }
void PageTwoChoices::SetAttachment(int index) { SelectAttachment(index); }
void PageTwoChoices::SetConnectorGrade(int index) { SelectConnectorGrade(index); }

void PageTwoChoices::CableGradeClick() {
    memory_.cableGrade = state_.cableGrade.index;
    gradeSlot_ = memory_.cableGrade >= 0 && memory_.cableGrade < 3 ? memory_.cableGrade : 3;
    FillCableSizeList();
    CableChange();
    for (EndState* end : {&state_.top, &state_.bottom})
        if (end->included) ConnectorChange(*end);
}

// The sizes of the grade, with the cable remembered from before chosen again
// when the grade has it.
void PageTwoChoices::FillCableSizeList() {
    ListChoice& sizes = state_.cable;
    sizes.SetItems(band_ ? band_->grades[gradeSlot_].sizes : nullptr);
    if (band_ && !memory_.cableModelName.empty()) {
        const auto& modelAt = band_->grades[gradeSlot_].modelAt;
        if (const auto found = modelAt.find(memory_.cableModelName); found != modelAt.end())
            return sizes.Select(found->second);
    }
    sizes.Select(0);
}

void PageTwoChoices::ChooseCable(const std::string& partNumber) {
    state_.cable.text = partNumber;
    CableChange();
}

void PageTwoChoices::CableChange() {
    // The grade's first cable of the size shown, else its last cable.
    if (const CableList& cables = GradeMatchedCables(); !cables.empty()) {
        const auto& named = band_->grades[gradeSlot_].cableNamed;
        const auto found = named.find(state_.cable.text);
        currentCable_ = found != named.end() ? found->second : cables.back();
    }
    if (!currentCable_) return;
    memory_.cableModelName = currentCable_->modelName;
    state_.diameter = currentCable_->diameter + " in.";
    state_.cablePicture = currentCable_->modelName + ".gif";
    const bool anyEnd = state_.top.included || state_.bottom.included;
    if (anyEnd) {
        EnableConnectorOptions();
        FillConnectorLists();
    }
    for (EndState* end : {&state_.top, &state_.bottom})
        if (end->included) ConnectorChange(*end);
    if (anyEnd) {
        ConnectorGradeClick();
        AttachmentClick();
    }
}

// The Vellisk attachment is for jumpers of cables that allow it; plated and
// standard connectors as the cable allows, standard ones only attached regularly.
void PageTwoChoices::EnableConnectorOptions() {
    RadioChoice& attachment = state_.attachment;
    const bool vellisk = !currentCable_->firstAttachmentFlag.empty() && !feeder_;
    attachment.enabled = {vellisk, true};
    SelectAttachment(attachment.Enabled(memory_.attachment) ? memory_.attachment
                                                            : (vellisk ? 0 : 1));
    RadioChoice& grade = state_.connectorGrade;
    grade.enabled = {!currentCable_->platedFlag.empty(),
                     !currentCable_->standardFlag.empty() && attachment.index == 1};
    SelectConnectorGrade(grade.Enabled(memory_.connectorGrade) ? memory_.connectorGrade
                                                               : (grade.Enabled(0) ? 0 : 1));
}

void PageTwoChoices::AttachmentClick() {
    memory_.attachment = state_.attachment.index;
    if (memory_.attachment != 0) {
        if (currentCable_) EnableConnectorOptions();
        state_.velliskPicture = false;
    } else {
        state_.connectorGrade.enabled[1] = false;
        SelectConnectorGrade(0);
        state_.velliskPicture = true;
    }
    ConnectorGradeClick();
}

void PageTwoChoices::ConnectorGradeClick() {
    memory_.connectorGrade = state_.connectorGrade.index;
    FillConnectorLists();
    for (EndState* end : {&state_.top, &state_.bottom})
        if (end->included) ConnectorChange(*end);
}

std::string PageTwoChoices::GradeLetter() const {
    return state_.connectorGrade.index == 0 ? "P" : "S";
}

std::string PageTwoChoices::AttachmentLetter() const {
    return state_.attachment.index == 0 ? "S" : "R";
}

EndChoice PageTwoChoices::ChoiceOf(const EndState& end) const {
    return EndChoice{end.connector.text, end.actual,         end.special.text,
                     end.inner.text,     AttachmentLetter(), GradeLetter()};
}

void PageTwoChoices::FillConnectorLists() {
    if (!currentCable_) return;
    for (EndState* end : {&state_.top, &state_.bottom}) {
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

void PageTwoChoices::SetEndMode(bool top, bool actual) {
    EndState& end = Edited(top);
    if (end.actual == actual) return;
    end.actual = actual;
    FillConnectorLists();
    ConnectorChange(end);
}

void PageTwoChoices::ChooseConnector(bool top, const std::string& text) {
    Edited(top).connector.text = text;
    ConnectorChange(Edited(top));
}

void PageTwoChoices::ChooseSpecial(bool top, const std::string& text) {
    Edited(top).special.text = text;
    DescriptionChange(Edited(top));
}

void PageTwoChoices::ChooseInner(bool top, const std::string& text) {
    Edited(top).inner.text = text;
    InnerChange(Edited(top));
}

void PageTwoChoices::ConnectorChange(EndState& end) {
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

void PageTwoChoices::DescriptionChange(EndState& end) {
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

void PageTwoChoices::InnerChange(EndState& end) {
    end.innerName = end.inner.text;
    ShowConnector(end);
}

// The label under the box names the connector itself. Chosen by its own name,
// that is the name; chosen by what it mates with, it is the first connector
// that fits everything chosen for the end, so that the label, the picture and
// the part priced later all agree. The picture follows the label.
void PageTwoChoices::ShowConnector(EndState& end) {
    if (currentCable_) {
        const EndChoice choice = ChoiceOf(end);
        const TConnector* connector =
            choice.byName ? nullptr : FittingConnector(*currentCable_, choice);
        if (!connector) connector = ConnectorWithKey(*currentCable_, choice);
        if (connector) end.label = std::string(connector->Name());
    }
    const bool rightAngle = IsRightAngleText(end.special.text);
    const bool attached = state_.attachment.index == 0;
    end.picture = lookups_->pictures.For({end.label, rightAngle, attached}, [&] {
        return ConnectorPictureFile(data_->imageLines, end.label, rightAngle, attached);
    });
}

void PageTwoChoices::Describe(Selection& s) const {
    const PageTwoState& p = state_;
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
}

}  // namespace quill
