#include "results/Selection.h"

#include "catalogue/Fields.h"

namespace quill {

double Selection::Length() const { return StrToFloat(lengthText); }
double Selection::BeginMHz() const { return StrToFloat(beginText) * (ghz ? 1000 : 1); }
double Selection::EndMHz() const { return StrToFloat(endText) * (ghz ? 1000 : 1); }

}  // namespace quill
