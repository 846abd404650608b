#pragma once

#include <array>
#include <optional>
#include <string>

#include "catalogue/ConnectorChoices.h"
#include "catalogue/Jumpers.h"
#include "orders/ItemLine.h"
#include "pricing/Currency.h"
#include "results/ResultPages.h"
#include "results/Selection.h"
#include "session/PageTwoChoices.h"
#include "session/ProgramData.h"

namespace quill {

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

// The run's quote: page 1 as checked, page 2's choices, the assembly, the
// currency in force and the result shown. Every decision of the wizard is
// made here or in page 2's choices; the window shows the state and hands over
// the user's clicks.
class QuoteSession {
  public:
    explicit QuoteSession(ProgramData& data);

    const ProgramData& Data() const { return data_; }

    // Page 1: the application, then the boxes checked and the band's cables matched.
    void SetApplication(bool feeder) { pageTwo_.SetApplication(feeder); }
    std::optional<Refusal> CheckPageOne(const Selection& pageOne);
    const CableList& BandMatchedCables() const { return pageTwo_.BandMatchedCables(); }

    // Page 2: decided anew on arrival from page 1, then changed by the user.
    void ShowPageTwo();
    PageTwoChoices& PageTwo() { return pageTwo_; }
    const PageTwoChoices& PageTwo() const { return pageTwo_; }

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
    std::optional<Refusal> PickConnectors();
    void ShowFinal(const std::string& partNumber, bool hasListPrice,
                   const std::string& standardLength);
    void ShowStandardLengths(const StringList& lines, int shorter, int longer);
    void ShowPartsList();

    ProgramData& data_;
    Selection pageOne_;
    PageTwoChoices pageTwo_;
    TJumper assembly_;
    int currencyTag_ = 1;
    std::optional<QuoteResult> result_;
};

}  // namespace quill
