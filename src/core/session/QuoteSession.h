#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>

#include "catalogue/ConnectorChoices.h"
#include "catalogue/Jumpers.h"
#include "orders/ItemLine.h"
#include "pricing/Currency.h"
#include "results/ResultPages.h"
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

// The standard lengths page: rows "Your Selection:", "A little shorter:" and
// "A little longer:" (five cells each, empty where none) and which may be taken.
struct StandardLengthsPage {
    std::array<std::array<std::string, 5>, 3> cells;
    std::array<bool, 3> enabled{true, false, false};
};

enum class WizardStep { Page1, Page2 };
enum class ResultKind { PartsList, StandardLengths, Final };

// The system name of a result page: "tsNoPN", "tsNoLength", "tsFinal".
const char* ResultPageName(ResultKind kind);

// A result page with all it shows.
struct QuoteResult {
    ResultKind page = ResultKind::Final;
    Selection selection;  // what the page was built from
    PartsListPage partsList;
    StandardLengthsPage lengths;
    FinalPage final;
    std::string priceNotice;  // the parts the price list lacks; empty for none
    ItemLines itemLines;      // what "Add to Order" adds
};

// Next refused: the message (a warning, or an error box), the page that stays
// and what to correct (on page 1 the length, beginning or ending box).
struct Refusal {
    std::string message;
    bool error = false;
    WizardStep staysOn = WizardStep::Page2;
    SelectionField field = SelectionField::None;
};

// The warning for a figure box that holds no number.
inline constexpr const char* kNotNumericMessage =
    "This field must contain a numeric value.\rThe decimal separator is a point: 2.5, not 2,5.";

// What Next decided: a refusal, or the page to show after the warnings
// (shown first); neither when there is nothing to resolve.
struct NextOutcome {
    std::optional<Refusal> refusal;
    StringList warnings;
    bool resolved = false;
};

// The radio item of a cable grade code: 0 standard ("S" or any other), 1
// premium ("P"), 2 flame retardant ("R").
int CableGradeIndex(const std::string& gradeCode);

// The run's quote: the choices the wizard remembers, the cables that match
// page 1, page 2 and its cascades, the assembly, the currency in force and
// the result shown. Every decision of the wizard is made here; the window
// shows the state and hands over the user's clicks.
class QuoteSession {
  public:
    explicit QuoteSession(ProgramData& data);

    const ProgramData& Data() const { return data_; }

    // Page 1.
    void SetApplication(bool feeder);  // remembers the attachment a feeder starts with
    std::optional<Refusal> CheckPageOne(const Selection& pageOne);
    const CableList& BandMatchedCables() const;

    // Page 2: what it shows on arrival, and the user's changes.
    void ShowPageTwo();
    const PageTwoState& PageTwo() const { return pageTwo_; }
    void SetCableGrade(int index);
    void ChooseCable(const std::string& partNumber);
    void SetAttachment(int index);
    void SetConnectorGrade(int index);
    void SetEndMode(bool top, bool actual);
    void ChooseConnector(bool top, const std::string& text);
    void ChooseSpecial(bool top, const std::string& text);
    void ChooseInner(bool top, const std::string& text);
    const TTransmissionLine* CurrentCable() const { return currentCable_; }
    // What the wizard remembers from one run to the next.
    struct Memory {
        std::string cableModelName = "RVX4-50K";
        int cableGrade = 0, connectorGrade = 0, attachment = 0;
    };
    const Memory& Remembered() const { return memory_; }
    const CableList& GradeMatchedCables() const;

    // Next on page 2, and on the standard lengths page with the row taken.
    NextOutcome ResolvePageTwo();
    void AcceptStandardLength(int item);
    // The result shown; empty before the first and after Forget.
    const std::optional<QuoteResult>& Result() const { return result_; }
    void Forget() { result_.reset(); }

    // The whole wizard at once: page 1, page 2 and Next with the selection's
    // choices, in the order a user makes them. A choice the lists do not
    // offer, or feeder ends that contradict the feeder's item, throw a
    // ChoiceError naming the choice by its caption.
    NextOutcome Resolve(const Selection& selection);
    // The wizard as a fresh start shows it, with this session's currency and
    // the lists it worked out: every choice is the wizard's default again.
    QuoteSession Restarted() const;

    // The currency in force, by menu tag; a change shows the result in it.
    int CurrencyTag() const { return currencyTag_; }
    CurrencyInForce Currency() const { return {data_.hasExchangeRates, currencyTag_}; }
    void SetCurrency(int tag);
    // A currency can be chosen when its prices can be computed: US dollars
    // always, another with a usable rate in the exchange-rate file.
    bool Choosable(const CurrencyItem& currency) const;
    // The tag that shows prices in that code when it can be chosen; 0 when not.
    int ChoosableCurrency(const std::string& code) const;

    // Pages 1 and 2 as they stand, as a result page would take them.
    Selection ShownSelection() const;

  private:
    std::string WaveguideCutOffNote(bool waveguide, double beginMHz) const;
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
    EndChoice ChoiceOf(const EndState& end) const;
    std::string GradeLetter() const;
    std::string AttachmentLetter() const;
    void ConnectorChange(EndState& end);
    void DescriptionChange(EndState& end);
    void InnerChange(EndState& end);
    void ShowConnector(EndState& end);
    EndState& End(bool top) { return top ? pageTwo_.top : pageTwo_.bottom; }
    std::optional<Refusal> PickConnectors();
    void ShowFinal(const std::string& partNumber, bool hasListPrice,
                   const std::string& standardLength);
    void ShowStandardLengths(const StringList& lines, int shorter, int longer);
    void ShowPartsList();

    // The cables of page 1's band and cable type, and those of each grade
    // (standard, premium, flame retardant, any) with their sizes in list
    // order: worked out when page 1 asks for another band, shared by copies.
    struct GradeCables {
        CableList cables;
        SharedList sizes;  // their part numbers in list order
        // The place in the sizes of each model's first cable of the grade (-1
        // when its spelling lost to another of the same letters).
        std::unordered_map<std::string, int> modelAt;
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

    ProgramData& data_;
    Selection pageOne_;
    bool feeder_ = false;
    std::shared_ptr<const BandCables> band_;
    int gradeSlot_ = 3;  // the grade whose cables page 2 lists
    // The connector lists and pictures worked out before, shared by copies
    // of the session (a comparison's quotes ask much the same).
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
    PageTwoState pageTwo_;
    Memory memory_;
    TJumper assembly_;
    int currencyTag_ = 1;
    std::optional<QuoteResult> result_;
};

}  // namespace quill
