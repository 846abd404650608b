#include "catalogue/Images.h"

namespace quill {

std::string ConnectorPictureFile(const StringList& imageLines, const std::string& connectorName,
                                 bool rightAngle, bool withAttachment) {
    const std::string wanted = UpperCase(connectorName);
    for (const std::string& line : imageLines) {
        if (UpperCase(FieldAt(line, 1)) == wanted && !FieldAt(line, 2).empty() == rightAngle &&
            !FieldAt(line, 3).empty() == withAttachment)
            return FieldAt(line, 4);
    }
    return {};
}

bool IsRightAngleText(const std::string& special) {
    return UpperCase(special).find("RIGHT ANGLE") != std::string::npos;
}

}  // namespace quill
