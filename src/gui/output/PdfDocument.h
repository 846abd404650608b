#pragma once

#include <string>

#include "output/ListOfMaterials.h"

namespace quill {

// The list of materials as a PDF document on US Letter pages, as it prints.
// Throws when the document cannot be made.
std::string ListOfMaterialsPdf(const ListOfMaterials& list);

}  // namespace quill
