#include "results/Selection.h"

#include "text/Fields.h"

namespace quill {

int FeederItem(bool topIncluded, bool bottomIncluded) {
    return topIncluded ? (bottomIncluded ? 0 : 1) : (bottomIncluded ? 2 : 3);
}

void Selection::RequireConsistentEnds() const {
    // A jumper's item means nothing (page 1 leaves one behind when it checks
    // the boxes again), but both its ends carry a connector.
    const int item = FeederItem(topIncluded, bottomIncluded);
    if (feeder ? feederIndex == item : topIncluded && bottomIncluded) return;
    throw ChoiceError(SelectionField::FeederEnds,
                      feeder ? "The feeder's connector item " + std::to_string(feederIndex) +
                                   " does not match the ends that carry a connector (item " +
                                   std::to_string(item) + ")."
                             : "A jumper has a connector at both ends.");
}

double Selection::Length() const { return StrToFloat(lengthText); }
double Selection::BeginMHz() const { return StrToFloat(beginText) * (ghz ? 1000 : 1); }
double Selection::EndMHz() const { return StrToFloat(endText) * (ghz ? 1000 : 1); }

}  // namespace quill
