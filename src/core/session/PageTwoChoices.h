#pragma once

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "catalogue/ConnectorChoices.h"
#include "results/Selection.h"
#include "session/Choices.h"
#include "session/ProgramData.h"

namespace quill {

// One end of the assembly on page 2: its lists, what they show, the
// connector's own name and picture, and the choices it remembers.
struct EndState {
    bool included = true;
    bool actual = true;  // chosen by its own name, else by what it mates to
    ListChoice connector, special, inner;
    std::string label;    // the connector's own name
    std::string picture;  // in the "images" folder; empty for none
    std::string connectorName = "7-16 DIN Male", specialName, innerName;
};

// Page 2 as the window shows it.
struct PageTwoState {
    RadioChoice cableGrade{-1, {true, true, true}};  // standard, premium, flame retardant
    ListChoice cable;
    std::string diameter;  // "1/2 in."
    bool diameterShown = true;
    std::string cablePicture;
    RadioChoice attachment{0, {true, true}};      // Vellisk, regular
    RadioChoice connectorGrade{1, {true, true}};  // plated, standard
    bool connectorOptions = true;                 // at least one end is included
    bool velliskPicture = true;
    EndState top, bottom;
};

// The radio item of a cable grade code: 0 standard ("S" or any other), 1
// premium ("P"), 2 flame retardant ("R").
int CableGradeIndex(const std::string& gradeCode);

// Page 2's choices and the cascades between them: a grade lists its cable
// sizes, a cable decides the attachments and connector grades it allows, and
// those with each end's connector decide its special characteristics, inner
// attachments, label and picture. What the user chose is remembered from one
// visit to the next and chosen again where the lists still offer it.
class PageTwoChoices {
  public:
    explicit PageTwoChoices(const ProgramData& data);
    // The choices as a fresh start has them, sharing the lists worked out here.
    PageTwoChoices Restarted() const;

    // A feeder is never attached the Vellisk way; it starts attached regularly.
    void SetApplication(bool feeder);
    // The cables of a band and cable type (0 air, 1 foam, 2 waveguide): page 2
    // lists them, every grade at first.
    void SetBand(double beginMHz, double endMHz, int cableType);
    const CableList& BandMatchedCables() const;
    const CableList& GradeMatchedCables() const;
    // Whether the grade's sizes list the part number, without a scan of the list.
    bool OffersSize(const std::string& partNumber) const;

    // Arriving from page 1 with the ends it includes.
    void Show(bool topIncluded, bool bottomIncluded, bool waveguide);
    const PageTwoState& State() const { return state_; }
    const EndState& End(bool top) const { return top ? state_.top : state_.bottom; }

    // The user's changes.
    void SetCableGrade(int index);
    void ChooseCable(const std::string& partNumber);
    void SetAttachment(int index);
    void SetConnectorGrade(int index);
    void SetEndMode(bool top, bool actual);
    void ChooseConnector(bool top, const std::string& text);
    void ChooseSpecial(bool top, const std::string& text);
    void ChooseInner(bool top, const std::string& text);

    // The catalogue's cable chosen, which the pricing marks with its prices.
    TTransmissionLine* CurrentCable() const { return currentCable_; }
    // An end's choices as the connector look-ups take them.
    EndChoice ChoiceOf(const EndState& end) const;

    // What the wizard remembers from one run to the next.
    struct Memory {
        std::string cableModelName = "RVX4-50K";
        int cableGrade = 0, connectorGrade = 0, attachment = 0;
    };
    const Memory& Remembered() const { return memory_; }

    // Page 2's part of a selection.
    void Describe(Selection& selection) const;

  private:
    void EnableCableGrades();
    void SelectCableGrade(int index);
    void CableGradeClick();
    void FillCableSizeList();
    void CableChange();
    void EnableConnectorOptions();
    void SelectAttachment(int index);
    void SelectConnectorGrade(int index);
    void AttachmentClick();
    void ConnectorGradeClick();
    void FillConnectorLists();
    std::string GradeLetter() const;
    std::string AttachmentLetter() const;
    void ConnectorChange(EndState& end);
    void DescriptionChange(EndState& end);
    void InnerChange(EndState& end);
    void ShowConnector(EndState& end);
    EndState& Edited(bool top) { return top ? state_.top : state_.bottom; }

    // The cables of page 1's band and cable type, and those of each grade
    // (standard, premium, flame retardant, any) with their sizes in list
    // order: worked out when page 1 asks for another band, shared by copies.
    struct GradeCables {
        CableList cables;
        SharedList sizes;  // their part numbers in list order
        // The place in the sizes of each model's first cable of the grade (-1
        // when its spelling lost to another of the same letters).
        std::unordered_map<std::string, int> modelAt;
        std::unordered_map<std::string, int> sizeAt;  // the place of each part number
        // The first cable of each part number, as the list is scanned from the top.
        std::unordered_map<std::string, TTransmissionLine*> cableNamed;
    };
    struct BandCables {
        double begin = 0, end = 0;
        int cableType = -1;
        CableList all;
        std::array<GradeCables, 4> grades;
    };
    static GradeCables ListGrade(CableList cables, const std::string& letter);
    static std::shared_ptr<const BandCables> MatchBand(const CableCatalogue& catalogue,
                                                       double begin, double end, int cableType);

    const ProgramData* data_;  // a pointer, so that choices can be assigned
    bool feeder_ = false;
    std::shared_ptr<const BandCables> band_;
    int gradeSlot_ = 3;  // the grade whose cables page 2 lists
    // The band, connector lists and pictures worked out before, shared by
    // copies (a comparison's quotes and a request's rows ask much the same).
    struct Lookups {
        using ConnectorsKey = std::tuple<const TTransmissionLine*, std::string, std::string, bool>;
        using EndKey = std::pair<const TTransmissionLine*, EndChoice>;
        KeptAnswers<ConnectorsKey, SharedList> connectors;
        KeptAnswers<EndKey, SharedList> specials, inners;
        KeptAnswers<std::tuple<std::string, bool, bool>, std::string> pictures;
        std::shared_ptr<const BandCables> band;  // the band matched last by any copy
    };
    std::shared_ptr<Lookups> lookups_ = std::make_shared<Lookups>();
    TTransmissionLine* currentCable_ = nullptr;
    PageTwoState state_;
    Memory memory_;
};

}  // namespace quill
