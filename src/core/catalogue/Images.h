#pragma once

#include <string>

#include "text/Fields.h"

namespace quill {

// The picture file (relative to the "images" folder) for a connector, from the
// lines of "images.dat": the first entry whose name matches without regard to
// case and whose right-angle and Vellisk markers agree. Empty when none does.
std::string ConnectorPictureFile(const StringList& imageLines, const std::string& connectorName,
                                 bool rightAngle, bool withAttachment);

// True when a special characteristic names the right-angle form, in any case.
bool IsRightAngleText(const std::string& special);

}  // namespace quill
