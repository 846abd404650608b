#pragma once

#include <filesystem>
#include <string>

#include "output/DatasheetPage.h"
#include "output/ListOfMaterials.h"

namespace quill {

// The list of materials as a PDF document on US Letter pages, as it prints.
// Throws when the document cannot be made.
std::string ListOfMaterialsPdf(const ListOfMaterials& list);

// The assembly's datasheet as a one-page PDF document on a Letter page, the
// connectors' pictures taken from `images`. Throws as the list's does.
std::string DatasheetPdf(const Datasheet& sheet, const std::filesystem::path& images);

}  // namespace quill
