#pragma once

#include <string>

#include "catalogue/Catalogue.h"
#include "text/Fields.h"

namespace quill {

inline constexpr const char* kNoSpecial = "(none)";
inline constexpr const char* kNoInner = "(N/A)";

// What one end of the assembly has chosen on the connector page. The key is the
// connector's own name ("Actual") or the name of what it mates with.
struct EndChoice {
    std::string key;
    bool byName = true;
    std::string special;     // as shown: "(none)" for an empty one
    std::string inner;       // as shown: "(N/A)" for an empty one
    std::string attachment;  // "S" Vellisk, "R" regular
    std::string grade;       // "P" plated, "S" standard

    auto operator<=>(const EndChoice&) const = default;
};

// Sorted without regard to case, each text once (the first spelling wins).
StringList SortedUnique(StringList texts);

// The connector names (or mates-to names) of the cable's connectors of the
// given grade and attachment.
StringList ConnectorKeys(const TTransmissionLine& cable, const std::string& grade,
                         const std::string& attachment, bool byName);
// Special characteristics of the connectors with the end's key, attachment and
// grade; an empty one is offered as "(none)".
StringList SpecialChoices(const TTransmissionLine& cable, const EndChoice& end);
// Inner attachments of the connectors that also have the end's special
// characteristic; an empty one is offered as "(N/A)".
StringList InnerChoices(const TTransmissionLine& cable, const EndChoice& end);

// The first connector of the cable that fits everything chosen for the end, or
// nullptr.
const TConnector* FittingConnector(const TTransmissionLine& cable, const EndChoice& end);
TConnector* FittingConnector(TTransmissionLine& cable, const EndChoice& end);
// The first connector whose key equals the end's key, or nullptr.
const TConnector* ConnectorWithKey(const TTransmissionLine& cable, const EndChoice& end);

}  // namespace quill
