#pragma once

#include <string>

#include "catalogue/DataFiles.h"
#include "results/Selection.h"
#include "session/Choices.h"

namespace quill {

// Page 1's choices and the rules between them, as the page shows them: the
// application decides the lengths offered, whether the waveguide may be
// chosen and whether a feeder's ends are asked for; the ends that carry a
// connector decide the feeder's item and which items may be chosen; leaving
// one frequency box narrows the other one's list. The texts are the user's:
// the page hands over what was typed before it asks for a rule.
struct PageOneChoices {
    bool feeder = false;
    ListChoice length;
    bool meters = false;
    ListChoice beginning, ending;
    bool ghz = false;
    RadioChoice cableType{1, {true, true, false}};
    bool topIncluded = true, bottomIncluded = true;
    RadioChoice feederItem{-1, {true, true, true, true}};

    // The jumper's lengths, 1 to 50 feet with 6 chosen.
    void Start();
    // The band lists of the data, 800 to 2200 MHz chosen where they offer it.
    void FillBand(const FrequencyLists& lists);
    // A feeder offers 100 to 500 feet (200 chosen), the waveguide and a choice
    // of ends starting with both; a jumper 1 to 50 feet, foam coaxial and both ends.
    void ChooseApplication(bool isFeeder);
    // The ends that carry a connector: the item they make is chosen, and only
    // the items they allow may be.
    void SetEnds(bool top, bool bottom);
    // A feeder item chosen gives connectors to the ends it names, so that the
    // item and the ends never disagree (0 both, 1 top, 2 bottom, 3 none).
    void ChooseFeederItem(int item);
    // A beginning that is a number leaves the ending list the frequencies
    // above it, the ending typed kept when it is still above; and the other
    // way round. Texts that are no number change nothing.
    void LeaveBeginning();
    void LeaveEnding();
    // Both lists and both texts in the other unit (GHz = MHz / 1000).
    void SwitchUnit(bool toGhz);

    // Page 1's part of a selection.
    Selection AsSelection() const;

  private:
    void OfferLengths(int first, int last, int selected);
    FrequencyLists lists_;
};

}  // namespace quill
