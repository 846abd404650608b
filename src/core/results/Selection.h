#pragma once

#include <string>

#include "text/Error.h"

namespace quill {

// The part of a selection a refusal is about: the box to correct on page 1,
// the column of a request's row.
enum class SelectionField {
    None = -1,
    Length = 0,
    Begin = 1,
    End = 2,
    Application,
    Unit,
    CableType,
    FeederEnds,
    CableGrade,
    Cable,
    Attachment,
    ConnectorGrade,
    TopMode,
    TopConnector,
    TopSpecial,
    TopInner,
    BottomMode,
    BottomConnector,
    BottomSpecial,
    BottomInner,
    StandardLength,
};

// A choice the wizard's lists and buttons do not offer, and which one it is.
class ChoiceError : public QuillError {
  public:
    ChoiceError(SelectionField field, const std::string& message)
        : QuillError(message), field_(field) {}
    SelectionField Field() const { return field_; }

  private:
    SelectionField field_;
};

// The feeder item page 1 derives from the ends that carry a connector: 0
// both, 1 top only, 2 bottom only, 3 none.
int FeederItem(bool topIncluded, bool bottomIncluded);

// What pages 1 and 2 hold when a result is shown, as the controls show it:
// the user's choices and what the page derives from them (the diameter, the
// connectors' own names).
struct Selection {
    bool feeder = false;
    int feederIndex = -1;  // 0 both ends, 1 top only, 2 bottom only, 3 none; -1 for a jumper
    std::string lengthText = "6";
    bool meters = false;
    bool ghz = false;
    std::string beginText = "800";
    std::string endText = "2200";
    int cableTypeIndex = 1;  // 0 air, 1 foam, 2 elliptical waveguide, -1 none
    bool topIncluded = true;
    bool bottomIncluded = true;
    std::string cableText;     // the cable size as chosen
    std::string diameterText;  // "1/2 in."
    bool diameterShown = true;
    std::string topLabel, bottomLabel;  // the chosen connectors' own names
    std::string topSpecial = "(none)", bottomSpecial = "(none)";
    std::string topInner = "(N/A)", bottomInner = "(N/A)";
    bool vellisk = false;      // the Vellisk attachment is chosen
    bool platedGrade = false;  // the Plated connector grade is chosen
    // Taken as page 2 selects them for the cable rather than as given above
    // (a request that leaves them out).
    bool pageAttachment = false, pageConnectorGrade = false;
    int cableGradeIndex = 0;                     // 0 standard, 1 premium, 2 flame retardant
    bool topActual = true, bottomActual = true;  // chosen by name, else by what it mates to
    std::string topConnector, bottomConnector;   // as the lists show them
    int standardLengthItem = -1;  // on the standard lengths page: the row taken; -1 stays there

    // Throws a ChoiceError (FeederEnds) when a feeder's item is not the one
    // its ends make, or a jumper lacks an end: such a selection would price
    // attachment charges for connectors it does not have.
    void RequireConsistentEnds() const;

    double Length() const;
    double BeginMHz() const;  // GHz texts are turned into MHz
    double EndMHz() const;
};

}  // namespace quill
