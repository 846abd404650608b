// The cable catalogue: a file either loads or stops with the program's error
// report, and every connector it keeps is a whole record.

#include <cstdint>
#include <string>
#include <utility>

#include "FuzzSupport.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ConnectorChoices.h"
#include "catalogue/DataFiles.h"
#include "catalogue/Error.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::FileWith(std::string_view(reinterpret_cast<const char*>(data), size));
    CableCatalogue catalogue;
    try {
        LoadCableCatalogue(file, catalogue);
    } catch (const QuillError& error) {
        FUZZ_CHECK(std::string(error.what()).find("input.dat [") == 0, "%s\n", error.what());
    }
    for (const auto& cable : catalogue) {
        for (const TConnector& connector : cable->connectors) {
            for (const std::string_view field :
                 {connector.PartNumber(), connector.Name(), connector.Special(),
                  connector.MatesTo(), connector.Inner(), connector.GradeCode(),
                  connector.AttachmentCode()})
                FUZZ_CHECK(field.find('|') == std::string_view::npos);
        }
        for (const bool byName : {true, false}) {
            for (const std::string& key : ConnectorKeys(*cable, "P", "S", byName)) {
                EndChoice end{key, byName, kNoSpecial, kNoInner, "S", "P"};
                SpecialChoices(*cable, end);
                InnerChoices(*cable, end);
                if (const TConnector* found = FittingConnector(std::as_const(*cable), end))
                    FUZZ_CHECK((byName ? found->Name() : found->MatesTo()) == key);
            }
        }
    }
    try {
        BuildFrequencyLists(AllCables(catalogue));
    } catch (const QuillError&) {
    }
    return 0;
}
